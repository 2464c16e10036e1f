#pragma once
// A chip library in front of another one that writes down every call, with its
// arguments, in the order the program made them, and hands it on unchanged. Tests that
// care about the exact traffic of an action put it in front of the simulator; a hook run
// before each call lets a test change the bench in the middle of an action.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "link/ChipLibrary.h"

namespace testing_support {

class TCallRecorder : public devlink::IChipLibrary {
public:
    explicit TCallRecorder(devlink::IChipLibrary& library) : library_(library) {}

    // "open-transport 2 \\.\CSR0 0 1000 1000", "open-spi <transport> 0", "close",
    // "read 02AB store 1 capacity 36", "write 02AB store 1 length 25", "restart 0",
    // "chip-name 256", "list-spi 256", "version"; oldest first.
    std::vector<std::string> Calls;
    std::function<void()> BeforeEachCall;

    // The PS key calls only, as "read 02A9" and "write 02AB".
    std::vector<std::string> KeyTraffic() const {
        std::vector<std::string> keys;
        for (const std::string& call : Calls)
            if (call.rfind("read ", 0) == 0 || call.rfind("write ", 0) == 0)
                keys.push_back(call.substr(0, call.find(' ', call.find(' ') + 1)));
        return keys;
    }
    // How many calls begin with `name` ("write", "list-spi", ...).
    std::size_t Count(const std::string& name) const {
        std::size_t count = 0;
        for (const std::string& call : Calls)
            if (call.rfind(name, 0) == 0) ++count;
        return count;
    }

    std::int32_t EngineVersion(char* text) override {
        Record("version");
        return library_.EngineVersion(text);
    }
    std::uint32_t EngineOpenTransport(std::int32_t transport, const char* path, std::int32_t flags,
                                      std::int32_t timeout, std::int32_t retryTimeout) override {
        Record("open-transport " + std::to_string(transport) + " " + path + " " + std::to_string(flags) + " " +
               std::to_string(timeout) + " " + std::to_string(retryTimeout));
        return library_.EngineOpenTransport(transport, path, flags, timeout, retryTimeout);
    }
    std::uint32_t EngineOpenSpi(const char* transport, std::int32_t flags) override {
        Record(std::string("open-spi ") + transport + " " + std::to_string(flags));
        return library_.EngineOpenSpi(transport, flags);
    }
    std::int32_t EngineClose(std::uint32_t handle) override {
        Record("close");
        return library_.EngineClose(handle);
    }
    std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t capacity,
                               std::uint16_t* words, std::uint16_t* length) override {
        Record("read " + Hex(key) + " store " + std::to_string(store) + " capacity " + std::to_string(capacity));
        return library_.EngineReadKey(handle, key, store, capacity, words, length);
    }
    std::int32_t EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t length,
                                const std::uint16_t* words) override {
        Record("write " + Hex(key) + " store " + std::to_string(store) + " length " + std::to_string(length));
        return library_.EngineWriteKey(handle, key, store, length, words);
    }
    std::int32_t EngineRestart(std::uint32_t handle, std::int32_t flags) override {
        Record("restart " + std::to_string(flags));
        return library_.EngineRestart(handle, flags);
    }
    std::int32_t EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) override {
        Record("chip-name " + std::to_string(capacity));
        return library_.EngineChipName(handle, capacity, text);
    }
    std::int32_t FlashListSpiPorts(std::uint16_t* capacity, char* names, char* transports,
                                   std::uint16_t* count) override {
        Record("list-spi " + std::to_string(*capacity));
        return library_.FlashListSpiPorts(capacity, names, transports, count);
    }

    static std::string Hex(std::uint16_t word) {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(word));
        return text;
    }

private:
    void Record(std::string call) {
        if (BeforeEachCall) BeforeEachCall();
        Calls.push_back(std::move(call));
    }

    devlink::IChipLibrary& library_;
};

}  // namespace testing_support
