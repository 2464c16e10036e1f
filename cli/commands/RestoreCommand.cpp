// `zenta restore BACKUP.wpx`: a unit's backup written back to a unit of the same kind,
// word for word, and read back.

#include <sstream>

#include "cli/commands/UnitText.h"
#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/LoadedFile.h"
#include "cli/host/UnitAccess.h"
#include "cli/host/UnitProgramming.h"
#include "files/UnitBackup.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta restore [--transport T] BACKUP.wpx\n"
    "Writes the record words a backup of zenta program --backup keeps back to the attached\n"
    "unit, exactly as they were read, on one connection as PROGRAM DEVICE does, then reads\n"
    "the record back and compares it word by word. The unit must be of the backup's kind;\n"
    "its restart question is answered No. --transport restores the unit on that transport\n"
    "(see zenta transports).\n"
    "Exit status: 0 restored, 2 bad usage, 3 the file cannot be read or holds no backup,\n"
    "4 no unit, 5 unit refused, 6 reading the unit failed, 7 write failed or read back\n"
    "other words. See docs/cli.md.\n";

}  // namespace

int RunRestoreCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("restore", kUsage);
    std::optional<std::string> transport;
    std::string path;
    line.Option("--transport", transport);
    line.Positional("BACKUP.wpx", path);
    return line.Run(args, context, [&] {
        const auto file = ReadSnapshot(path, "restore", context);
        if (!file) return kExitFileError;
        std::istringstream bytes(file->Bytes());
        std::string problem;
        const std::optional<files::TUnitBackup> backup = files::ReadBackupKeys(bytes, problem);
        const records::TUnitKind* kind =
            backup ? records::KindOfType(records::IdentityOf(backup->UnitType, backup->Version).Type) : nullptr;
        if (backup && (kind == nullptr || kind->RecordKey != backup->RecordKey))
            problem = "its backup is of no unit kind this programmer serves";
        if (!backup || kind == nullptr || kind->RecordKey != backup->RecordKey) {
            context.Err << "zenta restore: " << path << ": " << problem << '\n';
            return kExitFileError;
        }
        devlink::IChipLibrary* library = ReachUnitLibrary("restore", context);
        if (library == nullptr) return kExitNoUnit;
        TCommandSession session(*library, TPlatform{context.Clock, context.Sleeper, context.Err}, true);
        session.ChooseNamedTransport(transport);
        // The pages of the backup's kind are on show, so that a unit of the other kind is
        // refused as PROGRAM DEVICE refuses it.
        session.Form().MasterPageControl.SetActivePage(session.Form().*kind->Pages);
        const app::TDeviceResult result =
            session.ProgramDevice({.Words = backup->Words, .AfterWrite = ReadBackProblem}, false);
        if (result.Outcome == app::TDeviceOutcome::Succeeded) {
            const TUnitText unit = DescribeUnit(*result.Unit);
            context.Out << "restored " << unit.Kind << ' ' << unit.Version << ' ' << unit.Edition << " from " << path
                        << ", " << backup->Words.size() << " words, verified\n";
        }
        return FinishDeviceCommand("restore", result, result.Prompted, *library, context);
    });
}

}  // namespace cli
