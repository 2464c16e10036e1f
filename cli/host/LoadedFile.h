#pragma once
// A settings file loaded into the window by LOAD FILE, with no unit on the link: the
// commands on files read what the window shows from its controls.

#include <memory>
#include <string>

#include "cli/framework/CommandContext.h"
#include "cli/host/CommandSession.h"
#include "cli/host/FileSnapshot.h"
#include "sim/SimBench.h"
#include "sim/SimLibrary.h"

namespace cli {

class TLoadedFile {
public:
    TLoadedFile(std::shared_ptr<const TFileSnapshot> file, TCommandContext& context);

    const TFileSnapshot& File() const { return *file_; }
    const app::TMajorForm& Form() const { return session_.Form(); }
    // The window's message when it could not open the file.
    const std::optional<std::string>& Problem() const { return problem_; }

private:
    std::shared_ptr<const TFileSnapshot> file_;
    sim::TSimBench bench_ = sim::TSimBench::Empty();
    sim::TSimLibrary library_{bench_};
    TCommandSession session_;
    std::optional<std::string> problem_;
};

// The file read whole; on failure a one-line message "zenta COMMAND: cannot read ..." on
// the error stream and nullptr.
std::shared_ptr<const TFileSnapshot> ReadSnapshot(const std::string& path, const char* command,
                                                  TCommandContext& context);

// The file read and loaded; on failure a one-line message "zenta COMMAND: ..." on the
// error stream and nullptr.
std::unique_ptr<TLoadedFile> LoadSettingsFile(const std::string& path, const char* command, TCommandContext& context);

}  // namespace cli
