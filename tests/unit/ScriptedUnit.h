#pragma once
// A chip library with one scripted unit behind it: its PS keys, chip name, faults to
// inject per call and key, and a record of every call in order, so that tests can
// check the exact traffic of a device action. Handle 0, or a handle that is not open,
// fails every call without touching the caller's buffers.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "link/ChipLibrary.h"

namespace testing_support {

class TScriptedUnit : public devlink::IChipLibrary {
public:
    bool Attached = true;  // false: every open fails
    std::string Chip = "CSR8670";
    std::map<std::uint16_t, std::vector<std::uint16_t>> Keys;
    // The next N reads or writes of a key fail (after reaching the unit).
    std::map<std::uint16_t, int> FailReads, FailWrites;
    // Every read of a key reports this many words, whatever it copied.
    std::map<std::uint16_t, std::uint16_t> MisreportedLengths;
    // A failing read still fills the buffer with this word and reports its capacity.
    std::optional<std::uint16_t> FailedReadFill;

    std::vector<std::string> Calls;
    std::set<std::uint32_t> Open;  // handles open now
    int Restarts = 0;

    // The PS key calls only, as "read 02A9" and "write 02AB" entries.
    std::vector<std::string> KeyTraffic() const {
        std::vector<std::string> keys;
        for (const std::string& call : Calls)
            if (call.rfind("read ", 0) == 0 || call.rfind("write ", 0) == 0)
                keys.push_back(call.substr(0, call.find(' ', call.find(' ') + 1)));
        return keys;
    }

    std::int32_t EngineVersion(char* text) override {
        std::strcpy(text, "scripted 1.0");
        return 1;
    }
    std::uint32_t EngineOpenTransport(std::int32_t transport, const char* path, std::int32_t flags,
                                      std::int32_t timeout, std::int32_t retryTimeout) override {
        Calls.push_back("open-transport " + std::to_string(transport) + " " + path + " " + std::to_string(flags) +
                        " " + std::to_string(timeout) + " " + std::to_string(retryTimeout));
        return NewHandle();
    }
    std::uint32_t EngineOpenSpi(const char* transport, std::int32_t flags) override {
        Calls.push_back(std::string("open-spi ") + transport + " " + std::to_string(flags));
        return NewHandle();
    }
    std::int32_t EngineClose(std::uint32_t handle) override {
        Calls.push_back("close");
        return Open.erase(handle) == 1 ? 1 : 0;
    }
    std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t capacity,
                               std::uint16_t* words, std::uint16_t* length) override {
        Calls.push_back("read " + Hex(key) + " store " + std::to_string(store) + " capacity " +
                        std::to_string(capacity));
        const auto stored = Keys.find(key);
        if (!Open.count(handle) || store != 1) return 0;
        if (Take(FailReads, key) || stored == Keys.end()) {
            if (FailedReadFill) {
                for (std::uint16_t i = 0; i < capacity; ++i) words[i] = *FailedReadFill;
                *length = Reported(key, capacity);
            }
            return 0;
        }
        const std::size_t n = std::min<std::size_t>(stored->second.size(), capacity);
        std::copy_n(stored->second.begin(), n, words);
        *length = Reported(key, static_cast<std::uint16_t>(n));
        return 1;
    }
    std::int32_t EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t length,
                                const std::uint16_t* words) override {
        Calls.push_back("write " + Hex(key) + " store " + std::to_string(store) + " length " +
                        std::to_string(length));
        if (!Open.count(handle) || store != 1 || Take(FailWrites, key)) return 0;
        Keys[key].assign(words, words + length);
        return 1;
    }
    std::int32_t EngineRestart(std::uint32_t handle, std::int32_t flags) override {
        Calls.push_back("restart " + std::to_string(flags));
        if (!Open.count(handle)) return 0;
        ++Restarts;
        return 1;
    }
    std::int32_t EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) override {
        Calls.push_back("chip-name " + std::to_string(capacity));
        if (!Open.count(handle)) return 0;
        std::strncpy(text, Chip.c_str(), static_cast<std::size_t>(capacity));
        return 1;
    }
    std::int32_t FlashListSpiPorts(std::uint16_t*, char* names, char* transports, std::uint16_t* count) override {
        names[0] = transports[0] = '\0';
        *count = 0;
        return 0;
    }

    static std::string Hex(std::uint16_t word) {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(word));
        return text;
    }

private:
    std::uint16_t Reported(std::uint16_t key, std::uint16_t copied) const {
        const auto misreport = MisreportedLengths.find(key);
        return misreport == MisreportedLengths.end() ? copied : misreport->second;
    }
    std::uint32_t NewHandle() {
        if (!Attached) return 0;
        Open.insert(next_);
        return next_++;
    }
    static bool Take(std::map<std::uint16_t, int>& faults, std::uint16_t key) {
        auto fault = faults.find(key);
        if (fault == faults.end() || fault->second == 0) return false;
        --fault->second;
        return true;
    }

    std::uint32_t next_ = 0x51;
};

}  // namespace testing_support
