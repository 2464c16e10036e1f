#include "cli/record/LocalTimestamp.h"

#include <cstdio>
#include <cstdlib>

namespace cli {
namespace {

// Days since 1970-01-01 of a civil date (Howard Hinnant's days_from_civil).
long long DaysOfDate(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<long long>(era) * 146097 + dayOfEra - 719468;
}

long long MinutesOf(const std::tm& time) {
    return (DaysOfDate(time.tm_year + 1900, time.tm_mon + 1, time.tm_mday) * 24 + time.tm_hour) * 60 + time.tm_min;
}

}  // namespace

// The offset is the difference of the two broken-down times: msvcrt's strftime gives the
// zone's name for %z, not its offset.
std::string Iso8601Local(const std::tm& local, const std::tm& utc) {
    const long long offset = MinutesOf(local) - MinutesOf(utc);
    const long long magnitude = std::llabs(offset);
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02lld:%02lld", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, offset < 0 ? '-' : '+',
                  magnitude / 60, magnitude % 60);
    return text;
}

std::string LocalTimestampNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    std::tm utc{};
#ifdef _WIN32
    localtime_s(&local, &now);
    gmtime_s(&utc, &now);
#else
    localtime_r(&now, &local);
    gmtime_r(&now, &utc);
#endif
    return Iso8601Local(local, utc);
}

}  // namespace cli
