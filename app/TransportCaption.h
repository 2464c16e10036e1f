#pragma once
// The window caption names the chosen transport at its end, after ", Transport = ".

#include <string>

namespace app {

// `caption` naming `portName` as the transport: appended the first time, in place of the
// transport named before every later time, so that the text is there once.
std::string CaptionWithTransport(const std::string& caption, const std::string& portName);

}  // namespace app
