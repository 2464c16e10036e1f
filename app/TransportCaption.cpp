#include "app/TransportCaption.h"

namespace app {

std::string CaptionWithTransport(const std::string& caption, const std::string& portName) {
    constexpr const char* kTransportText = ", Transport = ";
    // The caption before any transport holds no such text; a port name might.
    return caption.substr(0, caption.find(kTransportText)) + kTransportText + portName;
}

}  // namespace app
