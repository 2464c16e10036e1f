// `zenta report`: the configuration sheet of a settings file or of the attached unit, as
// an HTML file to print or hand over.

#include <vector>

#include "app/MajorForm.h"
#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/DeviceSession.h"
#include "cli/host/LoadedFile.h"
#include "cli/host/UnitAccess.h"
#include "cli/record/BenchIdentity.h"
#include "files/ShownSettings.h"
#include "report/ConfigurationSheet.h"
#include "ui/LocalFiles.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta report --output SHEET.html FILE.wpx\n"
    "       zenta report --output SHEET.html --unit [--transport T]\n"
    "Writes the configuration sheet of the settings file, or of the attached unit read as\n"
    "READ DEVICE reads it (nothing is written to the unit), as one HTML file to print on\n"
    "A4 or Letter or to hand over: who made it where and when, from which file or adapter,\n"
    "then for each unit kind the file gives (the unit's own kind) every setting beside its\n"
    "factory default, the handset's button map or the gateway's wiring to the radio, and\n"
    "the SHA-256 of the record the settings give a unit. --transport reads the unit on that\n"
    "transport (see zenta transports).\n"
    "Exit status: 0 written, 2 bad usage, 3 the file cannot be read or the sheet cannot be\n"
    "written, 4 no unit, 5 unit refused, 6 reading the unit failed. See docs/cli.md.\n";

// The unit kinds whose settings the file gives at least one of, in the window's order.
std::vector<report::TSheetUnit> KindsGiven(const TLoadedFile& file) {
    std::vector<report::TSheetUnit> units;
    for (const records::TUnitKind* kind : {&records::kHandsetKind, &records::kGatewayKind})
        for (const auto& [key, given] : file.Report().Given)
            if (key->Kind() != files::TKeyKind::Reserved &&
                files::ShowSetting(file.Editor(), *key).PageSet == kind->Pages) {
                units.push_back({kind, std::nullopt});
                break;
            }
    return units;
}

report::TSheetFacts Facts(bool fromUnit, const std::string& source, TCommandContext& context) {
    const TBenchIdentity bench = ThisBench();
    return {fromUnit, source, context.Clock.Now(), bench.Bench, bench.Operator, app::kProgramVersion};
}

int Write(const std::string& output, const std::string& sheet, TCommandContext& context) {
    if (!ui::ReplaceFileContent(output, sheet)) {
        context.Err << "zenta report: " << output << ": the sheet could not be written\n";
        return kExitFileError;
    }
    context.Out << "sheet saved to " << output << '\n';
    return kExitOk;
}

int FileSheet(const std::string& path, const std::string& output, TCommandContext& context) {
    const auto file = OpenSettingsFile(path, "report", context);
    if (!file) return kExitFileError;
    const std::vector<report::TSheetUnit> units = KindsGiven(*file);
    if (units.empty()) {
        context.Err << "zenta report: " << path << ": no setting of a handset or a gateway\n";
        return kExitFileError;
    }
    return Write(output, report::ConfigurationSheet(file->Editor(), units, Facts(false, path, context)), context);
}

int UnitSheet(const std::optional<std::string>& transport, const std::string& output, TCommandContext& context) {
    devlink::IChipLibrary* library = ReachUnitLibrary("report", context);
    if (library == nullptr) return kExitNoUnit;
    TDeviceSession session(*library, TPlatform{context.Clock, context.Sleeper, context.Err}, true);
    session.ChooseNamedTransport(transport);
    const app::TDeviceResult read = session.Read();
    if (read.Outcome != app::TDeviceOutcome::Succeeded)
        return FinishDeviceCommand("report", read, read.Prompted, *library, context);
    const report::TSheetUnit unit{read.Kind, read.Unit};
    const std::string adapter = session.Transports().ChosenPortName();
    return Write(output, report::ConfigurationSheet(session.Editor(), {&unit, 1}, Facts(true, adapter, context)),
                 context);
}

}  // namespace

int RunReportCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("report", kUsage);
    bool unit = false;
    std::optional<std::string> transport;
    std::optional<std::string> output;
    std::vector<std::string> files;
    line.Flag("--unit", unit);
    line.Option("--transport", transport);
    line.Option("--output", output);
    line.Options("FILE.wpx", files);
    return line.Run(args, context, [&] {
        if (!output) throw TUsageError("--output SHEET.html is required");
        if (unit == !files.empty()) throw TUsageError("give a settings file or --unit, not both");
        if (transport && !unit) throw TUsageError("--transport belongs to --unit");
        return unit ? UnitSheet(transport, *output, context) : FileSheet(files.front(), *output, context);
    });
}

}  // namespace cli
