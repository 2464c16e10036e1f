#include "cli/commands/UnitText.h"

#include <sstream>

namespace cli {
namespace {

std::string KindName(std::uint16_t type) {
    switch (type) {
    case records::kHandsetType: return "handset";
    case records::kGatewayType: return "gateway";
    case records::kTavinHandsetType:
    case records::kTavinGatewayType: return "Tavin unit";
    default: return "unknown unit";
    }
}

}  // namespace

// The version text is made the same for both kinds but for its prefix, so the handset's
// serves every unit: "PREFIX: VERSION EDITION".
TUnitText DescribeUnit(const records::TUnitIdentity& unit) {
    std::istringstream words(records::VersionText(records::kHandsetKind, unit));
    std::string prefix;
    TUnitText text{KindName(unit.Type), "", ""};
    words >> prefix >> text.Version >> text.Edition;
    return text;
}

}  // namespace cli
