#pragma once
// The programming transports: the SPI ports the library lists (parallel-port adapters
// left out) and the USB device as the last entry; the first entry is the one chosen.

#include <array>
#include <string>

#include "link/ChipLibrary.h"

namespace devlink {

inline constexpr const char* kUsbDevice = "\\\\.\\CSR0";

struct TTransportTable {
    static constexpr std::size_t kCapacity = 12;
    static constexpr std::size_t kTextLimit = 255;
    std::array<std::string, kCapacity> PortNames;
    std::array<std::string, kCapacity> TransportStrings;
    int Count = 0;
    int Chosen = 0;
    bool Usb = false;  // selects the USB open call

    const std::string& ChosenPortName() const { return PortNames[static_cast<std::size_t>(Chosen)]; }
    const std::string& ChosenTransport() const { return TransportStrings[static_cast<std::size_t>(Chosen)]; }
};

// Fills the table from the library's SPI port listing, then adds the USB entry. Ports
// beyond the eleventh are dropped and texts cut at 255 characters, so the USB entry
// always has its place.
void EnumerateTransports(IChipLibrary& library, TTransportTable& table);

// Whether a port name is the USB device's: it contains "CSR0".
bool NamesUsbDevice(const std::string& portName);

// Makes entry `index` the chosen one, with the USB flag when its port name is the USB
// device's.
void ChooseTransport(TTransportTable& table, int index);

// The automatic choice: entry 0.
inline void ChooseTransport(TTransportTable& table) { ChooseTransport(table, 0); }

}  // namespace devlink
