#include "link/Connection.h"

#include <algorithm>
#include <array>

namespace devlink {
namespace {

// The USB open call's transport number and its three further arguments.
constexpr std::int32_t kUsbTransport = 2;
constexpr std::int32_t kUsbFlags = 0;
constexpr std::int32_t kUsbTimeout = 1000;
constexpr std::int32_t kUsbRetryTimeout = 1000;

constexpr std::int32_t kLibrarySuccess = 1;
constexpr std::size_t kChipNameBuffer = 256;

}  // namespace

std::uint32_t TConnection::OpenConnection() {
    const std::string& transport = transports_.ChosenTransport();
    handle_ = transports_.Usb ? library_.EngineOpenTransport(kUsbTransport, transport.c_str(), kUsbFlags, kUsbTimeout,
                                                             kUsbRetryTimeout)
                              : library_.EngineOpenSpi(transport.c_str(), 0);
    return handle_;
}

template <typename TAttempt>
int TConnection::WithRetries(TAttempt attempt) {
    for (int n = 1; n <= kPsAttempts; ++n) {
        if (attempt() == kLibrarySuccess) return 1;
        sleeper_.Sleep(static_cast<unsigned>(n) * kRetryStepMs);
    }
    return 0;
}

int TConnection::ReadPSKey(std::uint16_t key, std::uint16_t* words, std::uint16_t& length, std::uint16_t capacity) {
    const int result =
        WithRetries([&] { return library_.EngineReadKey(handle_, key, kPsStore, capacity, words, &length); });
    length = std::min(length, capacity);
    return result;
}

int TConnection::WritePSKey(std::uint16_t key, const std::uint16_t* words, std::uint16_t length) {
    return WithRetries([&] { return library_.EngineWriteKey(handle_, key, kPsStore, length, words); });
}

// A close that fails is made once more at once: a connection the library still holds
// would keep the adapter from the next action, and a library that has let the handle go
// only refuses the second close.
std::int32_t TConnection::CloseConnection() {
    if (handle_ == 0) return 0;
    std::int32_t result = library_.EngineClose(handle_);
    if (result != kLibrarySuccess) result = library_.EngineClose(handle_);
    handle_ = 0;
    return result;
}

// The buffer's last byte stays 0, so a library that fills it to the end still gives a
// terminated name.
std::string TConnection::ChipName() {
    std::array<char, kChipNameBuffer> name{};
    library_.EngineChipName(handle_, static_cast<std::int32_t>(name.size()), name.data());
    name.back() = '\0';
    return name.data();
}

void TConnection::Restart() { library_.EngineRestart(handle_, 0); }

}  // namespace devlink
