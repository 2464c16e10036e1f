#pragma once
// The local date and time of a production record's entry, with its offset from UTC, so
// that entries written across a change of daylight saving time still order.

#include <ctime>
#include <string>

namespace cli {

// "2024-03-31T02:59:58+01:00" for the broken-down local and UTC times of one moment.
std::string Iso8601Local(const std::tm& local, const std::tm& utc);

// Now, on this machine's clock and time zone.
std::string LocalTimestampNow();

}  // namespace cli
