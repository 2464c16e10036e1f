#pragma once
// Where the chip libraries are looked for, in the order Windows' loader looks for a library
// that a program names without a folder: the program's own folder, then Windows' system
// folders, then the folders on PATH. The current folder is never among them: a library
// that happens to lie in whatever folder the program was started from (a download folder,
// a network share) must not be loaded in place of the chip maker's.

#include <string>
#include <string_view>
#include <vector>

namespace devlink {

// The folders, each ending in a backslash, duplicates (compared without regard to case)
// left out after their first place. `systemFolders` are Windows' own, in the loader's
// order; `path` is the PATH variable: entries split at ';', quotes removed, and entries
// that are not absolute (".", "bin", "\tools") left out, since they would be taken from
// the current folder or the current drive.
std::vector<std::string> LibrarySearchFolders(const std::string& programFolder,
                                              const std::vector<std::string>& systemFolders, std::string_view path);

// What to tell an installer when `library` lies in none of `folders`. `program` is the
// executable's file name, e.g. "zenta.exe".
std::string MissingLibrary(const std::string& library, const std::vector<std::string>& folders,
                           const std::string& program);

}  // namespace devlink
