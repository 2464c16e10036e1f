#include "ui/LastLine.h"

#include <algorithm>
#include <string_view>

namespace ui {
namespace {

// A line of a few hundred bytes is the rule: the first look takes one page, and the
// look widens only for a longer line.
constexpr std::size_t kFirstLook = 4096;

bool Filled(std::string_view line) { return line.find_first_not_of(" \t\r") != std::string_view::npos; }

}  // namespace

std::string LastFilledLine(std::uint64_t size, std::size_t lookBack, const TWrittenWhole& whole,
                           const TReadAt& readAt) {
    std::size_t window = static_cast<std::size_t>(std::min<std::uint64_t>({size, kFirstLook, lookBack}));
    for (;;) {
        const std::uint64_t from = size - window;
        std::string tail;
        if (!readAt(from, window, tail)) return "";
        std::string_view rest(tail);
        const std::size_t lastFeed = rest.rfind('\n');
        if (lastFeed != std::string_view::npos || from == 0) {
            const std::string_view unended = lastFeed == std::string_view::npos ? rest : rest.substr(lastFeed + 1);
            if (Filled(unended) && whole(unended)) return std::string(unended);
        }
        rest = lastFeed == std::string_view::npos ? std::string_view() : rest.substr(0, lastFeed);
        while (lastFeed != std::string_view::npos) {
            const std::size_t feed = rest.rfind('\n');
            // A line that may begin before the window is looked at again in a wider one.
            if (feed == std::string_view::npos && from > 0) break;
            const std::string_view line = feed == std::string_view::npos ? rest : rest.substr(feed + 1);
            if (Filled(line)) return std::string(line);
            if (feed == std::string_view::npos) return "";
            rest = rest.substr(0, feed);
        }
        if (from == 0 || window >= lookBack) return "";
        window = static_cast<std::size_t>(std::min<std::uint64_t>({size, std::uint64_t{window} * 4, lookBack}));
    }
}

}  // namespace ui
