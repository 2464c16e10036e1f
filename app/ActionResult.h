#pragma once
// What a user action of the window did, told as values, so that whoever drives the
// window (the command line, the tests) learns the outcome without reading the prompts.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/UnitKind.h"

namespace app {

enum class TDeviceOutcome {
    Succeeded,
    NoUnit,       // nothing answered on the link
    ForeignChip,  // a unit answered with another chip; the program ends
    Refused,      // a unit this programmer does not serve, or not of the kind on show
    ReadFailed,   // the unit-type key or the record key could not be read
    WriteFailed,  // the record could not be written
    // Only when asked for by the driver of the window (TProgramRequest):
    VerifyFailed,  // the record read back after the write is not the one written
    BackupFailed,  // the unit's record could not be read and kept before the write
};

// Why a unit was refused.
enum class TRefusal {
    None,
    NewerSeries,  // a unit of the newer series, served by another programmer
    UnknownUnit,  // a unit type nobody knows
    OtherKind,    // a served unit, but not of the kind whose pages are on show
};

// READ DEVICE, PROGRAM DEVICE, RESTART DEVICE and the chip check.
struct TDeviceResult {
    TDeviceOutcome Outcome = TDeviceOutcome::NoUnit;
    TRefusal Refusal = TRefusal::None;
    // Once the unit-type key was read; empty when it could not be (ReadFailed).
    std::optional<records::TUnitIdentity> Unit{};
    // The kind whose record the action read or wrote; null when it got no further.
    const records::TUnitKind* Kind = nullptr;
    // READ DEVICE: the words the record read returned. PROGRAM DEVICE: the record sent.
    std::vector<std::uint16_t> Words{};
    // What told the outcome; empty when nothing did.
    std::string Message{};
    // Whether a prompt showed the message; the steps a driver asks for show none.
    bool Prompted = false;
};

// A step a driver of the window asked an action to take ended the action: how, and why
// in a few words.
struct TStepProblem {
    TDeviceOutcome Outcome;
    std::string Message;
};

enum class TFileOutcome {
    Succeeded,
    Cancelled,  // the dialog was cancelled
    NotOpened,  // LOAD FILE could not open the chosen file
    NotSaved,   // SAVE FILE or the sheet's save could not write the chosen file
};

// SAVE FILE, LOAD FILE and the configuration sheet's save.
struct TFileResult {
    TFileOutcome Outcome = TFileOutcome::Cancelled;
    std::string Path{};     // the path the dialog gave; empty when it was cancelled
    std::string Message{};  // the plain message shown; empty when none was
};

}  // namespace app
