#include "cli/commands/UnitText.h"

#include <sstream>

#include "records/UnitKind.h"

namespace cli {
namespace {

std::string KindName(std::uint16_t type) {
    if (const records::TUnitKind* kind = records::KindOfType(type)) return kind->Name;
    return records::OfNewerSeries(type) ? "Tavin unit" : "unknown unit";
}

}  // namespace

// The version text is made the same for every kind but for its prefix, so the handset's
// serves every unit: "PREFIX: VERSION EDITION".
TUnitText DescribeUnit(const records::TUnitIdentity& unit) {
    std::istringstream words(records::VersionText(records::kHandsetKind, unit));
    std::string prefix;
    TUnitText text{KindName(unit.Type), "", ""};
    words >> prefix >> text.Version >> text.Edition;
    return text;
}

}  // namespace cli
