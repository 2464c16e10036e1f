#include "cli/host/UnitProgramming.h"

#include <cstdio>

#include "app/UnitIdentification.h"

namespace cli {
namespace {

// As a user switches to the tab of the unit on the link. A unit of neither kind leaves
// the tab as it is, and PROGRAM DEVICE refuses it with the message of that tab's kind.
void ShowPagesOfUnit(app::TMajorForm& form, const records::TUnitIdentity& unit) {
    if (ui::TTabSheet* pages = app::PagesOfUnit(form, unit)) form.MasterPageControl.UserSwitch(*pages);
}

std::string Hex(std::uint16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(word));
    return text;
}

struct TCheck {
    TOutcome Outcome;
    std::string Message;
};

TCheck Verify(TCommandSession& session, const app::TDeviceResult& programmed) {
    const std::vector<std::uint16_t>& written = programmed.Words;
    const auto read = session.ReadKeyWords(programmed.Kind->RecordKey);
    if (!read) return {TOutcome::ReadFailed, "The record could not be read back from the unit."};
    if (read->size() != written.size())
        return {TOutcome::VerifyFailed, "The record read back has " + std::to_string(read->size()) + " words, not " +
                                            std::to_string(written.size()) + "."};
    std::string differences;
    for (std::size_t word = 0; word < written.size(); ++word)
        if ((*read)[word] != written[word])
            differences += " word " + std::to_string(word) + " written " + Hex(written[word]) + " read " +
                           Hex((*read)[word]) + ";";
    if (differences.empty()) return {TOutcome::Succeeded, ""};
    differences.pop_back();
    return {TOutcome::VerifyFailed, "The record read back differs:" + differences + "."};
}

}  // namespace

TUnitResult ProgramUnit(TCommandSession& session, const TProgramOptions& options) {
    const app::TDeviceResult found = session.IdentifyUnit();
    if (found.Outcome != app::TDeviceOutcome::Succeeded)
        return {OutcomeOf(found.Outcome), found.Message, true, found.Unit};
    ShowPagesOfUnit(session.Form(), *found.Unit);
    const app::TDeviceResult programmed = session.ProgramDevice(options.Restart && !options.Verify);
    if (programmed.Outcome != app::TDeviceOutcome::Succeeded || !options.Verify)
        return {OutcomeOf(programmed.Outcome), programmed.Message, true, found.Unit};
    const TCheck verified = Verify(session, programmed);
    if (verified.Outcome != TOutcome::Succeeded) return {verified.Outcome, verified.Message, false, found.Unit};
    if (options.Restart) session.RestartDevice();
    return {TOutcome::Succeeded, "", false, found.Unit};
}

}  // namespace cli
