// Save Configuration Sheet: the sheet an installer hands over with a unit, made from the
// settings the window holds, with neither a unit nor a file behind them.

#include <cstdio>

#include "app/UserActions.h"
#include "report/ConfigurationSheet.h"
#include "ui/LocalFiles.h"

namespace app {
namespace {

constexpr const char* kSheetNotSaved = "The configuration sheet could not be saved";
constexpr const char* kSheetNotOpened = "The configuration sheet could not be opened";

// "gateway-2026-12-09.html", in the folder of the `previous` path when it names one.
std::string SuggestedName(const std::string& previous, const records::TUnitKind& kind, const ui::TLocalTime& day) {
    char name[64];
    std::snprintf(name, sizeof name, "%s-%04d-%02d-%02d.html", kind.Name, day.Year, day.Month, day.Day);
    const std::size_t cut = previous.find_last_of("/\\");
    return (cut == std::string::npos ? std::string() : previous.substr(0, cut + 1)) + name;
}

}  // namespace

// The clock is read once, so that the name suggested and the sheet tell the same day.
TFileResult SaveConfigurationSheet(TSheetContext& context) {
    TFileContext& file = context.File;
    const records::TUnitKind& kind = records::KindOnShow(file.Editor);
    const ui::TLocalTime now = context.Clock.Now();
    file.Dialog.FileName = SuggestedName(file.Dialog.FileName, kind, now);
    if (!file.Dialogs.Execute(file.Dialog)) return {};

    const std::string& path = file.Dialog.FileName;
    const report::TSheetUnit unit{&kind, std::nullopt};
    const report::TSheetFacts facts{report::TSheetSource::Window, "the window",           now,
                                    context.Bench.Bench,          context.Bench.Operator, context.ProgramVersion};
    if (!ui::ReplaceFileContent(path, report::ConfigurationSheet(file.Editor, {&unit, 1}, facts))) {
        file.Messages.Show(kSheetNotSaved, file.Title);
        return {.Outcome = TFileOutcome::NotSaved, .Path = path, .Message = kSheetNotSaved};
    }
    const int answer = context.Prompter.ShowPrompt(
        "The configuration sheet is saved as\n\n'" + path + "'\n\nOpen it to read or print it?", "NOTE",
        ui::mtInformation, ui::ButtonSet({ui::bkYes, ui::bkNo}), 1);
    if (answer == ui::mrYes && !context.Shell.OpenDocument(path)) {
        file.Messages.Show(kSheetNotOpened, file.Title);
        return {.Outcome = TFileOutcome::Succeeded, .Path = path, .Message = kSheetNotOpened};
    }
    return {.Outcome = TFileOutcome::Succeeded, .Path = path};
}

}  // namespace app
