#include "link/LibraryMachine.h"

namespace devlink {
namespace {

constexpr std::size_t kNewHeaderOffset = 0x3C;

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::string Bitness(std::uint16_t machine) { return machine == kMachineX64 ? "64-bit" : "32-bit"; }

std::string LibraryKind(std::uint16_t machine) {
    if (machine == kMachineI386 || machine == kMachineX64) return "a " + Bitness(machine) + " library";
    if (machine == kMachineArm64) return "a library for 64-bit ARM processors";
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string code = "0x";
    for (int shift = 12; shift >= 0; shift -= 4) code += kDigits[(machine >> shift) & 0xF];
    return "a library for an unknown processor (machine " + code + ")";
}

// The package keeps the 32-bit programs at its top and the 64-bit pair in its x64 folder.
std::string Where(std::uint16_t machine) {
    return machine == kMachineX64 ? "from the x64 folder of the package" : "from the top folder of the package";
}

}  // namespace

std::optional<std::uint16_t> PeMachine(std::string_view bytes) {
    if (bytes.size() < kNewHeaderOffset + 4 || bytes.substr(0, 2) != "MZ") return std::nullopt;
    const std::uint32_t header = LittleEndian(bytes, kNewHeaderOffset, 4);
    if (header > bytes.size() || bytes.size() - header < 6) return std::nullopt;
    if (bytes.substr(header, 4) != std::string_view("PE\0\0", 4)) return std::nullopt;
    return static_cast<std::uint16_t>(LittleEndian(bytes, header + 4, 2));
}

std::string MachineMismatch(const std::string& library, const std::string& folder, std::uint16_t libraryMachine,
                            std::uint16_t programMachine, const std::string& program) {
    if (libraryMachine == programMachine) return {};
    std::string text = library + " in the folder\n" + folder + "\nis " + LibraryKind(libraryMachine) +
                       "; this is the " + Bitness(programMachine) + " " + program + ", which can load " +
                       Bitness(programMachine) + " libraries only.\n\n";
    if (libraryMachine == kMachineI386 || libraryMachine == kMachineX64)
        text += "Use the " + Bitness(libraryMachine) + " " + program + " " + Where(libraryMachine) +
                " with these libraries, or put the " + Bitness(programMachine) + " chip libraries beside this program.";
    else
        text += "No build of " + program + " can load it: put the chip maker's 32-bit libraries beside the 32-bit " +
                program + ".";
    return text + "\n\nThe program will end.";
}

}  // namespace devlink
