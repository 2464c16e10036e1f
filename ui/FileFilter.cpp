#include "ui/FileFilter.h"

#include <vector>

namespace ui {

std::string DoubleNulFilter(const std::string& filter) {
    if (filter.empty()) return std::string(2, '\0');
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= filter.size()) {
        const std::size_t bar = filter.find('|', start);
        const std::size_t end = bar == std::string::npos ? filter.size() : bar;
        pieces.push_back(filter.substr(start, end - start));
        start = end + 1;
    }
    if (pieces.size() % 2 != 0) pieces.emplace_back();
    std::string result;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const bool pattern = i % 2 == 1;
        result += pattern && pieces[i].empty() ? kAllFilesPattern : pieces[i];
        result += '\0';
    }
    return result + '\0';
}

std::string BareExtension(const std::string& defaultExt) {
    std::size_t from = 0;
    while (from < defaultExt.size() && (defaultExt[from] == '*' || defaultExt[from] == '.')) ++from;
    return defaultExt.substr(from);
}

}  // namespace ui
