#include "link/LibrarySearch.h"

#include <algorithm>
#include <cctype>

namespace devlink {
namespace {

// "C:\..." or a UNC "\\server\share\...": what names a folder without help from the
// current folder or the current drive.
bool IsAbsolute(std::string_view folder) {
    const bool drive = folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) && folder[1] == ':' &&
                       (folder[2] == '\\' || folder[2] == '/');
    const bool unc = folder.size() >= 3 && (folder[0] == '\\' || folder[0] == '/') && folder[1] == folder[0];
    return drive || unc;
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void Add(std::vector<std::string>& folders, const std::string& folder) {
    const std::string added = WithSeparator(folder);
    const std::string key = Lower(added);
    if (std::none_of(folders.begin(), folders.end(), [&](const std::string& f) { return Lower(f) == key; }))
        folders.push_back(added);
}

}  // namespace

std::vector<std::string> LibrarySearchFolders(const std::string& programFolder,
                                              const std::vector<std::string>& systemFolders, std::string_view path) {
    std::vector<std::string> folders;
    Add(folders, programFolder);
    for (const std::string& folder : systemFolders) Add(folders, folder);
    while (!path.empty()) {
        const std::size_t end = std::min(path.find(';'), path.size());
        std::string entry(path.substr(0, end));
        path.remove_prefix(std::min(end + 1, path.size()));
        entry.erase(std::remove(entry.begin(), entry.end(), '"'), entry.end());
        if (IsAbsolute(entry)) Add(folders, entry);
    }
    return folders;
}

std::string MissingLibrary(const std::string& library, const std::vector<std::string>& folders,
                           const std::string& program) {
    std::string text = "The chip library " + library + " could not be found. It was looked for in these folders:\n";
    for (const std::string& folder : folders) text += "\n" + folder;
    return text + "\n\nPut the chip maker's TESTENGINE.DLL and TESTFLASH.DLL beside " + program +
           ", or in a folder on PATH. The current folder is not searched.\n\nThe program will end.";
}

}  // namespace devlink
