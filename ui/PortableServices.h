#pragma once
// Platform services written over the file layer alone: the INI value reader and file
// delete and rename. The headless driver uses them on real files, the Windows program the
// delete and rename.

#include "ui/Services.h"

namespace ui {

// Reads INI files as Windows does: section and key names compare without regard to
// case, blanks around names and values are dropped, and a value in matching quotes
// loses its quotes.
class TIniFileReader : public IIniFile {
public:
    std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
};

class TLocalFileSystem : public IFileSystem {
public:
    bool DeleteFile(const std::string& path) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
};

}  // namespace ui
