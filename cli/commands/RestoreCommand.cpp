// `zenta restore BACKUP.wpx`: a unit's backup written back to a unit of the same kind,
// word for word, and read back.

#include <sstream>

#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/FileSnapshot.h"
#include "cli/host/UnitAccess.h"
#include "cli/host/UnitProgramming.h"
#include "files/UnitBackup.h"
#include "records/UnitText.h"

namespace cli {
namespace {

struct TRestoreOptions {
    std::optional<std::string> Transport;
    std::string Path;
};

int RunRestore(const TRestoreOptions& options, TCommandContext& context) {
    const std::string& path = options.Path;
    const auto file = ReadSnapshot(path, "restore", context);
    if (!file) return kExitFileError;
    std::istringstream bytes(file->Bytes());
    std::string problem;
    const std::optional<files::TUnitBackup> backup = files::ReadBackupKeys(bytes, problem);
    const records::TUnitKind* kind =
        backup ? records::KindOfType(records::IdentityOf(backup->UnitType, backup->Version).Type) : nullptr;
    if (backup && (kind == nullptr || kind->RecordKey != backup->RecordKey)) {
        problem = "its backup is of no unit kind this programmer serves";
        kind = nullptr;
    }
    if (kind == nullptr) {
        context.Err << "zenta restore: " << path << ": " << problem << '\n';
        return kExitFileError;
    }
    devlink::IChipLibrary* library = ReachUnitLibrary("restore", context);
    if (library == nullptr) return kExitNoUnit;
    TDeviceSession session(*library, TPlatform{context.Clock, context.Sleeper, context.Err}, true);
    session.ChooseNamedTransport(options.Transport);
    // The pages of the backup's kind are on show, so that a unit of the other kind is
    // refused as PROGRAM DEVICE refuses it.
    editor::TSettingsEditor& settings = session.Settings().Editor();
    settings.MasterPageControl.SetActivePage(settings.*kind->Pages);
    const app::TDeviceResult result =
        session.Program({.Words = backup->Words, .AfterWrite = ReadBackProblem, .Restart = false});
    if (result.Outcome == app::TDeviceOutcome::Succeeded) {
        const records::TUnitText unit = records::DescribeUnit(*result.Unit);
        context.Out << "restored " << unit.Kind << ' ' << unit.Version << ' ' << unit.Edition << " from " << path
                    << ", " << backup->Words.size() << " words, verified\n";
    }
    return FinishDeviceCommand("restore", result, result.Prompted, *library, context);
}

}  // namespace

void AddRestoreCommand(TCommandLine& line) {
    auto options = std::make_shared<TRestoreOptions>();
    CLI::App& restore = line.AddCommand(
        "restore", "a unit's backup written back word for word, and read back",
        "Writes the record words a backup of zenta program --backup keeps back to the attached unit, exactly as they "
        "were read, on one connection as PROGRAM DEVICE does, then reads the record back and compares it word by "
        "word. The unit must be of the backup's kind; it is not restarted.");
    AddTransportOption(restore, options->Transport);
    restore.add_option("BACKUP.wpx", options->Path, "a backup saved by zenta program --backup")->required();
    line.OnRun(restore, [options](TCommandContext& context) { return RunRestore(*options, context); });
}

}  // namespace cli
