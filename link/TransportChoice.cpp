#include "link/TransportChoice.h"

#include <algorithm>
#include <string_view>

namespace devlink {
namespace {

constexpr std::string_view kUsbPrefix = "\\\\.\\CSR";

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An entry of the list: USB by the window's rule, or by being a USB device path.
TChosenTransport Entry(const TTransportTable& transports, std::size_t index) {
    const std::string& name = transports.PortNames[index];
    const std::string& transport = transports.TransportStrings[index];
    return {name, transport, NamesUsbDevice(name) || IsUsbDevicePath(transport)};
}

}  // namespace

bool IsUsbDevicePath(const std::string& text) {
    return text.size() > kUsbPrefix.size() && text.compare(0, kUsbPrefix.size(), kUsbPrefix) == 0 &&
           AllDigits(std::string_view(text).substr(kUsbPrefix.size()));
}

std::optional<TChosenTransport> ResolveTransportOption(IChipLibrary& library, const std::optional<std::string>& spec) {
    if (!spec) return std::nullopt;
    TTransportTable transports;
    EnumerateTransports(library, transports);
    return ResolveTransport(transports, *spec);
}

void ApplyTransport(TTransportTable& table, const TChosenTransport& chosen) {
    std::size_t index = 0;
    const auto count = static_cast<std::size_t>(table.Count);
    while (index < count &&
           (table.PortNames[index] != chosen.Name || table.TransportStrings[index] != chosen.TransportString))
        ++index;
    if (index == count) {
        index = std::min(count, TTransportTable::kCapacity - 1);
        table.PortNames[index] = chosen.Name;
        table.TransportStrings[index] = chosen.TransportString;
        table.Count = static_cast<int>(index + 1);
    }
    table.Chosen = static_cast<int>(index);
    table.Usb = chosen.Usb;
}

std::string ListedTransports(const TTransportTable& transports) {
    std::string listed;
    for (std::size_t i = 0; i < static_cast<std::size_t>(transports.Count); ++i) {
        if (!listed.empty()) listed.append(", ");
        listed.append(std::to_string(i)).append(" ").append(transports.PortNames[i]);
    }
    return listed;
}

TChosenTransport ResolveTransport(const TTransportTable& transports, const std::string& spec) {
    const auto count = static_cast<std::size_t>(transports.Count);
    if (AllDigits(spec)) {
        // More digits than any index has are no index either.
        if (spec.size() <= 2 && std::stoul(spec) < count) return Entry(transports, std::stoul(spec));
    } else {
        for (std::size_t i = 0; i < count; ++i)
            if (transports.PortNames[i] == spec) return Entry(transports, i);
        for (std::size_t i = 0; i < count; ++i)
            if (transports.TransportStrings[i] == spec) return Entry(transports, i);
        if (IsUsbDevicePath(spec)) return {spec, spec, true};
    }
    std::string message = "unknown transport ";
    message.append(spec).append("; the transports are: ").append(ListedTransports(transports));
    throw TUnknownTransport(message);
}

}  // namespace devlink
