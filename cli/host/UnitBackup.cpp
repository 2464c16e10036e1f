#include "cli/host/UnitBackup.h"

#include <cctype>
#include <cstdio>

#include "cli/host/UnitReplica.h"
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

TBackupResult SaveBackup(const records::TUnitIdentity& unit, const records::TUnitKind& kind,
                         std::span<const std::uint16_t> record, const std::string& adapter, const TPlatform& platform,
                         const std::string& folder) {
    TUnitReplica replica(unit, platform);
    replica.Hold(kind.RecordKey, record);
    const app::TDeviceResult read = replica.Session().ReadDevice();
    if (read.Outcome != app::TDeviceOutcome::Succeeded) return {"", read.Message};
    const std::string path = FreePath(folder, BackupFileName(platform.Clock.Now(), adapter, kind.Name));
    if (const auto problem = replica.Session().SaveFile(path)) return {"", path + ": " + *problem};
    return {path, std::nullopt};
}

}  // namespace cli
