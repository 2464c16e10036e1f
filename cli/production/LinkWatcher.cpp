#include "cli/production/LinkWatcher.h"

#include <algorithm>
#include <array>

namespace cli {
namespace {

// As many words as the window asks for in a record read.
constexpr std::uint16_t kKeyCapacity = 36;

}  // namespace

TLinkWatcher::TLinkWatcher(devlink::IChipLibrary& library, ui::ISleep& sleeper,
                           const std::optional<devlink::TChosenTransport>& chosen)
    : library_(library), connection_(library, transports_, sleeper) {
    devlink::EnumerateTransports(library, transports_);
    devlink::ChooseTransport(transports_);
    if (chosen) devlink::ApplyTransport(transports_, *chosen);
}

std::optional<std::string> TLinkWatcher::FindUnit() {
    if (connection_.OpenConnection() == 0) return std::nullopt;
    std::string chip = connection_.ChipName();
    connection_.CloseConnection();
    return chip;
}

// Each key is read once, without the retries of a unit's programming: a unit taken away
// in the middle of the look would make each read wait them out, and the next look asks
// again anyway.
TLinkLook TLinkWatcher::LookAgain(const TUnitMark& mark) {
    if (connection_.OpenConnection() == 0) return {};
    TLinkLook look{TLinkLook::TWhat::SameUnit, connection_.ChipName()};
    // No name is what a unit taken away at that moment gives.
    if (!look.Chip.empty() && look.Chip != mark.Chip) look.What = TLinkLook::TWhat::OtherUnit;
    for (auto key = mark.Keys.begin(); key != mark.Keys.end() && look.What == TLinkLook::TWhat::SameUnit; ++key) {
        std::array<std::uint16_t, kKeyCapacity> words{};
        std::uint16_t length = 0;
        if (library_.EngineReadKey(connection_.Handle(), key->first, devlink::kPsStore, kKeyCapacity, words.data(),
                                   &length) != 1)
            break;
        length = std::min(length, kKeyCapacity);
        // Words told otherwise tell another unit; a length told otherwise may be the
        // library's slip, and alone tells nothing.
        const std::size_t common = std::min<std::size_t>(length, key->second.size());
        if (!std::equal(words.begin(), words.begin() + common, key->second.begin()))
            look.What = TLinkLook::TWhat::OtherUnit;
    }
    connection_.CloseConnection();
    return look;
}

}  // namespace cli
