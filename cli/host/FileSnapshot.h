#pragma once
// A settings file read whole, once: every later step of a command works from these
// bytes, and LOAD FILE opens a private copy of them, so that what the window loads is
// exactly what was read and checked, even if the file changes meanwhile.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/FileKeys.h"
#include "files/SettingsLines.h"
#include "ui/ScratchFolder.h"

namespace cli {

class TFileSnapshot {
public:
    // Empty, with the reason in `error`, when the file cannot be read to its end.
    static std::optional<TFileSnapshot> Read(const std::string& path, std::string& error);
    // Bytes read and checked elsewhere (by a production run for its worker), under the
    // name they were read from.
    static TFileSnapshot OfBytes(std::string path, std::string bytes);

    const std::string& Path() const { return path_; }  // as the command was given it
    const std::string& Bytes() const { return bytes_; }
    // The copy for LOAD FILE to open.
    const std::string& CopyPath() const { return copy_; }

    // The lines as the loader takes them.
    std::vector<files::TSettingsLine> Lines() const;
    // The number the file gives the key last, as the loader reads it, before any fixed
    // value replaces it; empty when no line gives the key.
    std::optional<std::int32_t> LastValue(const files::TFileKey& key) const;

private:
    TFileSnapshot(std::string path, std::string bytes);

    std::string path_;
    std::string bytes_;
    std::unique_ptr<ui::TScratchFolder> folder_;
    std::string copy_;
};

// The key a line gives, or nullptr for a line that gives none of the table.
const files::TFileKey* KeyOfLine(const files::TSettingsLine& line);

}  // namespace cli
