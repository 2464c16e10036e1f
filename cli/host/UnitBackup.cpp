#include "cli/host/UnitBackup.h"

#include <cctype>
#include <cstdio>

#include "ui/LocalFiles.h"

namespace cli {
namespace {

constexpr const char* kProbeName = ".zenta-backup-probe";

std::string PlainName(const std::string& text) {
    std::string name;
    bool gap = false;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            gap = true;
            continue;
        }
        if (gap && !name.empty()) name.push_back('-');
        gap = false;
        name.push_back(c);
    }
    return name.empty() ? "adapter" : name;
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return ui::Utf8OfPath(ui::PathOfUtf8(folder) / ui::PathOfUtf8(name));
}

// A name no file has yet, so that a backup never replaces another.
std::string FreePath(const std::string& folder, const std::string& name) {
    const std::string stem = name.substr(0, name.size() - 4);
    std::string path = InFolder(folder, name);
    for (int copy = 2; ui::PathExists(path); ++copy) {
        std::string numbered = stem;
        numbered.append("-").append(std::to_string(copy)).append(".wpx");
        path = InFolder(folder, numbered);
    }
    return path;
}

}  // namespace

std::optional<std::string> BackupFolderProblem(const std::string& folder) {
    if (ui::PathExists(folder) && !ui::IsFolder(folder)) return "not a folder";
    if (!ui::CreateFolders(folder)) return "the folder cannot be created";
    const std::string probe = InFolder(folder, kProbeName);
    if (!ui::ReplaceFileContent(probe, "")) return "the folder takes no new file";
    ui::RemoveFile(probe);
    return std::nullopt;
}

std::string BackupFileName(const ui::TLocalTime& time, const std::string& adapter, const std::string& kind) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", time.Year, time.Month, time.Day, time.Hour,
                  time.Minute, time.Second);
    std::string name = stamp;
    name.append("-").append(PlainName(adapter)).append("-").append(kind).append(".wpx");
    return name;
}

TBackupResult BackUpUnit(devlink::IChipLibrary& library, const TPlatform& platform,
                         const std::optional<TChosenTransport>& transport, const std::string& folder) {
    TCommandSession session(library, platform, false);
    if (transport) session.ChooseTransport(*transport);
    const app::TDeviceResult read = session.ReadDevice();
    const TOutcome outcome = OutcomeOf(read.Outcome);
    if (outcome == TOutcome::NoUnit || outcome == TOutcome::Refused) return {outcome, read.Message, "", read.Unit};
    if (outcome != TOutcome::Succeeded) return {TOutcome::BackupFailed, read.Message, "", read.Unit};
    const char* kind = read.Kind == &records::kHandsetKind ? "handset" : "gateway";
    const std::string path =
        FreePath(folder, BackupFileName(platform.Clock.Now(), session.Form().Transports.ChosenPortName(), kind));
    if (const auto problem = session.SaveFile(path)) {
        std::string message = path;
        message.append(": ").append(*problem);
        return {TOutcome::BackupFailed, message, "", read.Unit};
    }
    return {TOutcome::Succeeded, "", path, read.Unit};
}

}  // namespace cli
