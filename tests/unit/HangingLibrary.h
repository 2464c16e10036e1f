#pragma once
// A chip library with a driver that hangs: from its `nth` call of one kind on, a call does
// not return until the test lets it, as a library stuck in its driver would not.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>

#include "link/ChipLibrary.h"

namespace cli_test {

class THangingLibrary final : public devlink::IChipLibrary {
public:
    THangingLibrary(devlink::IChipLibrary& library, std::string call, int nth)
        : library_(library), call_(std::move(call)), nth_(nth) {}

    // Told, on the hanging thread, when the first call hangs.
    std::function<void()> OnHang;
    // Every call hanging and to come returns.
    void Release() {
        const std::lock_guard lock(mutex_);
        released_ = true;
        releasedCall_.notify_all();
    }

    std::int32_t EngineVersion(char* text) override {
        Hang("EngineVersion");
        return library_.EngineVersion(text);
    }
    std::uint32_t EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                      std::int32_t timeout, std::int32_t retryTimeout) override {
        Hang("EngineOpenTransport");
        return library_.EngineOpenTransport(transport, devicePath, flags, timeout, retryTimeout);
    }
    std::uint32_t EngineOpenSpi(const char* transport, std::int32_t flags) override {
        Hang("EngineOpenSpi");
        return library_.EngineOpenSpi(transport, flags);
    }
    std::int32_t EngineClose(std::uint32_t handle) override {
        Hang("EngineClose");
        return library_.EngineClose(handle);
    }
    std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t capacity,
                               std::uint16_t* words, std::uint16_t* length) override {
        Hang("EngineReadKey");
        return library_.EngineReadKey(handle, key, store, capacity, words, length);
    }
    std::int32_t EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t length,
                                const std::uint16_t* words) override {
        Hang("EngineWriteKey");
        return library_.EngineWriteKey(handle, key, store, length, words);
    }
    std::int32_t EngineRestart(std::uint32_t handle, std::int32_t flags) override {
        Hang("EngineRestart");
        return library_.EngineRestart(handle, flags);
    }
    std::int32_t EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) override {
        Hang("EngineChipName");
        return library_.EngineChipName(handle, capacity, text);
    }
    std::int32_t FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                   std::uint16_t* count) override {
        Hang("FlashListSpiPorts");
        return library_.FlashListSpiPorts(capacity, portNames, transports, count);
    }

private:
    void Hang(const char* call) {
        if (call != call_ || ++calls_ < nth_) return;
        std::unique_lock lock(mutex_);
        if (released_) return;
        if (calls_ == nth_ && OnHang) OnHang();
        releasedCall_.wait(lock, [this] { return released_; });
    }

    devlink::IChipLibrary& library_;
    const std::string call_;
    const int nth_;
    int calls_ = 0;
    std::mutex mutex_;
    std::condition_variable releasedCall_;
    bool released_ = false;
};

}  // namespace cli_test
