#pragma once
// The lines a production run and its workers speak, one message a line (see
// ProcessWorker.h for who says what). What a worker says:
//
//   present                  a unit answers on its adapter: may it be programmed?
//   written no|unknown|yes   the unit's record write: asked for (unknown), answered
//   entry JSON               the unit's production record entry (RecordLine)
//   done ok|failed LINE      the unit's result line
//   stuck TEXT               a library call does not return: the worker is to be ended
//   say TEXT                 a message for standard error
//
// What the run says:
//
//   settings HEX             first: the settings file's bytes as the run checked them
//   go N                     program the unit that answered as unit N
//
// and the end of the worker's input stops it.

#include <optional>
#include <string>
#include <string_view>

#include "cli/production/ProductionWorker.h"
#include "cli/record/ProductionRecord.h"

namespace cli {

// A worker's line as the run hears it; a line of no known kind is passed on as a message.
TWorkerReport ReportOf(std::string_view line);

std::string WrittenLine(TWritten written);
std::string EntryLine(const TRecordEntry& entry);
std::string DoneLine(bool succeeded, std::string_view unitLine);
std::string StuckLine(std::string_view why);
std::string SayLine(std::string_view text);

// A run's line as its worker hears it.
struct TRunLine {
    enum class TKind { Settings, Grant, Unknown };
    TKind Kind = TKind::Unknown;
    std::string Settings{};  // the bytes
    int Number = 0;          // of the unit granted
};
TRunLine RunLineOf(std::string_view line);

std::string SettingsLine(std::string_view bytes);
std::string GrantLine(int number);

}  // namespace cli
