// The simulated unit: unit-type words, the two ways a unit is made, and the factory
// records checked field by field against the editor's documented defaults.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "sim/SimUnit.h"

namespace {

using sim::TEdition;
using sim::TSimUnit;
using sim::TUnitKind;

TEST(SimUnitTypeWord, HighByteIsTheKindLowByteTheEdition) {
    struct TCase {
        TUnitKind Kind;
        TEdition Edition;
        std::uint16_t Word;
    };
    const TCase cases[] = {
        {TUnitKind::Handset, TEdition::Ardex, 0xAB02}, {TUnitKind::Handset, TEdition::Kesto, 0xAB01},
        {TUnitKind::Gateway, TEdition::Ardex, 0xFE02}, {TUnitKind::Gateway, TEdition::Kesto, 0xFE01},
        {TUnitKind::Tavin, TEdition::Ardex, 0xAC02},   {TUnitKind::Tavin, TEdition::Kesto, 0xAC01},
        {TUnitKind::Unknown, TEdition::Ardex, 0x5A02}, {TUnitKind::None, TEdition::Ardex, 0x0000},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(sim::KindName(c.Kind)) + " " + std::string(sim::EditionName(c.Edition)));
        EXPECT_EQ(sim::UnitTypeWord(c.Kind, c.Edition), c.Word);
    }
}

TEST(SimUnitNames, KindsAndEditionsReadBackFromTheirNames) {
    for (TUnitKind kind :
         {TUnitKind::None, TUnitKind::Handset, TUnitKind::Gateway, TUnitKind::Tavin, TUnitKind::Unknown}) {
        EXPECT_EQ(sim::ParseKind(sim::KindName(kind)), kind);
    }
    EXPECT_EQ(sim::ParseEdition("kesto"), TEdition::Kesto);
    EXPECT_EQ(sim::ParseEdition("ardex"), TEdition::Ardex);
    EXPECT_FALSE(sim::ParseKind("Handset").has_value());
    EXPECT_FALSE(sim::ParseEdition("").has_value());
}

TEST(SimUnitBare, HoldsOnlyTypeAndVersionWithTheScriptDefaults) {
    struct TCase {
        const char* Name;
        TSimUnit Unit;
        std::uint16_t Type;
        std::uint16_t Version;
        std::string Chip;
    };
    const TCase cases[] = {
        {"handset defaults", TSimUnit::Bare(TUnitKind::Handset), 0xAB02, 0x0205, "CSR8670"},
        {"gateway defaults", TSimUnit::Bare(TUnitKind::Gateway), 0xFE02, 0x0205, "CSR8670"},
        {"handset given all", TSimUnit::Bare(TUnitKind::Handset, 0xAC02, 0x1A3C, "csr8675"), 0xAC02, 0x1A3C, "csr8675"},
        {"gateway type zero", TSimUnit::Bare(TUnitKind::Gateway, 0x0000), 0x0000, 0x0205, "CSR8670"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_TRUE(c.Unit.Answers());
        ASSERT_EQ(c.Unit.Store().size(), 2u);
        EXPECT_EQ(c.Unit.KeyText(devlink::PSKEY_UNIT_TYPE), sim::FormatWords({c.Type}));
        EXPECT_EQ(c.Unit.KeyText(devlink::PSKEY_SW_VERSION), sim::FormatWords({c.Version}));
        EXPECT_EQ(c.Unit.ChipName(), c.Chip);
        EXPECT_EQ(c.Unit.Find(devlink::PSKEY_HS_XSETTINGS), nullptr);
        EXPECT_EQ(c.Unit.Find(devlink::PSKEY_GW_XSETTINGS), nullptr);
        EXPECT_EQ(c.Unit.Restarts(), 0u);
    }
}

TEST(SimUnitBare, NoneHoldsNothingAndDoesNotAnswer) {
    const TSimUnit none = TSimUnit::Bare(TUnitKind::None, 0xAB02, 0x0205);
    EXPECT_FALSE(none.Answers());
    EXPECT_TRUE(none.Store().empty());
    EXPECT_FALSE(TSimUnit().Answers());
}

TEST(SimUnitFactory, EachKindHoldsItsKeys) {
    struct TCase {
        TUnitKind Kind;
        TEdition Edition;
        std::uint16_t Type;
        std::optional<std::uint16_t> RecordKey;
    };
    const TCase cases[] = {
        {TUnitKind::Handset, TEdition::Ardex, 0xAB02, devlink::PSKEY_HS_XSETTINGS},
        {TUnitKind::Handset, TEdition::Kesto, 0xAB01, devlink::PSKEY_HS_XSETTINGS},
        {TUnitKind::Gateway, TEdition::Ardex, 0xFE02, devlink::PSKEY_GW_XSETTINGS},
        {TUnitKind::Gateway, TEdition::Kesto, 0xFE01, devlink::PSKEY_GW_XSETTINGS},
        {TUnitKind::Tavin, TEdition::Ardex, 0xAC02, std::nullopt},
        {TUnitKind::Unknown, TEdition::Kesto, 0x5A01, std::nullopt},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(sim::KindName(c.Kind)) + " " + std::string(sim::EditionName(c.Edition)));
        const TSimUnit unit = TSimUnit::Factory(c.Kind, c.Edition, 0x0310);
        EXPECT_EQ(unit.Kind(), c.Kind);
        EXPECT_EQ(unit.TypeWord(), c.Type);
        EXPECT_EQ(unit.VersionWord(), 0x0310);
        EXPECT_EQ(unit.Store().size(), c.RecordKey ? 3u : 2u);
        if (c.RecordKey) {
            const auto* record = unit.Find(*c.RecordKey);
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record->size(), devlink::kRecordWords);
        }
    }
}

// A field of a record word: (word >> shift) & mask, optionally as a signed value.
struct TField {
    const char* Name;
    std::size_t Word;
    unsigned Shift;
    unsigned Mask;
    int Expected;
    bool Signed8 = false;
};

int Decode(const sim::TRecord& record, const TField& field) {
    const unsigned raw = (record.at(field.Word) >> field.Shift) & field.Mask;
    if (field.Signed8) return static_cast<std::int8_t>(raw);
    if (field.Mask == 0xFFFF) return static_cast<std::int16_t>(raw);
    return static_cast<int>(raw);
}

TEST(SimFactoryRecord, HandsetFieldsAreTheEditorDefaults) {
    const sim::TRecord record = sim::FactoryHandsetRecord();
    EXPECT_EQ(record[2], 0x0DAC);  // 3500 mV, as the record layout documents it
    const TField fields[] = {
        {"talk-around PTT beep", 0, 15, 1, 1},
        {"radio PTT beep", 0, 14, 1, 0},
        {"emergency beep", 0, 13, 1, 1},
        {"stealth mode", 0, 12, 1, 0},
        {"mute speaker on PTT", 0, 11, 1, 0},
        {"mute speaker on charge", 0, 10, 1, 1},
        {"LED charge indicate", 0, 9, 1, 1},
        {"auto turn on when charging", 0, 8, 1, 1},
        {"fixed alert tone volume", 0, 7, 1, 0},
        {"audible emergency tone", 0, 6, 1, 0},
        {"Hirose pin 2 Speaker -ve", 0, 5, 1, 0},
        {"handsfree", 0, 4, 1, 0},
        {"minimum volume off", 0, 3, 1, 0},
        {"flag bits 2-0", 0, 0, 7, 0},
        {"auto turn-off timer h", 1, 0, 0xFFFF, 8},
        {"low battery beep mV", 2, 0, 0xFFFF, 3500},
        {"low battery interval min", 3, 0, 0xFFFF, 5},
        {"internal mic gain", 4, 0, 0xFFFF, 0},
        {"internal mic high gain boost", 5, 0, 0xFFFF, 6},
        {"external mic gain", 6, 0, 0xFFFF, 9},
        {"external mic high gain boost", 7, 0, 0xFFFF, 6},
        {"remote PTT gain boost", 8, 0, 0xFFFF, 9},
        {"alert tone volume", 9, 0, 0xFFFF, 5},
        {"audio link active time", 10, 0, 0xFFFF, 0},
        {"transmit time", 11, 0, 0xFFFF, 0},
        {"receive time", 12, 0, 0xFFFF, 0},
        {"emergency repeat cycles", 13, 0, 0xFFFF, 1},
        {"long press ms", 14, 0, 0xFFFF, 1000},
        {"PTT hold = radio PTT", 15, 11, 0x1F, 2},
        {"PTT short", 15, 6, 0x1F, 0},
        {"PTT long", 15, 0, 0x3F, 0},
        {"Top 1 hold = emergency", 16, 11, 0x1F, 6},
        {"Top 2 hold = talk-around PTT", 17, 11, 0x1F, 3},
        {"Left 1 hold", 18, 11, 0x1F, 0},
        {"Left 1 short = volume up", 18, 6, 0x1F, 4},
        {"Left 2 short = volume down", 19, 6, 0x1F, 5},
        {"Left 2 long", 19, 0, 0x3F, 0},
        {"Right 1 hold", 20, 11, 0x1F, 0},
        {"Right 1 short", 20, 6, 0x1F, 0},
        {"Right 1 long = on/off", 20, 0, 0x3F, 1},
        {"audio integrity", 21, 0, 0xFFFF, 200},
        {"Acc PTT hold = radio PTT", 22, 11, 0x1F, 2},
        {"Acc PTT short and long", 22, 0, 0x7FF, 0},
        {"reserved 23", 23, 0, 0xFFFF, 0},
        {"reserved 24", 24, 0, 0xFFFF, 0},
    };
    for (const TField& field : fields) {
        EXPECT_EQ(Decode(record, field), field.Expected) << field.Name;
    }
}

// Line word of a gateway I/O line: direction, level as the editor shows it, function code.
struct TLine {
    const char* Name;
    std::size_t Word;
    bool Output;
    bool High;
    unsigned Code;
    std::uint16_t Pulse;
};

TEST(SimFactoryRecord, GatewayLinesAreTheEditorDefaults) {
    const TLine lines[] = {
        {"Radio PTT", 5, true, false, 1, 0},     {"Radio Emergency", 7, true, false, 2, 0},
        {"Radio COR", 9, false, false, 1, 0},    {"Function 1", 11, false, false, 2, 0},
        {"Function 2", 13, false, false, 3, 0},  {"Function 3", 15, true, false, 4, 500},
        {"Function 4", 17, true, false, 5, 500}, {"Function 5", 19, true, true, 8, 0},
        {"Function 6", 21, true, true, 6, 0},
    };
    for (TEdition edition : {TEdition::Ardex, TEdition::Kesto}) {
        const sim::TRecord record = sim::FactoryGatewayRecord(edition);
        for (const TLine& line : lines) {
            SCOPED_TRACE(std::string(line.Name) + " " + std::string(sim::EditionName(edition)));
            const std::uint16_t word = record[line.Word];
            const bool output = (word & 0x8000) != 0;
            const bool levelBit = (word & 0x4000) != 0;
            EXPECT_EQ(output, line.Output);
            EXPECT_EQ(output ? !levelBit : levelBit, line.High);  // output lines store the inverse
            EXPECT_EQ(word & 0x3FFFu, line.Code);
            EXPECT_EQ(record[line.Word + 1], line.Pulse);
        }
        EXPECT_EQ(record[5], 0xC001);
        EXPECT_EQ(record[1], 9);       // talk-around output gain
        EXPECT_EQ(record[2], 0x0003);  // receive input gain, signed 8-bit, high byte 0
        EXPECT_EQ(record[3], 0);       // transmit output gain
        EXPECT_EQ(record[4], 70);      // VOX trigger level
        EXPECT_EQ(record[23], 0);
        EXPECT_EQ(record[24], 0);
    }
}

TEST(SimFactoryRecord, GatewayFlagsFollowTheEdition) {
    const TField shared[] = {
        {"emergency alert tone", 0, 15, 1, 0}, {"VOX COR", 0, 13, 1, 1},
        {"public address", 0, 12, 1, 0},       {"find-me", 0, 11, 1, 0},
        {"unused flag bits", 0, 0, 0x7FF, 0},  {"receive gain as signed 8-bit", 2, 0, 0xFF, 3, true},
    };
    for (TEdition edition : {TEdition::Ardex, TEdition::Kesto}) {
        const sim::TRecord record = sim::FactoryGatewayRecord(edition);
        for (const TField& field : shared) {
            EXPECT_EQ(Decode(record, field), field.Expected) << field.Name;
        }
    }
    // Multi operational mics is ticked by the defaults only in the Ardex edition.
    EXPECT_EQ(sim::FactoryGatewayRecord(TEdition::Ardex)[0] & 0x4000, 0x4000);
    EXPECT_EQ(sim::FactoryGatewayRecord(TEdition::Kesto)[0] & 0x4000, 0);
}

TEST(SimUnitStore, KeyTextTellsAbsentFromEmptyAndFormatsUpperCaseHex) {
    TSimUnit unit = TSimUnit::Bare(TUnitKind::Handset);
    unit.SetKey(0x1234, {});
    unit.SetKey(0x0100, {0x00ab, 0xFFFF, 0x0001});
    EXPECT_EQ(unit.KeyText(0x1234), "");
    EXPECT_EQ(unit.KeyText(0x0100), "00AB FFFF 0001");
    EXPECT_EQ(unit.KeyText(0x0999), "absent");
    unit.RemoveKey(devlink::PSKEY_UNIT_TYPE);
    EXPECT_EQ(unit.KeyText(devlink::PSKEY_UNIT_TYPE), "absent");
    EXPECT_EQ(unit.TypeWord(), 0);
}

TEST(SimParseNumber, DecimalOrHexWithinRange) {
    struct TCase {
        const char* Text;
        std::uint32_t Max;
        std::optional<std::uint32_t> Value;
    };
    const TCase cases[] = {
        {"0x02AB", 0xFFFF, 0x02AB},
        {"0XfFfF", 0xFFFF, 0xFFFF},
        {"10", 0xFFFF, 10},
        {"010", 0xFFFF, 10},
        {"0", 0xFFFF, 0},
        {"65536", 0xFFFF, std::nullopt},
        {"0x10000", 0xFFFF, std::nullopt},
        {"0x", 0xFFFF, std::nullopt},
        {"", 0xFFFF, std::nullopt},
        {"-1", 0xFFFF, std::nullopt},
        {"12a", 0xFFFF, std::nullopt},
        {"4294967295", 0xFFFFFFFF, 0xFFFFFFFF},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(sim::ParseNumber(c.Text, c.Max), c.Value) << '"' << c.Text << '"';
    }
}

}  // namespace
