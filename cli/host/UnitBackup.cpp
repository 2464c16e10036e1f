#include "cli/host/UnitBackup.h"

#include <cctype>
#include <cstdio>
#include <sstream>

#include "cli/host/HeadlessEditor.h"
#include "cli/record/BenchIdentity.h"
#include "files/SettingsFile.h"
#include "files/UnitBackup.h"
#include "ui/LocalFiles.h"

namespace cli {
namespace {

constexpr const char* kProbeName = ".zenta-backup-probe";
// Enough for every unit of a run in the same second, on every bench of a site.
constexpr int kMostNumberedNames = 10000;

std::string PlainName(const std::string& text, const char* fallback) {
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
    return name.empty() ? fallback : name;
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return ui::Utf8OfPath(ui::PathOfUtf8(folder) / ui::PathOfUtf8(name));
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

std::string BackupFileName(const ui::TLocalTime& time, const std::string& bench, const std::string& adapter,
                           const std::string& kind) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", time.Year, time.Month, time.Day, time.Hour,
                  time.Minute, time.Second);
    std::string name = stamp;
    name.append("-").append(PlainName(bench, "bench")).append("-").append(PlainName(adapter, "adapter"));
    return name.append("-").append(kind).append(".wpx");
}

std::optional<std::string> BackupText(const records::TUnitIdentity& unit, const records::TUnitKind& kind,
                                      std::span<const std::uint16_t> record, std::string& problem) {
    if (record.size() < records::kRecordWords) {
        problem = "the unit's record read gave " + std::to_string(record.size()) + " words, not the " +
                  std::to_string(records::kRecordWords) + " of a whole record: no backup is taken of it";
        return std::nullopt;
    }
    THeadlessEditor shown;
    shown.ShowRecord(kind, unit, record);
    std::ostringstream text;
    text << files::SettingsFileText(shown.Editor());
    files::WriteBackupKeys({static_cast<std::uint16_t>(unit.Type | unit.Edition),
                            unit.Version,
                            kind.RecordKey,
                            {record.begin(), record.end()}},
                           text);
    return text.str();
}

TBackupResult CreateBackupFile(const std::string& folder, const std::string& name, const std::string& text) {
    const std::string stem = name.substr(0, name.size() - 4);
    for (int copy = 1; copy <= kMostNumberedNames; ++copy) {
        const std::string path = InFolder(folder, copy == 1 ? name : stem + "-" + std::to_string(copy) + ".wpx");
        switch (ui::CreateNewFile(path, text)) {
        case ui::TNewFile::Created: return {path, std::nullopt};
        case ui::TNewFile::Taken: continue;
        case ui::TNewFile::Failed: return {"", path + ": the backup cannot be written"};
        }
    }
    return {"", InFolder(folder, name) + ": every numbered name is taken"};
}

TBackupResult SaveBackup(const records::TUnitIdentity& unit, const records::TUnitKind& kind,
                         std::span<const std::uint16_t> record, const std::string& adapter, const TPlatform& platform,
                         const std::string& folder) {
    std::string problem;
    const std::optional<std::string> text = BackupText(unit, kind, record, problem);
    if (!text) return {"", problem};
    return CreateBackupFile(folder, BackupFileName(platform.Clock.Now(), ThisBench().Bench, adapter, kind.Name), *text);
}

}  // namespace cli
