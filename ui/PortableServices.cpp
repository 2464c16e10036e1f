#include "ui/PortableServices.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

#include "ui/LocalFiles.h"

namespace ui {
namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string TIniFileReader::ReadString(const std::string& path, const std::string& section, const std::string& key,
                                       const std::string& fallback) {
    const std::optional<std::string> content = ReadWholeFile(path);
    if (!content) return fallback;
    std::istringstream in(*content);
    bool inSection = false;
    std::string line;
    while (std::getline(in, line)) {
        const std::string text = Trim(line);
        if (text.empty() || text.front() == ';') continue;
        if (text.front() == '[') {
            const auto close = text.find(']');
            inSection = close != std::string::npos && SameName(Trim(text.substr(1, close - 1)), section);
            continue;
        }
        const auto eq = text.find('=');
        if (!inSection || eq == std::string::npos || !SameName(Trim(text.substr(0, eq)), key)) continue;
        std::string value = Trim(text.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return fallback;
}

bool TLocalFileSystem::DeleteFile(const std::string& path) { return RemoveFile(path); }

bool TLocalFileSystem::RenameFile(const std::string& from, const std::string& to) { return ui::RenameFile(from, to); }

}  // namespace ui
