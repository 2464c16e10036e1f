#include "sim/SimUnit.h"

#include "link/HexText.h"

namespace sim {

namespace {

constexpr std::uint16_t kUnknownType = 0x5A00;  // a code no programmer knows

// Factory settings records: what the editor's DEFAULTS write for each unit kind, word by
// word. Bit layouts are those of hs_xsettings_t and gw_xsettings_t.
//
// Handset (key 0x02AB):
//   word 0  flags 0xA700: bit 15 talk-around PTT beep, bit 13 emergency beep, bit 10 mute
//           speaker on charge, bit 9 LED charge indicate, bit 8 auto turn on when charging;
//           everything else (radio PTT beep, stealth, mute on PTT, fixed alert volume,
//           audible emergency tone, Hirose pin 2 = "Speaker -ve", handsfree, minimum
//           volume off) clear
//   word 1  auto turn-off timer 8 h          word 8  remote PTT gain boost 9
//   word 2  low battery beep 3500 mV         word 9  alert tone volume 5
//   word 3  low battery interval 5 min       word 10 audio link active time 0 s
//   word 4  internal mic gain 0              word 11 transmit time 0 s
//   word 5  internal mic high gain boost 6   word 12 receive time 0 s
//   word 6  external mic gain 9              word 13 emergency repeat cycles 1
//   word 7  external mic high gain boost 6   word 14 long press duration 1000 ms
//   key words (press-and-hold << 11 | short << 6 | long), codes 0 disabled, 1 on/off,
//   2 radio PTT, 3 talk-around PTT, 4 volume up, 5 volume down, 6 emergency:
//   word 15 PTT     hold radio PTT        2 << 11 = 0x1000
//   word 16 Top 1   hold emergency        6 << 11 = 0x3000
//   word 17 Top 2   hold talk-around PTT  3 << 11 = 0x1800
//   word 18 Left 1  short volume up       4 << 6  = 0x0100
//   word 19 Left 2  short volume down     5 << 6  = 0x0140
//   word 20 Right 1 long on/off           1       = 0x0001
//   word 21 audio integrity 200 per second
//   word 22 Acc PTT hold radio PTT        2 << 11 = 0x1000
//   words 23, 24 reserved 0
// The Kesto edition changes nothing here: its rule forces transmit time 0, receive time
// 0 and repeat cycles 1, which are the defaults anyway.
constexpr TRecord kFactoryHandset = {
    0xA700, 0x0008, 0x0DAC, 0x0005, 0x0000, 0x0006, 0x0009, 0x0006, 0x0009, 0x0005, 0x0000, 0x0000, 0x0000,
    0x0001, 0x03E8, 0x1000, 0x3000, 0x1800, 0x0100, 0x0140, 0x0001, 0x00C8, 0x1000, 0x0000, 0x0000,
};

// Gateway (key 0x02AA), Ardex edition:
//   word 0  flags 0x6000: bit 14 multi operational mics, bit 13 radio receive VOX COR;
//           emergency alert tone (15), public address (12) and find-me (11) clear
//   word 1  talk-around output gain 9
//   word 2  receive input gain 3 (signed 8-bit in the low byte)
//   word 3  transmit output gain 0
//   word 4  VOX trigger level 70
//   line words: bit 15 direction (1 output), bit 14 active level (input: 1 high;
//   output: inverted, 1 low), bits 13-0 function code; each followed by its pulse word:
//   words 5, 6   Radio PTT       output low,  radio PTT (1)         0xC001, 0
//   words 7, 8   Radio Emergency output low,  emergency (2)         0xC002, 0
//   words 9, 10  Radio COR       input low,   radio COR (1)         0x0001, 0
//   words 11, 12 Function 1      input low,   remote PTT (2)        0x0002, 0
//   words 13, 14 Function 2      input low,   find me (3)           0x0003, 0
//   words 15, 16 Function 3      output low,  aux 1 (4)             0xC004, 500 ms
//   words 17, 18 Function 4      output low,  aux 2 (5)             0xC005, 500 ms
//   words 19, 20 Function 5      output high, handsfree active (8)  0x8008, 0
//   words 21, 22 Function 6      output high, handset in cradle (6) 0x8006, 0
//   words 23, 24 reserved 0
constexpr TRecord kFactoryGatewayArdex = {
    0x6000, 0x0009, 0x0003, 0x0000, 0x0046, 0xC001, 0x0000, 0xC002, 0x0000, 0x0001, 0x0000, 0x0002, 0x0000,
    0x0003, 0x0000, 0xC004, 0x01F4, 0xC005, 0x01F4, 0x8008, 0x0000, 0x8006, 0x0000, 0x0000, 0x0000,
};

// The Kesto edition unticks multi operational mics (bit 14); emergency alert tone and
// public address, which it also clears, are clear by default.
constexpr std::uint16_t kKestoGatewayFlags = 0x2000;

}  // namespace

std::string_view KindName(TUnitKind kind) {
    switch (kind) {
    case TUnitKind::Handset: return "handset";
    case TUnitKind::Gateway: return "gateway";
    case TUnitKind::Tavin: return "tavin";
    case TUnitKind::Unknown: return "unknown";
    case TUnitKind::None: break;
    }
    return "none";
}

std::optional<TUnitKind> ParseKind(std::string_view name) {
    for (TUnitKind kind :
         {TUnitKind::None, TUnitKind::Handset, TUnitKind::Gateway, TUnitKind::Tavin, TUnitKind::Unknown}) {
        if (KindName(kind) == name) return kind;
    }
    return std::nullopt;
}

std::string_view EditionName(TEdition edition) { return edition == TEdition::Ardex ? "ardex" : "kesto"; }

std::optional<TEdition> ParseEdition(std::string_view name) {
    if (name == "ardex") return TEdition::Ardex;
    if (name == "kesto") return TEdition::Kesto;
    return std::nullopt;
}

std::uint8_t EditionCode(TEdition edition) { return edition == TEdition::Ardex ? devlink::kArdexEdition : 1; }

std::uint16_t UnitTypeWord(TUnitKind kind, TEdition edition) {
    std::uint16_t type = 0;
    switch (kind) {
    case TUnitKind::Handset: type = devlink::kHandsetType; break;
    case TUnitKind::Gateway: type = devlink::kGatewayType; break;
    case TUnitKind::Tavin: type = devlink::kTavinHandsetType; break;
    case TUnitKind::Unknown: type = kUnknownType; break;
    case TUnitKind::None: return 0;
    }
    return static_cast<std::uint16_t>(type | EditionCode(edition));
}

TRecord FactoryHandsetRecord() { return kFactoryHandset; }

TRecord FactoryGatewayRecord(TEdition edition) {
    TRecord record = kFactoryGatewayArdex;
    if (edition == TEdition::Kesto) record[0] = kKestoGatewayFlags;
    return record;
}

std::optional<std::uint32_t> ParseNumber(std::string_view text, std::uint32_t max) {
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > max) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::string FormatWords(const std::vector<std::uint16_t>& words) {
    std::string text;
    for (std::uint16_t word : words) text.append(text.empty() ? "" : " ").append(devlink::HexDigits(word, 4));
    return text;
}

std::string FormatWord(std::uint16_t word) { return "0x" + devlink::HexDigits(word, 4); }

TSimUnit TSimUnit::Bare(TUnitKind kind, std::optional<std::uint16_t> typeWord, std::optional<std::uint16_t> versionWord,
                        std::optional<std::string> chipName) {
    TSimUnit unit;
    unit.kind_ = kind;
    if (chipName) unit.chipName_ = *chipName;
    if (kind == TUnitKind::None) return unit;
    unit.SetKey(devlink::PSKEY_UNIT_TYPE, {typeWord.value_or(UnitTypeWord(kind, TEdition::Ardex))});
    unit.SetKey(devlink::PSKEY_SW_VERSION, {versionWord.value_or(kDefaultVersionWord)});
    return unit;
}

TSimUnit TSimUnit::Factory(TUnitKind kind, TEdition edition, std::uint16_t versionWord) {
    TSimUnit unit = Bare(kind, UnitTypeWord(kind, edition), versionWord);
    if (kind == TUnitKind::Handset) {
        const TRecord record = FactoryHandsetRecord();
        unit.SetKey(devlink::PSKEY_HS_XSETTINGS, {record.begin(), record.end()});
    } else if (kind == TUnitKind::Gateway) {
        const TRecord record = FactoryGatewayRecord(edition);
        unit.SetKey(devlink::PSKEY_GW_XSETTINGS, {record.begin(), record.end()});
    }
    return unit;
}

const std::vector<std::uint16_t>* TSimUnit::Find(std::uint16_t key) const {
    const auto found = store_.find(key);
    return found == store_.end() ? nullptr : &found->second;
}

void TSimUnit::SetKey(std::uint16_t key, std::vector<std::uint16_t> words) { store_[key] = std::move(words); }

std::string TSimUnit::KeyText(std::uint16_t key) const {
    const auto* words = Find(key);
    return words ? FormatWords(*words) : "absent";
}

std::uint16_t TSimUnit::FirstWord(std::uint16_t key) const {
    const auto* words = Find(key);
    return words && !words->empty() ? words->front() : 0;
}

}  // namespace sim
