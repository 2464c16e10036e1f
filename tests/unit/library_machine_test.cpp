// The chip library's processor, read from its PE header before Windows loads it, and the
// words an installer gets when it is of the other bitness.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "link/LibraryMachine.h"

namespace {

using devlink::kMachineArm64;
using devlink::kMachineI386;
using devlink::kMachineX64;

// A DOS stub whose e_lfanew points at `header`, with "PE\0\0" and the machine there.
std::string Image(std::uint32_t header, std::uint16_t machine, std::size_t size = 0x200) {
    std::string bytes(size, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    for (int i = 0; i < 4; ++i) bytes[0x3C + i] = static_cast<char>((header >> (8 * i)) & 0xFF);
    if (std::size_t{header} + 6 <= size) {
        bytes.replace(header, 4, std::string("PE\0\0", 4));
        bytes[header + 4] = static_cast<char>(machine & 0xFF);
        bytes[header + 5] = static_cast<char>(machine >> 8);
    }
    return bytes;
}

TEST(LibraryMachine, ReadsTheMachineOfAPeImageOnly) {
    std::string notMz = Image(0x80, kMachineI386);
    notMz[0] = 'Z';
    std::string notPe = Image(0x80, kMachineI386);
    notPe[0x81] = 'X';
    const struct {
        const char* Name;
        std::string Bytes;
        std::optional<std::uint16_t> Machine;
    } cases[] = {
        {"i386", Image(0x80, kMachineI386), kMachineI386},
        {"x64", Image(0xF8, kMachineX64), kMachineX64},
        {"arm64", Image(0x80, kMachineArm64), kMachineArm64},
        {"header ends the file", Image(0x1FA, kMachineX64), kMachineX64},
        {"not MZ", notMz, std::nullopt},
        {"no PE signature", notPe, std::nullopt},
        {"empty", "", std::nullopt},
        {"truncated before e_lfanew", Image(0x80, kMachineI386).substr(0, 0x3E), std::nullopt},
        {"truncated in the machine", Image(0x80, kMachineI386).substr(0, 0x85), std::nullopt},
        {"e_lfanew past the end", Image(0x400, kMachineI386), std::nullopt},
        {"e_lfanew wraps around", Image(0xFFFFFFFE, kMachineI386), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(devlink::PeMachine(c.Bytes), c.Machine);
    }
}

TEST(LibraryMachine, AMismatchNamesTheLibraryTheFolderItsBitnessAndTheBuildToUse) {
    EXPECT_EQ(devlink::MachineMismatch("TESTENGINE.DLL", "C:\\Bench\\", kMachineI386, kMachineI386, "zenta.exe"), "");
    EXPECT_EQ(devlink::MachineMismatch("TESTENGINE.DLL", "C:\\Łódź\\", kMachineX64, kMachineI386, "zenta.exe"),
              "TESTENGINE.DLL in the folder\nC:\\Łódź\\\nis a 64-bit library; this is the 32-bit zenta.exe, which "
              "can load 32-bit libraries only.\n\nUse the 64-bit zenta.exe from the x64 folder of the package with "
              "these libraries, or put the 32-bit chip libraries beside this program.\n\nThe program will end.");
    const std::string reverse =
        devlink::MachineMismatch("TESTFLASH.DLL", "D:\\x64\\", kMachineI386, kMachineX64, "ZENTAUserProgrammer.exe");
    EXPECT_NE(reverse.find("is a 32-bit library; this is the 64-bit ZENTAUserProgrammer.exe"), std::string::npos);
    EXPECT_NE(reverse.find("Use the 32-bit ZENTAUserProgrammer.exe from the top folder"), std::string::npos);
    const std::string arm = devlink::MachineMismatch("TESTFLASH.DLL", "D:\\", kMachineArm64, kMachineX64, "zenta.exe");
    EXPECT_NE(arm.find("is a library for 64-bit ARM processors"), std::string::npos);
    EXPECT_NE(arm.find("No build of zenta.exe can load it"), std::string::npos);
    EXPECT_NE(devlink::MachineMismatch("X.DLL", "D:\\", 0x01c4, kMachineI386, "zenta.exe").find("machine 0x01C4"),
              std::string::npos);
}

}  // namespace
