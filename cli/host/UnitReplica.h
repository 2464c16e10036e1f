#pragma once
// A window of its own over an in-memory simulated unit that answers as a unit on the
// link did: the same unit-type and version words and, when given, the same record. A
// backup reads it as READ DEVICE reads a unit, and verify programs it and reads it back,
// while the unit on the link is reached no further.

#include <cstdint>
#include <span>

#include "cli/host/CommandSession.h"
#include "records/UnitIdentity.h"
#include "sim/SimBench.h"
#include "sim/SimLibrary.h"

namespace cli {

class TUnitReplica {
public:
    TUnitReplica(const records::TUnitIdentity& unit, const TPlatform& platform);
    TUnitReplica(const TUnitReplica&) = delete;
    TUnitReplica& operator=(const TUnitReplica&) = delete;

    // The replica holds these words in the key, as the unit did.
    void Hold(std::uint16_t key, std::span<const std::uint16_t> words);

    TCommandSession& Session() { return session_; }
    const TCommandSession& Session() const { return session_; }

private:
    sim::TSimBench bench_ = sim::TSimBench::Empty();
    sim::TSimLibrary library_{bench_};
    TCommandSession session_;
};

}  // namespace cli
