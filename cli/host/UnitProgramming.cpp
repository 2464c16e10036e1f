#include "cli/host/UnitProgramming.h"

#include <cstdio>

#include "records/Identification.h"

namespace cli {
namespace {

// As a user switches to the tab of the unit on the link. A unit of neither kind leaves
// the tab as it is, and PROGRAM DEVICE refuses it with the message of that tab's kind.
void ShowPagesOfKind(app::TMajorForm& form, std::uint16_t type) {
    if (type == records::kHandsetType) form.MasterPageControl.UserSwitch(form.HandsetTabSheet);
    if (type == records::kGatewayType) form.MasterPageControl.UserSwitch(form.CradleTabSheet);
}

std::string Hex(std::uint16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(word));
    return text;
}

// The record PROGRAM DEVICE wrote is the window's record buffer of the kind on show.
TDeviceOutcome Verify(TCommandSession& session) {
    const app::TMajorForm& form = session.Form();
    const records::TUnitKind& kind = records::KindOnShow(form);
    const records::TRecordWords written =
        &kind == &records::kHandsetKind ? records::ToWords(form.HSRecord) : records::ToWords(form.GWRecord);
    const auto read = session.ReadKeyWords(kind.RecordKey);
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
    const TIdentification found = session.IdentifyUnit();
    if (found.Outcome != TOutcome::Succeeded) return {found.Outcome, found.Message, true, std::nullopt};
    ShowPagesOfKind(session.Form(), found.Unit.Type);
    const TDeviceOutcome programmed = session.ProgramDevice(options.Restart && !options.Verify);
    if (programmed.Outcome != TOutcome::Succeeded || !options.Verify)
        return {programmed.Outcome, programmed.Message, true, found.Unit};
    const TDeviceOutcome verified = Verify(session);
    if (verified.Outcome != TOutcome::Succeeded) return {verified.Outcome, verified.Message, false, found.Unit};
    if (options.Restart) session.RestartDevice();
    return {TOutcome::Succeeded, "", false, found.Unit};
}

}  // namespace cli
