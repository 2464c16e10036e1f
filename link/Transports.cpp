#include "link/Transports.h"

#include <vector>

namespace devlink {
namespace {

// The usable pieces of a comma-separated list: empty pieces dropped, pieces naming a
// parallel port skipped, blanks kept.
std::vector<std::string> UsablePieces(const std::string& list) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        if (comma == std::string::npos) comma = list.size();
        std::string piece = list.substr(start, comma - start);
        if (!piece.empty() && piece.find("LPT") == std::string::npos) pieces.push_back(std::move(piece));
        start = comma + 1;
    }
    return pieces;
}

// A listing buffer as text: up to its terminating zero, or its whole capacity.
std::string BufferText(const std::vector<char>& buffer) {
    std::size_t length = 0;
    while (length < buffer.size() && buffer[length] != '\0') ++length;
    return std::string(buffer.data(), length);
}

}  // namespace

void EnumerateTransports(IChipLibrary& library, TTransportTable& table) {
    table.Count = 0;
    std::uint16_t capacity = 256;
    std::uint16_t ports = 0;
    std::vector<char> names(capacity, '\0');
    std::vector<char> transports(capacity, '\0');
    std::int32_t result = library.FlashListSpiPorts(&capacity, names.data(), transports.data(), &ports);
    if (result != 0 && capacity != 0) {
        names.assign(capacity, '\0');
        transports.assign(capacity, '\0');
        result = library.FlashListSpiPorts(&capacity, names.data(), transports.data(), &ports);
    }
    constexpr std::size_t spiLimit = TTransportTable::kCapacity - 1;
    if (result == 0 && ports != 0) {
        std::size_t i = 0;
        for (const std::string& piece : UsablePieces(BufferText(names)))
            if (i < spiLimit) table.PortNames[i++] = piece.substr(0, TTransportTable::kTextLimit);
        i = 0;
        for (const std::string& piece : UsablePieces(BufferText(transports)))
            if (i < spiLimit) table.TransportStrings[i++] = piece.substr(0, TTransportTable::kTextLimit);
        table.Count = static_cast<int>(i);
    }
    const auto usb = static_cast<std::size_t>(table.Count);
    table.PortNames[usb] = kUsbDevice;
    table.TransportStrings[usb] = kUsbDevice;
    ++table.Count;
}

bool NamesUsbDevice(const std::string& portName) { return portName.find("CSR0") != std::string::npos; }

void ChooseTransport(TTransportTable& table, int index) {
    table.Chosen = index;
    table.Usb = NamesUsbDevice(table.ChosenPortName());
}

}  // namespace devlink
