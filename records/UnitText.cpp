#include "records/UnitText.h"

#include <cctype>
#include <sstream>

#include "records/UnitKind.h"

namespace records {
namespace {

std::string KindName(std::uint16_t type) {
    if (const TUnitKind* kind = KindOfType(type)) return kind->Name;
    return OfNewerSeries(type) ? "Tavin unit" : "unknown unit";
}

}  // namespace

// The version text is made the same for every kind but for its prefix, so the handset's
// serves every unit: "PREFIX: VERSION EDITION".
TUnitText DescribeUnit(const TUnitIdentity& unit) {
    std::istringstream words(records::VersionText(records::kHandsetKind, unit));
    std::string prefix;
    TUnitText text{KindName(unit.Type), "", ""};
    words >> prefix >> text.Version >> text.Edition;
    return text;
}

std::optional<TUnitIdentity> IdentityOfText(const TUnitText& text) {
    const TUnitKind* kind = nullptr;
    for (const TUnitKind* known : {&records::kHandsetKind, &records::kGatewayKind})
        if (text.Kind == known->Name) kind = known;
    const std::string& v = text.Version;
    const auto digit = [&v](std::size_t at) { return std::isdigit(static_cast<unsigned char>(v[at])) != 0; };
    if (kind == nullptr || v.size() != 5 || v[0] != 'V' || !digit(1) || v[2] != '.' || !digit(3) || !digit(4) ||
        (text.Edition != "Ardex" && text.Edition != "Kesto"))
        return std::nullopt;
    const auto version = static_cast<std::uint16_t>((v[1] - '0') << 8 | (v[3] - '0') << 4 | (v[4] - '0'));
    // Kesto is any code but Ardex's; the one after it stands for them all.
    const std::uint16_t edition = text.Edition == "Ardex" ? records::kArdexEdition : records::kArdexEdition + 1;
    return TUnitIdentity{kind->Type, edition, version};
}

}  // namespace records
