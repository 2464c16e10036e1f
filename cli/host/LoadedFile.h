#pragma once
// A settings file as the commands on files see it: read once, loaded as LOAD FILE loads
// it into a settings editor of its own, with no window and no unit, and what that load
// found in the file.

#include <memory>
#include <string>

#include "cli/framework/CommandContext.h"
#include "cli/host/FileSnapshot.h"
#include "cli/host/HeadlessEditor.h"
#include "files/LoadReport.h"

namespace cli {

class TLoadedFile {
public:
    explicit TLoadedFile(std::shared_ptr<const TFileSnapshot> file);

    const TFileSnapshot& File() const { return *file_; }
    const editor::TSettingsEditor& Editor() const { return loaded_.Editor(); }
    const files::TLoadReport& Report() const { return report_; }

private:
    std::shared_ptr<const TFileSnapshot> file_;
    THeadlessEditor loaded_;
    files::TLoadReport report_;
};

// The file read whole; on failure a one-line message "zenta COMMAND: cannot read ..." on
// the error stream and nullptr.
std::shared_ptr<const TFileSnapshot> ReadSnapshot(const std::string& path, const char* command,
                                                  TCommandContext& context);

// The file read and loaded; on failure the message of ReadSnapshot and nullptr.
std::unique_ptr<TLoadedFile> OpenSettingsFile(const std::string& path, const char* command, TCommandContext& context);

}  // namespace cli
