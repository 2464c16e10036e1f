#include "cli/host/LoadedFile.h"

namespace cli {

// The window's prompts during a load (the Find-Me warning, a key-press map error) are
// kept quiet: what the file leads to is the commands' own report.
TLoadedFile::TLoadedFile(std::shared_ptr<const TFileSnapshot> file, TCommandContext& context)
    : file_(std::move(file)),
      session_(library_, TPlatform{context.Clock, context.Sleeper, context.Err}, false),
      problem_(session_.LoadFile(file_->CopyPath())) {}

std::shared_ptr<const TFileSnapshot> ReadSnapshot(const std::string& path, const char* command,
                                                  TCommandContext& context) {
    std::string error;
    std::optional<TFileSnapshot> file = TFileSnapshot::Read(path, error);
    if (!file) {
        context.Err << "zenta " << command << ": cannot read " << path << ": " << error << '\n';
        return nullptr;
    }
    return std::make_shared<const TFileSnapshot>(std::move(*file));
}

std::unique_ptr<TLoadedFile> LoadSettingsFile(const std::string& path, const char* command, TCommandContext& context) {
    std::string error;
    const auto file = ReadSnapshot(path, command, context);
    if (!file) return nullptr;
    auto loaded = std::make_unique<TLoadedFile>(file, context);
    if (loaded->Problem()) {
        context.Err << "zenta " << command << ": " << path << ": " << *loaded->Problem() << '\n';
        return nullptr;
    }
    return loaded;
}

}  // namespace cli
