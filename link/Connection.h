#pragma once
// The connection to the unit on the programming link: opened on the chosen transport,
// used for PS key reads and writes with retries, and closed again within one user
// action, so that no connection outlives the action that opened it.

#include <cstdint>
#include <string>

#include "link/ChipLibrary.h"
#include "link/Transports.h"
#include "ui/Services.h"

namespace devlink {

// Every PS key the program reads or writes lives in this store.
inline constexpr std::uint16_t kPsStore = 1;
// A PS key operation is tried this many times; after failed attempt n the program
// waits n x kRetryStepMs, also after the last one.
inline constexpr int kPsAttempts = 3;
inline constexpr unsigned kRetryStepMs = 250;

class TConnection {
public:
    TConnection(IChipLibrary& library, const TTransportTable& transports, ui::ISleep& sleeper)
        : library_(library), transports_(transports), sleeper_(sleeper) {}

    // Opens on the transport chosen at the moment of the call; 0 = failure. A handle
    // stored before is overwritten, not closed.
    std::uint32_t OpenConnection();
    // 1 = success, 0 = failure after every attempt. `length` is the word count the
    // library reported, never more than `capacity`, so that callers can trust it as a
    // bound on `words` even when the library misreports it.
    int ReadPSKey(std::uint16_t key, std::uint16_t* words, std::uint16_t& length, std::uint16_t capacity);
    int WritePSKey(std::uint16_t key, const std::uint16_t* words, std::uint16_t length);
    // The library's close result, or 0 without a call when nothing is open. A failed
    // close is tried once more.
    std::int32_t CloseConnection();

    // The chip's name as the library gives it; empty when it gives nothing.
    std::string ChipName();
    // Asks the unit to restart; the library's answer carries nothing the program uses.
    void Restart();

    std::uint32_t Handle() const { return handle_; }

private:
    template <typename TAttempt>
    int WithRetries(TAttempt attempt);

    IChipLibrary& library_;
    const TTransportTable& transports_;
    ui::ISleep& sleeper_;
    std::uint32_t handle_ = 0;
};

}  // namespace devlink
