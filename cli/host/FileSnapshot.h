#pragma once
// A settings file as the commands see it. Read whole, once (TFileSnapshot): every later
// step of a command works from these bytes, so that what is loaded, checked and
// programmed is exactly what was read, even if the file changes meanwhile. Loaded
// (TLoadedFile) as LOAD FILE loads it, into a settings editor of its own with no window
// and no unit, with what that load found in the file.

#include <memory>
#include <optional>
#include <string>

#include "cli/framework/CommandContext.h"
#include "files/LoadReport.h"
#include "report/HeadlessEditor.h"

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

private:
    TFileSnapshot(std::string path, std::string bytes) : path_(std::move(path)), bytes_(std::move(bytes)) {}

    std::string path_;
    std::string bytes_;
};

class TLoadedFile {
public:
    explicit TLoadedFile(std::shared_ptr<const TFileSnapshot> file);

    const TFileSnapshot& File() const { return *file_; }
    const editor::TSettingsEditor& Editor() const { return loaded_.Editor(); }
    const files::TLoadReport& Report() const { return report_; }

private:
    std::shared_ptr<const TFileSnapshot> file_;
    report::THeadlessEditor loaded_;
    files::TLoadReport report_;
};

// The file read whole; on failure a one-line message "zenta COMMAND: cannot read ..." on
// the error stream and nullptr.
std::shared_ptr<const TFileSnapshot> ReadSnapshot(const std::string& path, const char* command,
                                                  TCommandContext& context);

// The file read and loaded; on failure the message of ReadSnapshot and nullptr.
std::unique_ptr<TLoadedFile> OpenSettingsFile(const std::string& path, const char* command, TCommandContext& context);

}  // namespace cli
