// Unit identification: the unit-type word split into type and edition, the version
// text, and the refusal of units of other series.

#include <gtest/gtest.h>

#include <ostream>

#include "records/UnitKind.h"

namespace {

using records::IdentityOf;
using records::VersionText;

struct TIdentityCase {
    std::uint16_t TypeWord;
    std::uint16_t VersionWord;
    std::uint16_t Type;
    const records::TUnitKind* Kind;
    const char* Text;
};

// Readable names for the cases in test listings.
void PrintTo(const TIdentityCase& c, std::ostream* out) {
    *out << "type" << std::hex << c.TypeWord << "version" << c.VersionWord;
}

class Identity : public ::testing::TestWithParam<TIdentityCase> {};

TEST_P(Identity, TypeEditionAndVersionText) {
    const TIdentityCase c = GetParam();
    const records::TUnitIdentity unit = IdentityOf(c.TypeWord, c.VersionWord);
    EXPECT_EQ(unit.Type, c.Type);
    EXPECT_EQ(unit.Edition, c.TypeWord & 0xFF);
    EXPECT_EQ(VersionText(*c.Kind, unit), c.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Identity,
    ::testing::Values(TIdentityCase{0xAB02, 0x0205, 0xAB00, &records::kHandsetKind, "HS: V2.05 Ardex"},
                      TIdentityCase{0xAB01, 0x0205, 0xAB00, &records::kHandsetKind, "HS: V2.05 Kesto"},
                      TIdentityCase{0xAB00, 0x0205, 0xAB00, &records::kHandsetKind, "HS: V2.05 Kesto"},
                      TIdentityCase{0xABFF, 0x0205, 0xAB00, &records::kHandsetKind, "HS: V2.05 Kesto"},
                      TIdentityCase{0xFE02, 0x0310, 0xFE00, &records::kGatewayKind, "GW: V3.10 Ardex"},
                      TIdentityCase{0xFE12, 0x0310, 0xFE00, &records::kGatewayKind, "GW: V3.10 Kesto"},
                      TIdentityCase{0xAB02, 0x1A3C, 0xAB00, &records::kHandsetKind, "HS: V10.312 Ardex"},
                      TIdentityCase{0xAB02, 0xFFFF, 0xAB00, &records::kHandsetKind, "HS: V15.1515 Ardex"},
                      TIdentityCase{0xAB02, 0x0000, 0xAB00, &records::kHandsetKind, "HS: V0.00 Ardex"}));

TEST(ForeignUnits, TheNewerSeriesIsToldApartFromUnknownUnits) {
    const std::string tavin =
        "This programmer is for Fennic series only. Please use version 3.xx for this ZENTA Tavin model.";
    EXPECT_EQ(records::ForeignUnitMessage(0xAC00), tavin);
    EXPECT_EQ(records::ForeignUnitMessage(0xFD00), tavin);
    for (std::uint16_t type : {0x0000, 0xAA00, 0xFF00})
        EXPECT_EQ(records::ForeignUnitMessage(static_cast<std::uint16_t>(type)),
                  "Unknown ZENTA found. Please see support.zenta-programmer.example for correct programmer.");
}

}  // namespace
