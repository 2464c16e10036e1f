#pragma once
// The simulated chip maker's libraries: devlink::IChipLibrary answered by a simulated unit
// on a bench, as the hardware would answer. A failed open gives the handle 0, and every
// call given the handle 0, a closed handle or a handle to a unit that has since been
// unplugged fails without touching the caller's buffers. A read copies at most the
// capacity it is given. PS keys live in store 1; other stores fail.
//
// Opens reach the unit on the transport they name, the device path of a transport open
// or the transport string of an SPI open alike; the calls with a handle reach the unit
// on the transport the connection was opened on. Every call takes the latency of its
// transport, and meets the faults the bench holds for it (SimFaults.h).
//
// The bench is either the caller's own, in memory, or the shared one in a state file,
// which is then loaded before every call and saved after every call that changed it,
// under the file's lock, so that processes sharing the file lose none of their changes.
// A call whose change cannot be saved fails.
//
// A call that hangs waits in slices of kHangSliceMs, holding no lock, and looks at the
// bench again after each: it fails once its hang is cleared (or its time is up). An
// in-memory bench is its caller's thread's: there the sleeper (a test's own) may end
// the hang between two slices.

#include <cstdint>
#include <optional>
#include <string>

#include "link/ChipLibrary.h"
#include "sim/SimBench.h"
#include "sim/SimStateFile.h"
#include "ui/Services.h"

namespace sim {

inline constexpr std::uint16_t kPsStore = 1;
inline constexpr unsigned kHangSliceMs = 50;

// The latency spent in real time.
class TSimSystemSleep final : public ui::ISleep {
public:
    void Sleep(unsigned milliseconds) override;
};

class TSimLibrary final : public devlink::IChipLibrary {
public:
    // Answers from `bench`, which the caller keeps alive and may change between calls.
    // The latency is spent with `sleeper` (both kept alive by the caller), by default in
    // real time.
    explicit TSimLibrary(TSimBench& bench);
    TSimLibrary(TSimBench& bench, ui::ISleep& sleeper);
    // Answers from the bench in the state file. An unreadable file leaves nothing on
    // the link (every open fails) and is not overwritten; LastError says why.
    explicit TSimLibrary(TSimStateFile stateFile);
    TSimLibrary(TSimStateFile stateFile, ui::ISleep& sleeper);

    std::int32_t EngineVersion(char* text) override;
    std::uint32_t EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                      std::int32_t timeout, std::int32_t retryTimeout) override;
    std::uint32_t EngineOpenSpi(const char* transport, std::int32_t flags) override;
    std::int32_t EngineClose(std::uint32_t handle) override;
    std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t capacity,
                               std::uint16_t* words, std::uint16_t* length) override;
    std::int32_t EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t length,
                                const std::uint16_t* words) override;
    std::int32_t EngineRestart(std::uint32_t handle, std::int32_t flags) override;
    std::int32_t EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) override;
    std::int32_t FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                   std::uint16_t* count) override;

    // The last problem with the state file (empty when none, and always for an
    // in-memory bench).
    const std::string& LastError() const { return lastError_; }

    // What one call did on the bench, before its time is spent: the result, and the
    // adapter it hangs on (with how long, when not until the hang is cleared).
    template <typename TResult>
    struct TStep {
        TResult Result{};
        std::uint32_t LatencyMs = 0;
        std::optional<std::string> HangsOn;
        std::optional<std::uint32_t> HangForMs;
    };

private:
    template <typename TResult, typename TCall>
    TResult Use(bool changes, TResult failed, TCall call);
    template <typename TResult, typename TCall>
    TStep<TResult> UseStateFile(bool changes, TResult failed, TCall call);
    std::uint32_t Open(TSimOpenKind kind, const char* target);
    // Waits while the adapter hangs, at most `forMs` when given, then ends its hang.
    void WaitWhileHung(const std::string& transport, std::optional<std::uint32_t> forMs);
    bool StillHung(const std::string& transport);
    void EndHang(const std::string& transport);

    TSimBench* bench_ = nullptr;
    std::optional<TSimStateFile> stateFile_;
    ui::ISleep& sleeper_;
    std::string lastError_;
};

// Size of the version text buffer the program hands to EngineVersion.
inline constexpr std::size_t kEngineVersionBuffer = 512;

}  // namespace sim
