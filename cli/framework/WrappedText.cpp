#include "cli/framework/WrappedText.h"

namespace cli {

std::string WrappedText(std::string_view text, std::string_view first, std::string_view indent) {
    constexpr std::size_t kColumns = 88;
    std::string wrapped(first);
    std::size_t lineStart = 0;
    bool lineEmpty = true;
    while (!text.empty()) {
        const std::size_t gap = text.find(' ');
        const std::string_view word = text.substr(0, gap);
        text.remove_prefix(gap == std::string_view::npos ? text.size() : gap + 1);
        if (word.empty()) continue;
        if (!lineEmpty && wrapped.size() - lineStart + 1 + word.size() > kColumns) {
            wrapped.append("\n");
            lineStart = wrapped.size();
            wrapped.append(indent);
            lineEmpty = true;
        }
        if (!lineEmpty) wrapped.append(" ");
        wrapped.append(word);
        lineEmpty = false;
    }
    return wrapped;
}

}  // namespace cli
