// `zenta report`: the configuration sheet of a settings file or of the attached unit, or
// the certificate of a unit a production run programmed, as an HTML file to print or
// hand over.

#include <vector>

#include "app/MajorForm.h"
#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/DeviceSession.h"
#include "cli/host/FileSnapshot.h"
#include "cli/host/UnitAccess.h"
#include "cli/record/UnitCertificate.h"
#include "files/ShownSettings.h"
#include "report/ConfigurationSheet.h"
#include "ui/BenchIdentity.h"
#include "ui/LocalFiles.h"

namespace cli {
namespace {

struct TReportOptions {
    std::string Output;
    std::optional<std::string> File;
    bool Unit = false;
    std::optional<std::string> Transport;
    TCertificateRequest Certificate;
};

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

report::TSheetFacts Facts(report::TSheetSource from, const std::string& source, TCommandContext& context) {
    const ui::TBenchIdentity bench = ui::ThisBench();
    return {from, source, context.Clock.Now(), bench.Bench, bench.Operator, app::kProgramVersion};
}

int Write(const std::string& output, const std::string& sheet, TCommandContext& context, const char* what = "sheet") {
    if (!ui::ReplaceFileContent(output, sheet)) {
        context.Err << "zenta report: " << output << ": the " << what << " could not be written\n";
        return kExitFileError;
    }
    context.Out << what << " saved to " << output << '\n';
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
    return Write(
        output,
        report::ConfigurationSheet(file->Editor(), units, Facts(report::TSheetSource::SettingsFile, path, context)),
        context);
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
    return Write(
        output,
        report::ConfigurationSheet(session.Editor(), {&unit, 1}, Facts(report::TSheetSource::Unit, adapter, context)),
        context);
}

// The certificate is written also when it tells of a doubt, which it shows.
int CertificateFile(const TCertificateRequest& request, const std::string& output, TCommandContext& context) {
    const std::optional<TCertificate> certificate =
        UnitCertificate(request, Facts(report::TSheetSource::SettingsFile, "", context), context);
    if (!certificate) return kExitFileError;
    if (const int written = Write(output, certificate->Html, context, "certificate"); written != kExitOk)
        return written;
    for (const std::string& finding : certificate->Findings) context.Err << "zenta report: " << finding << '\n';
    return certificate->Findings.empty() ? kExitOk : kExitFindings;
}

}  // namespace

void AddReportCommand(TCommandLine& line) {
    auto options = std::make_shared<TReportOptions>();
    CLI::App& report = line.AddCommand(
        "report",
        "the configuration sheet of a settings file or of the attached unit, or a unit's certificate, in HTML",
        "Writes the configuration sheet of the settings file, or of the attached unit read as READ DEVICE reads it "
        "(nothing is written to the unit), as one HTML file to print on A4 or Letter or to hand over: who made it "
        "where and when, from which file or adapter, then for each unit kind the file gives (the unit's own kind) "
        "every setting beside its factory default, the handset's button map or the gateway's wiring to the radio, "
        "and the SHA-256 of the record the settings give a unit. With --record and --entry it writes the certificate "
        "of the unit a production run recorded there: the facts of its programming, whether the job file (--file, "
        "else the file the entry names) still has the SHA-256 recorded, and then the sheet of the settings it gave "
        "the unit, whose record the words read back from the unit must be.");
    report.add_option("--output", options->Output, "the sheet or certificate to write")
        ->type_name("SHEET.html")
        ->required();
    // A sheet of a settings file or of the unit, or a unit's certificate: exactly one.
    CLI::Option_group& source = *report.add_option_group("source", "a settings file, --unit, or --record");
    CLI::Option* file = source.add_option("FILE.wpx", options->File, "the settings file");
    CLI::Option* unit = source.add_flag("--unit", options->Unit, "the attached unit's sheet instead of a file's");
    CLI::Option* record = source
                              .add_option("--record", options->Certificate.Record,
                                          "the production record that holds the unit's entry, for its certificate")
                              ->type_name("RECORD");
    source.require_option(1);
    AddTransportOption(report, options->Transport)->needs(unit);
    CLI::Option* entry = report
                             .add_option("--entry", options->Certificate.Entry,
                                         "the unit's entry in the record, counted from 1 as zenta log counts units")
                             ->type_name("N")
                             ->check(CLI::PositiveNumber);
    record->needs(entry);
    entry->needs(record)->excludes(file)->excludes(unit);
    report.add_option("--file", options->Certificate.JobFile, "the job file, in place of the one the entry names")
        ->type_name("JOB.wpx")
        ->needs(record);
    line.OnRun(report, [options](TCommandContext& context) {
        if (options->Unit) return UnitSheet(options->Transport, options->Output, context);
        if (options->File) return FileSheet(*options->File, options->Output, context);
        return CertificateFile(options->Certificate, options->Output, context);
    });
}

}  // namespace cli
