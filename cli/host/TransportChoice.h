#pragma once
// The transport a command is told to use, instead of the window's automatic choice of
// entry 0: an entry of the window's transport list, named or by index, or a USB device
// the list does not hold (a second USB unit answers as \\.\CSR1).

#include <string>

#include "link/Transports.h"

namespace cli {

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
// the list does not hold (\\.\CSR1). Throws TUsageError naming the transports there are.
TChosenTransport ResolveTransport(const devlink::TTransportTable& transports, const std::string& spec);

// The transports there are, as "0 NAME, 1 NAME", for a message.
std::string ListedTransports(const devlink::TTransportTable& transports);

}  // namespace cli
