#include "cli/production/WatchedLibrary.h"

#include <algorithm>

namespace cli {

template <typename TForward>
auto TWatchedLibrary::Watched(const char* name, TForward forward) {
    {
        const std::lock_guard lock(mutex_);
        underWay_ = TCall{name, TClock::now()};
    }
    const auto result = forward();
    const std::lock_guard lock(mutex_);
    underWay_.reset();
    return result;
}

std::int32_t TWatchedLibrary::EngineVersion(char* text) {
    return Watched("EngineVersion", [&] { return library_.EngineVersion(text); });
}

std::uint32_t TWatchedLibrary::EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                                   std::int32_t timeout, std::int32_t retryTimeout) {
    return Watched("EngineOpenTransport",
                   [&] { return library_.EngineOpenTransport(transport, devicePath, flags, timeout, retryTimeout); });
}

std::uint32_t TWatchedLibrary::EngineOpenSpi(const char* transport, std::int32_t flags) {
    return Watched("EngineOpenSpi", [&] { return library_.EngineOpenSpi(transport, flags); });
}

std::int32_t TWatchedLibrary::EngineClose(std::uint32_t handle) {
    return Watched("EngineClose", [&] { return library_.EngineClose(handle); });
}

std::int32_t TWatchedLibrary::EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                            std::uint16_t capacity, std::uint16_t* words, std::uint16_t* length) {
    const std::int32_t result =
        Watched("EngineReadKey", [&] { return library_.EngineReadKey(handle, key, store, capacity, words, length); });
    if (result == 1) {
        const std::lock_guard lock(mutex_);
        seen_[key].assign(words, words + std::min(*length, capacity));
    }
    return result;
}

std::int32_t TWatchedLibrary::EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                             std::uint16_t length, const std::uint16_t* words) {
    const TWritten before = Written();
    if (before != TWritten::Yes) SetWritten(TWritten::Unknown);
    const std::int32_t result =
        Watched("EngineWriteKey", [&] { return library_.EngineWriteKey(handle, key, store, length, words); });
    if (result == 1) {
        {
            const std::lock_guard lock(mutex_);
            seen_[key].assign(words, words + length);
        }
        SetWritten(TWritten::Yes);
    } else {
        SetWritten(before);
    }
    return result;
}

std::int32_t TWatchedLibrary::EngineRestart(std::uint32_t handle, std::int32_t flags) {
    return Watched("EngineRestart", [&] { return library_.EngineRestart(handle, flags); });
}

std::int32_t TWatchedLibrary::EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) {
    return Watched("EngineChipName", [&] { return library_.EngineChipName(handle, capacity, text); });
}

std::int32_t TWatchedLibrary::FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                                std::uint16_t* count) {
    return Watched("FlashListSpiPorts",
                   [&] { return library_.FlashListSpiPorts(capacity, portNames, transports, count); });
}

std::optional<TWatchedLibrary::TCall> TWatchedLibrary::CallUnderWay() const {
    const std::lock_guard lock(mutex_);
    return underWay_;
}

void TWatchedLibrary::BeginUnit() {
    const std::lock_guard lock(mutex_);
    written_ = TWritten::No;
    seen_.clear();
}

TWritten TWatchedLibrary::Written() const {
    const std::lock_guard lock(mutex_);
    return written_;
}

TKeyWords TWatchedLibrary::KeysSeen() const {
    const std::lock_guard lock(mutex_);
    return seen_;
}

void TWatchedLibrary::SetWritten(TWritten written) {
    {
        const std::lock_guard lock(mutex_);
        if (written_ == written) return;
        written_ = written;
    }
    if (OnWritten) OnWritten(written);
}

}  // namespace cli
