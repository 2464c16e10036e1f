#pragma once
// A simulated unit on the programming link: what kind of unit it is, its persistent
// store of PS keys, its chip name and how often it has been restarted. The simulated
// libraries (SimLibrary.h) answer the program's calls from it.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/UnitCodes.h"

namespace sim {

using TRecord = std::array<std::uint16_t, devlink::kRecordWords>;

inline constexpr std::uint16_t kDefaultVersionWord = 0x0205;
inline constexpr const char* kDefaultChipName = "CSR8670";

// What sits on the link. Handset and gateway are of the series this programmer serves;
// tavin is a unit of the newer series; unknown answers with a type nobody knows; none
// means nothing answers at all.
enum class TUnitKind { None, Handset, Gateway, Tavin, Unknown };

// The edition is the low byte of the unit-type word: 2 is Ardex, anything else Kesto.
enum class TEdition { Ardex, Kesto };

std::string_view KindName(TUnitKind kind);
std::optional<TUnitKind> ParseKind(std::string_view name);
std::string_view EditionName(TEdition edition);
std::optional<TEdition> ParseEdition(std::string_view name);
std::uint8_t EditionCode(TEdition edition);

// The unit-type word a kind reports: type code in the high byte, edition in the low byte.
// None reports nothing and gives 0.
std::uint16_t UnitTypeWord(TUnitKind kind, TEdition edition);

// The record the editor's defaults would write for a handset and a gateway.
TRecord FactoryHandsetRecord();
TRecord FactoryGatewayRecord(TEdition edition);

// A number written in decimal or, with 0x, in hexadecimal, within 0..max.
std::optional<std::uint32_t> ParseNumber(std::string_view text, std::uint32_t max);

// Words as 4-digit upper-case hex, blank-separated ("AB02 0205"); empty for no words.
std::string FormatWords(const std::vector<std::uint16_t>& words);
// One word or key id as 0x and 4 upper-case hex digits ("0x02AB").
std::string FormatWord(std::uint16_t word);

class TSimUnit {
public:
    using TStore = std::map<std::uint16_t, std::vector<std::uint16_t>>;

    // Nothing on the link.
    TSimUnit() = default;

    // A unit holding only its unit-type and version keys, no settings record: the form
    // the script driver's `unit` command puts on the link. Defaults: type word of the
    // kind in the Ardex edition, version 0x0205, chip "CSR8670". A unit of kind None
    // holds nothing whatever is given.
    static TSimUnit Bare(TUnitKind kind, std::optional<std::uint16_t> typeWord = std::nullopt,
                         std::optional<std::uint16_t> versionWord = std::nullopt,
                         std::optional<std::string> chipName = std::nullopt);

    // A unit as it leaves the factory: unit-type and version keys and, for a handset or
    // a gateway, the factory settings record of that edition.
    static TSimUnit Factory(TUnitKind kind, TEdition edition = TEdition::Ardex,
                            std::uint16_t versionWord = kDefaultVersionWord);

    TUnitKind Kind() const { return kind_; }
    void SetKind(TUnitKind kind) { kind_ = kind; }
    // False for None: nothing answers an open.
    bool Answers() const { return kind_ != TUnitKind::None; }

    const std::string& ChipName() const { return chipName_; }
    void SetChipName(std::string name) { chipName_ = std::move(name); }

    unsigned Restarts() const { return restarts_; }
    void SetRestarts(unsigned count) { restarts_ = count; }
    void Restart() { ++restarts_; }

    // The persistent store. A key that is not in the store does not exist on the unit:
    // reads of it fail. A key may exist with an empty value.
    const TStore& Store() const { return store_; }
    const std::vector<std::uint16_t>* Find(std::uint16_t key) const;
    void SetKey(std::uint16_t key, std::vector<std::uint16_t> words);
    void RemoveKey(std::uint16_t key) { store_.erase(key); }
    // The stored words as FormatWords gives them, or "absent".
    std::string KeyText(std::uint16_t key) const;

    // Word 0 of the unit-type and version keys, 0 when absent or empty.
    std::uint16_t TypeWord() const { return FirstWord(devlink::PSKEY_UNIT_TYPE); }
    std::uint16_t VersionWord() const { return FirstWord(devlink::PSKEY_SW_VERSION); }

private:
    std::uint16_t FirstWord(std::uint16_t key) const;

    TUnitKind kind_ = TUnitKind::None;
    std::string chipName_ = kDefaultChipName;
    unsigned restarts_ = 0;
    TStore store_;
};

}  // namespace sim
