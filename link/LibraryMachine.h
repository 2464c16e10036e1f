#pragma once
// Which processor a Windows library is built for, read from its PE header before it is
// loaded: a 32-bit program cannot load a 64-bit DLL, nor the reverse, and Windows' own
// word for that ("%1 is not a valid Win32 application") tells an installer nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace devlink {

inline constexpr std::uint16_t kMachineI386 = 0x014c;
inline constexpr std::uint16_t kMachineX64 = 0x8664;
inline constexpr std::uint16_t kMachineArm64 = 0xAA64;

// IMAGE_FILE_HEADER.Machine of a PE image: "MZ", the offset of the PE header at 0x3C,
// "PE\0\0" there, then the machine. Nothing when the bytes are no PE image.
std::optional<std::uint16_t> PeMachine(std::string_view bytes);

// What to tell an installer when the program, built for `programMachine`, finds the
// library `library` in `folder` built for `libraryMachine`; empty when the two agree.
// `program` is the executable's file name, e.g. "zenta.exe".
std::string MachineMismatch(const std::string& library, const std::string& folder, std::uint16_t libraryMachine,
                            std::uint16_t programMachine, const std::string& program);

}  // namespace devlink
