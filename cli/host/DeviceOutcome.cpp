#include "cli/host/DeviceOutcome.h"

#include "records/UnitIdentity.h"

namespace cli {
namespace {

struct TKnownMessage {
    std::string Text;
    TOutcome Outcome;
};

// Every message with which the read and program workflows end, once the unit has been
// detected.
std::vector<TKnownMessage> WorkflowMessages() {
    std::vector<TKnownMessage> known{
        {records::kUnitTypeUnreadable, TOutcome::ReadFailed},
        {records::ForeignUnitMessage(records::kTavinHandsetType), TOutcome::Refused},
        {records::ForeignUnitMessage(0), TOutcome::Refused},
    };
    for (const records::TUnitKind* kind : {&records::kHandsetKind, &records::kGatewayKind}) {
        known.push_back({kind->ReadSuccess, TOutcome::Succeeded});
        known.push_back({kind->WriteSuccess, TOutcome::Succeeded});
        known.push_back({kind->ReadFailure, TOutcome::ReadFailed});
        known.push_back({kind->WriteFailure, TOutcome::WriteFailed});
        known.push_back({kind->ReadMismatch, TOutcome::Refused});
        known.push_back({kind->ProgramMismatch, TOutcome::Refused});
    }
    return known;
}

}  // namespace

// Detection is the only step that ends a click without one of the workflow's messages:
// with the window closed the chip was foreign, otherwise no unit answered.
TDeviceOutcome OutcomeOfClick(const std::vector<ui::TPromptWindow>& shown, bool windowClosed) {
    static const std::vector<TKnownMessage> known = WorkflowMessages();
    for (auto prompt = shown.rbegin(); prompt != shown.rend(); ++prompt)
        for (const TKnownMessage& message : known)
            if (prompt->Text == message.Text) return {message.Outcome, prompt->Text};
    const std::string last = shown.empty() ? std::string() : shown.back().Text;
    return {windowClosed ? TOutcome::Refused : TOutcome::NoUnit, last};
}

int ExitCodeOf(TOutcome outcome) {
    switch (outcome) {
    case TOutcome::Succeeded: return kExitOk;
    case TOutcome::NoUnit: return kExitNoUnit;
    case TOutcome::Refused: return kExitRefused;
    case TOutcome::ReadFailed: return kExitReadFailed;
    case TOutcome::WriteFailed:
    case TOutcome::VerifyFailed: return kExitWriteFailed;
    }
    return kExitUsage;
}

const char* OutcomeName(TOutcome outcome) {
    switch (outcome) {
    case TOutcome::Succeeded: return "ok";
    case TOutcome::NoUnit: return "no unit";
    case TOutcome::Refused: return "refused";
    case TOutcome::ReadFailed: return "read failed";
    case TOutcome::WriteFailed: return "write failed";
    case TOutcome::VerifyFailed: return "verify failed";
    }
    return "";
}

}  // namespace cli
