#pragma once
// The process that owns a connection, so that a bench can close the connections of
// processes that ended without closing them (a killed worker). A process id means
// something only on the system that gave it: a state file shared between Windows
// programs under Wine and native ones holds ids of both, and each side judges only its
// own.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

struct TOwnerProcess {
    std::string System;  // "posix" or "windows"
    std::uint32_t Id = 0;

    bool operator==(const TOwnerProcess&) const = default;
};

TOwnerProcess CurrentProcess();

// False only for a process of this system that is certainly gone.
bool MayBeRunning(const TOwnerProcess& process);

// "posix:1234", and back.
std::string FormatOwner(const TOwnerProcess& process);
std::optional<TOwnerProcess> ParseOwner(std::string_view text);

}  // namespace sim
