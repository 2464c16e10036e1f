#pragma once
// The transport a command is told to use, instead of the window's automatic choice of
// entry 0: an entry of the window's transport list, named or by index, or a USB device
// the list does not hold (a second USB unit answers as \\.\CSR1).

#include <optional>
#include <stdexcept>
#include <string>

#include "link/Transports.h"

namespace devlink {

// A transport name that names none: the message names the transports there are.
class TUnknownTransport : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A transport named on the command line, resolved against the window's transport list.
struct TChosenTransport {
    std::string Name;
    std::string TransportString;
    bool Usb;
};

// True for a USB device path \\.\CSR followed by digits. The window's own rule ("the
// name contains CSR0") would open \\.\CSR1 through the SPI call, which reaches nothing.
bool IsUsbDevicePath(const std::string& text);

// NAME is a port name from the list, its index ("0", "1", ...), or a USB device path
// the list does not hold (\\.\CSR1). Throws TUnknownTransport.
TChosenTransport ResolveTransport(const TTransportTable& transports, const std::string& spec);

// The transport an option names, resolved against the list the library gives now, before
// anything reaches a unit; empty without the option.
std::optional<TChosenTransport> ResolveTransportOption(IChipLibrary& library, const std::optional<std::string>& spec);

// Makes `chosen` the table's chosen entry, with its USB flag, as the window's timer tick
// makes entry 0 the chosen one. A transport the list does not hold takes the place after
// the last entry, or the last place when the list is full (only the chosen entry is ever
// opened).
void ApplyTransport(TTransportTable& table, const TChosenTransport& chosen);

// The transports there are, as "0 NAME, 1 NAME", for a message.
std::string ListedTransports(const TTransportTable& transports);

}  // namespace devlink
