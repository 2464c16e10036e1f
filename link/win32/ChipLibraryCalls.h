#pragma once
// The chip maker's calls as TESTENGINE.DLL and TESTFLASH.DLL export them: stdcall, with
// the argument widths the libraries expect. The binding calls through these types and the
// simulated libraries are checked against them, so both sides of every call agree on what
// is pushed and on how many bytes the library pops on return (on 32-bit Windows every
// argument takes a 4-byte stack slot, the 16-bit ones included).

#include <cstdint>

namespace devlink::win32 {

using TEngineVersion = std::int32_t(__stdcall*)(char* text);
using TEngineOpenTransport = std::uint32_t(__stdcall*)(std::int32_t transport, const char* devicePath,
                                                       std::int32_t flags, std::int32_t timeout,
                                                       std::int32_t retryTimeout);
using TEngineOpenSpi = std::uint32_t(__stdcall*)(const char* transport, std::int32_t flags);
using TEngineClose = std::int32_t(__stdcall*)(std::uint32_t handle);
using TEngineReadKey = std::int32_t(__stdcall*)(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                                std::uint16_t capacity, std::uint16_t* words, std::uint16_t* length);
using TEngineWriteKey = std::int32_t(__stdcall*)(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                                 std::uint16_t length, const std::uint16_t* words);
using TEngineRestart = std::int32_t(__stdcall*)(std::uint32_t handle, std::int32_t flags);
using TEngineChipName = std::int32_t(__stdcall*)(std::uint32_t handle, std::int32_t capacity, char* text);
using TFlashListSpiPorts = std::int32_t(__stdcall*)(std::uint16_t* capacity, char* portNames, char* transports,
                                                    std::uint16_t* count);

}  // namespace devlink::win32
