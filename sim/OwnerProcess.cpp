#include "sim/OwnerProcess.h"

#include "sim/SimUnit.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace sim {

namespace {

#ifdef _WIN32
constexpr const char* kThisSystem = "windows";
#else
constexpr const char* kThisSystem = "posix";
#endif

}  // namespace

TOwnerProcess CurrentProcess() {
#ifdef _WIN32
    return {kThisSystem, static_cast<std::uint32_t>(GetCurrentProcessId())};
#else
    return {kThisSystem, static_cast<std::uint32_t>(::getpid())};
#endif
}

bool MayBeRunning(const TOwnerProcess& process) {
    if (process.System != kThisSystem || process.Id == 0) return true;
#ifdef _WIN32
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process.Id);
    // An id no process has any more; a process we may not look at is running.
    if (handle == nullptr) return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool ended = GetExitCodeProcess(handle, &code) && code != STILL_ACTIVE;
    CloseHandle(handle);
    return !ended;
#else
    // Signal 0 checks only that the process exists; EPERM: it does, under another user.
    return ::kill(static_cast<pid_t>(process.Id), 0) == 0 || errno != ESRCH;
#endif
}

std::string FormatOwner(const TOwnerProcess& process) { return process.System + ":" + std::to_string(process.Id); }

std::optional<TOwnerProcess> ParseOwner(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view system = text.substr(0, colon);
    if (system != "posix" && system != "windows") return std::nullopt;
    const auto id = ParseNumber(text.substr(colon + 1), 0xFFFFFFFF);
    if (!id) return std::nullopt;
    return TOwnerProcess{std::string(system), *id};
}

}  // namespace sim
