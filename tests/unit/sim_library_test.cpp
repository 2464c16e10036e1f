// The simulated libraries as the program meets them: handles, reads within the
// caller's capacity, injected faults, misreported lengths, unit swaps and counters, units
// on several transports and the time each call takes.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "link/Transports.h"
#include "sim/SimLibrary.h"
#include "ui/Headless.h"

namespace {

using sim::TSimBench;
using sim::TSimCall;
using sim::TSimLibrary;
using sim::TSimUnit;
using sim::TUnitKind;

constexpr std::uint16_t kGuard = 0xBEEF;
constexpr char kUsb[] = "\\\\.\\CSR0";

struct TRead {
    std::int32_t Result = 0;
    std::uint16_t Length = 0xFFFF;
    std::array<std::uint16_t, 40> Words{};
};

class SimLibraryTest : public ::testing::Test {
protected:
    std::uint32_t Open() { return library.EngineOpenTransport(2, kUsb, 0, 1000, 1000); }

    TRead Read(std::uint32_t handle, std::uint16_t key, std::uint16_t capacity = 36) {
        TRead read;
        read.Words.fill(kGuard);
        read.Result = library.EngineReadKey(handle, key, sim::kPsStore, capacity, read.Words.data(), &read.Length);
        return read;
    }

    std::int32_t Write(std::uint32_t handle, std::uint16_t key, const std::vector<std::uint16_t>& words) {
        return library.EngineWriteKey(handle, key, sim::kPsStore, static_cast<std::uint16_t>(words.size()),
                                      words.data());
    }

    TSimBench bench;
    TSimLibrary library{bench};
};

TEST_F(SimLibraryTest, FreshBenchHasAFactoryHandsetThatOpens) {
    const std::uint32_t handle = Open();
    ASSERT_NE(handle, 0u);
    const TRead type = Read(handle, devlink::PSKEY_UNIT_TYPE);
    ASSERT_EQ(type.Result, 1);
    EXPECT_EQ(type.Length, 1);
    EXPECT_EQ(type.Words[0], 0xAB02);
    const TRead record = Read(handle, devlink::PSKEY_HS_XSETTINGS);
    ASSERT_EQ(record.Result, 1);
    EXPECT_EQ(record.Length, 25);
    EXPECT_EQ(record.Words[2], 0x0DAC);
    EXPECT_EQ(library.EngineClose(handle), 1);
}

TEST_F(SimLibraryTest, BadHandlesFailEveryCallWithoutTouchingAnything) {
    const std::uint32_t closed = Open();
    library.EngineClose(closed);
    const std::uint32_t unplugged = Open();
    bench.AttachUnit(TSimUnit::Factory(TUnitKind::Handset));
    struct TCase {
        const char* Name;
        std::uint32_t Handle;
    };
    const TCase cases[] = {
        {"handle 0", 0}, {"closed", closed}, {"unit since replaced", unplugged}, {"never issued", 0xDEAD}};
    const std::vector<std::uint16_t> before = *bench.Unit().Find(devlink::PSKEY_HS_XSETTINGS);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRead read = Read(c.Handle, devlink::PSKEY_UNIT_TYPE);
        EXPECT_NE(read.Result, 1);
        EXPECT_EQ(read.Length, 0xFFFF);
        EXPECT_EQ(read.Words[0], kGuard);

        EXPECT_NE(Write(c.Handle, devlink::PSKEY_HS_XSETTINGS, {1, 2, 3}), 1);
        EXPECT_EQ(*bench.Unit().Find(devlink::PSKEY_HS_XSETTINGS), before);

        char name[8];
        std::memset(name, 'x', sizeof name);
        library.EngineChipName(c.Handle, sizeof name, name);
        EXPECT_EQ(std::string(name, sizeof name), std::string(8, 'x'));

        library.EngineRestart(c.Handle, 0);
        EXPECT_EQ(bench.Unit().Restarts(), 0u);
        EXPECT_EQ(bench.Counters.Restarts, 0u);
    }
}

TEST_F(SimLibraryTest, ReadCopiesAtMostTheCapacityAndReportsTheCount) {
    std::vector<std::uint16_t> stored(30);
    for (std::size_t i = 0; i < stored.size(); ++i) stored[i] = static_cast<std::uint16_t>(0x1000 + i);
    bench.Unit().SetKey(0x0300, stored);
    bench.Unit().SetKey(0x0301, {0x0A0A, 0x0B0B, 0x0C0C});
    bench.Unit().SetKey(0x0302, {});
    struct TCase {
        std::uint16_t Key;
        std::uint16_t Capacity;
        std::uint16_t Copied;
    };
    const TCase cases[] = {{0x0300, 36, 30}, {0x0300, 30, 30}, {0x0300, 29, 29}, {0x0300, 25, 25},
                           {0x0300, 1, 1},   {0x0300, 0, 0},   {0x0301, 36, 3},  {0x0302, 36, 0}};
    const std::uint32_t handle = Open();
    for (const TCase& c : cases) {
        SCOPED_TRACE("key " + std::to_string(c.Key) + " capacity " + std::to_string(c.Capacity));
        const TRead read = Read(handle, c.Key, c.Capacity);
        ASSERT_EQ(read.Result, 1);
        EXPECT_EQ(read.Length, c.Copied);
        const std::vector<std::uint16_t>& value = *bench.Unit().Find(c.Key);
        for (std::size_t i = 0; i < read.Words.size(); ++i) {
            EXPECT_EQ(read.Words[i], i < c.Copied ? value[i] : kGuard) << "word " << i;
        }
    }
}

TEST_F(SimLibraryTest, ReadOfAnAbsentKeyOrAnotherStoreFails) {
    const std::uint32_t handle = Open();
    EXPECT_NE(Read(handle, 0x0999).Result, 1);
    TRead read;
    read.Words.fill(kGuard);
    EXPECT_NE(library.EngineReadKey(handle, devlink::PSKEY_UNIT_TYPE, 0, 36, read.Words.data(), &read.Length), 1);
    EXPECT_EQ(read.Words[0], kGuard);
    EXPECT_NE(library.EngineReadKey(handle, devlink::PSKEY_UNIT_TYPE, 1, 36, nullptr, &read.Length), 1);
    EXPECT_NE(library.EngineReadKey(handle, devlink::PSKEY_UNIT_TYPE, 1, 36, read.Words.data(), nullptr), 1);
}

TEST_F(SimLibraryTest, WriteStoresExactlyTheGivenWordsInStoreOne) {
    const std::uint32_t handle = Open();
    ASSERT_EQ(Write(handle, devlink::PSKEY_HS_XSETTINGS, {0x1111, 0x2222}), 1);
    EXPECT_EQ(bench.Unit().KeyText(devlink::PSKEY_HS_XSETTINGS), "1111 2222");
    ASSERT_EQ(Write(handle, 0x0400, {}), 1);
    EXPECT_EQ(bench.Unit().KeyText(0x0400), "");
    const std::uint16_t word = 0x3333;
    EXPECT_NE(library.EngineWriteKey(handle, 0x0401, 2, 1, &word), 1);
    EXPECT_EQ(bench.Unit().KeyText(0x0401), "absent");
}

TEST_F(SimLibraryTest, MisreportedLengthIsReportedButNeverWrittenPastTheCapacity) {
    bench.Faults.MisreportNextRead(40);
    const std::uint32_t handle = Open();
    const TRead lying = Read(handle, devlink::PSKEY_HS_XSETTINGS, 36);
    ASSERT_EQ(lying.Result, 1);
    EXPECT_EQ(lying.Length, 40);
    EXPECT_EQ(lying.Words[24], 0x0000);  // the last stored word
    EXPECT_EQ(lying.Words[25], kGuard);  // nothing beyond what the unit holds
    EXPECT_EQ(lying.Words[36], kGuard);  // and never beyond the capacity

    const TRead next = Read(handle, devlink::PSKEY_HS_XSETTINGS, 36);
    EXPECT_EQ(next.Length, 25);  // used up

    bench.Faults.MisreportNextRead(30);
    const TRead small = Read(handle, devlink::PSKEY_HS_XSETTINGS, 10);
    EXPECT_EQ(small.Length, 30);
    EXPECT_EQ(small.Words[9], bench.Unit().Find(devlink::PSKEY_HS_XSETTINGS)->at(9));
    EXPECT_EQ(small.Words[10], kGuard);
}

TEST_F(SimLibraryTest, MisreportWaitsForASuccessfulReadOfItsKey) {
    const std::uint32_t handle = Open();
    bench.Faults.MisreportNextRead(7, devlink::PSKEY_HS_XSETTINGS);
    bench.Faults.FailNext(TSimCall::Read, 1, devlink::PSKEY_HS_XSETTINGS);
    EXPECT_EQ(Read(handle, devlink::PSKEY_UNIT_TYPE).Length, 1);     // another key
    EXPECT_NE(Read(handle, 0x0999).Result, 1);                       // absent key
    EXPECT_NE(Read(handle, devlink::PSKEY_HS_XSETTINGS).Result, 1);  // injected failure
    EXPECT_EQ(Read(handle, devlink::PSKEY_HS_XSETTINGS).Length, 7);
    EXPECT_EQ(Read(handle, devlink::PSKEY_HS_XSETTINGS).Length, 25);
}

TEST_F(SimLibraryTest, InjectedReadAndWriteFailuresCountPerKey) {
    constexpr std::uint16_t kType = devlink::PSKEY_UNIT_TYPE;
    constexpr std::uint16_t kRecord = devlink::PSKEY_HS_XSETTINGS;
    struct TFault {
        TSimCall Call;
        unsigned Count;
        std::optional<std::uint16_t> Key;
    };
    struct TStep {
        TSimCall Call;
        std::uint16_t Key;
        bool Succeeds;
    };
    struct TCase {
        const char* Name;
        std::vector<TFault> Faults;
        std::vector<TStep> Steps;
    };
    const TCase cases[] = {
        {"any key",
         {{TSimCall::Read, 2, std::nullopt}},
         {{TSimCall::Read, kType, false}, {TSimCall::Read, kRecord, false}, {TSimCall::Read, kType, true}}},
        {"one key only",
         {{TSimCall::Read, 2, kRecord}},
         {{TSimCall::Read, kType, true},
          {TSimCall::Read, kRecord, false},
          {TSimCall::Read, kType, true},
          {TSimCall::Read, kRecord, false},
          {TSimCall::Read, kRecord, true}}},
        {"any key and one key both count down",
         {{TSimCall::Read, 1, std::nullopt}, {TSimCall::Read, 2, kRecord}},
         {{TSimCall::Read, kRecord, false},
          {TSimCall::Read, kType, true},
          {TSimCall::Read, kRecord, false},
          {TSimCall::Read, kRecord, true}}},
        {"two keys count separately",
         {{TSimCall::Read, 1, kType}, {TSimCall::Read, 1, kRecord}},
         {{TSimCall::Read, kRecord, false},
          {TSimCall::Read, kRecord, true},
          {TSimCall::Read, kType, false},
          {TSimCall::Read, kType, true}}},
        {"later setting replaces the count",
         {{TSimCall::Read, 3, std::nullopt}, {TSimCall::Read, 1, std::nullopt}},
         {{TSimCall::Read, kType, false}, {TSimCall::Read, kType, true}}},
        {"count 0 cancels", {{TSimCall::Read, 3, kType}, {TSimCall::Read, 0, kType}}, {{TSimCall::Read, kType, true}}},
        {"writes do not use read faults",
         {{TSimCall::Read, 1, std::nullopt}, {TSimCall::Write, 1, kRecord}},
         {{TSimCall::Write, kType, true},
          {TSimCall::Write, kRecord, false},
          {TSimCall::Write, kRecord, true},
          {TSimCall::Read, kRecord, false}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        bench = TSimBench();
        for (const TFault& fault : c.Faults) bench.Faults.FailNext(fault.Call, fault.Count, fault.Key);
        const std::uint32_t handle = Open();
        int step = 0;
        for (const TStep& s : c.Steps) {
            ++step;
            const std::vector<std::uint16_t> before = *bench.Unit().Find(s.Key);
            const std::int32_t result =
                s.Call == TSimCall::Read ? Read(handle, s.Key).Result : Write(handle, s.Key, {0x4242});
            EXPECT_EQ(result == 1, s.Succeeds) << "step " << step;
            if (s.Call == TSimCall::Write && !s.Succeeds) {
                EXPECT_EQ(*bench.Unit().Find(s.Key), before) << "a failed write changed the store";
            }
        }
        EXPECT_TRUE(bench.Faults.Empty());
    }
}

TEST_F(SimLibraryTest, ReadFaultsAreNotUsedUpByCallsThatReachNoUnit) {
    bench.Faults.FailNext(TSimCall::Read, 1);
    EXPECT_NE(Read(0, devlink::PSKEY_UNIT_TYPE).Result, 1);
    const std::uint32_t handle = Open();
    EXPECT_NE(Read(handle, devlink::PSKEY_UNIT_TYPE).Result, 1);
    EXPECT_EQ(Read(handle, devlink::PSKEY_UNIT_TYPE).Result, 1);
}

TEST_F(SimLibraryTest, InjectedOpenFailuresGiveHandleZero) {
    bench.Faults.FailNext(TSimCall::Open, 2);
    EXPECT_EQ(Open(), 0u);
    EXPECT_EQ(library.EngineOpenSpi("SPITRANS=USB", 0), 0u);
    const std::uint32_t handle = Open();
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(bench.Counters.Opens, 3u);
    EXPECT_EQ(bench.OpenConnections(), 1u);
}

TEST_F(SimLibraryTest, NothingOnTheLinkMeansEveryOpenFails) {
    bench.AttachUnit(TSimUnit::Bare(TUnitKind::None));
    EXPECT_EQ(Open(), 0u);
    EXPECT_EQ(library.EngineOpenSpi("SPITRANS=USB", 0), 0u);
    EXPECT_EQ(library.EngineOpenSpi(nullptr, 0), 0u);
    EXPECT_EQ(bench.OpenConnections(), 0u);
    EXPECT_EQ(bench.Counters.Opens, 3u);
}

TEST_F(SimLibraryTest, OpensRecordWhatTheyWereAskedFor) {
    Open();
    ASSERT_TRUE(bench.LastOpen.has_value());
    EXPECT_EQ(bench.LastOpen->Kind, sim::TSimOpenKind::Transport);
    EXPECT_EQ(bench.LastOpen->Target, kUsb);
    library.EngineOpenSpi("SPITRANS=USB SPIPORT=1", 0);
    EXPECT_EQ(bench.LastOpen->Kind, sim::TSimOpenKind::Spi);
    EXPECT_EQ(bench.LastOpen->Target, "SPITRANS=USB SPIPORT=1");
}

TEST_F(SimLibraryTest, ASwappedUnitAnswersNewConnectionsOnly) {
    const std::uint32_t toHandset = Open();
    ASSERT_EQ(Read(toHandset, devlink::PSKEY_UNIT_TYPE).Words[0], 0xAB02);
    bench.AttachUnit(TSimUnit::Factory(TUnitKind::Gateway));
    EXPECT_NE(Read(toHandset, devlink::PSKEY_UNIT_TYPE).Result, 1);
    EXPECT_EQ(bench.OpenConnections(), 1u);  // still to be closed by its owner

    const std::uint32_t toGateway = Open();
    EXPECT_NE(toGateway, toHandset);
    EXPECT_EQ(Read(toGateway, devlink::PSKEY_UNIT_TYPE).Words[0], 0xFE02);
    EXPECT_EQ(Read(toGateway, devlink::PSKEY_GW_XSETTINGS).Words[5], 0xC001);
    EXPECT_NE(Read(toGateway, devlink::PSKEY_HS_XSETTINGS).Result, 1);

    EXPECT_EQ(library.EngineClose(toHandset), 1);
    EXPECT_EQ(library.EngineClose(toGateway), 1);
    EXPECT_EQ(bench.OpenConnections(), 0u);
}

TEST_F(SimLibraryTest, CountersRunOverTheWholeBenchAcrossUnits) {
    struct TExpected {
        std::uint32_t Opens, Closes, OpenNow, Reads, Writes, Restarts;
    };
    auto check = [&](const char* when, TExpected e) {
        SCOPED_TRACE(when);
        EXPECT_EQ(bench.Counters.Opens, e.Opens);
        EXPECT_EQ(bench.Counters.Closes, e.Closes);
        EXPECT_EQ(bench.OpenConnections(), e.OpenNow);
        EXPECT_EQ(bench.Counters.Reads, e.Reads);
        EXPECT_EQ(bench.Counters.Writes, e.Writes);
        EXPECT_EQ(bench.Counters.Restarts, e.Restarts);
    };
    const std::uint32_t first = Open();
    Read(first, devlink::PSKEY_UNIT_TYPE);
    Read(first, 0x0999);  // fails, still an attempt
    Write(first, devlink::PSKEY_HS_XSETTINGS, {1});
    library.EngineRestart(first, 0);
    check("after the first connection's calls", {1, 0, 1, 2, 1, 1});
    library.EngineClose(first);
    library.EngineClose(first);  // a second close of the same handle is still a call
    check("after closing twice", {1, 2, 0, 2, 1, 1});

    bench.AttachUnit(TSimUnit::Bare(TUnitKind::None));
    const std::uint32_t failed = Open();
    Read(failed, devlink::PSKEY_UNIT_TYPE);
    Write(failed, devlink::PSKEY_UNIT_TYPE, {1});
    library.EngineRestart(failed, 0);
    check("with nothing on the link", {2, 2, 0, 3, 2, 1});

    bench.AttachUnit(TSimUnit::Factory(TUnitKind::Gateway));
    const std::uint32_t second = Open();
    library.EngineRestart(second, 0);
    check("with a gateway", {3, 2, 1, 3, 2, 2});
    EXPECT_EQ(bench.Unit().Restarts(), 1u);  // the gateway's own count
}

TEST_F(SimLibraryTest, ChipNameFitsTheBufferWithItsTerminator) {
    bench.Unit().SetChipName("csr8670 rev b");
    struct TCase {
        std::int32_t Capacity;
        std::string Text;
    };
    const TCase cases[] = {{256, "csr8670 rev b"}, {14, "csr8670 rev b"}, {13, "csr8670 rev "}, {4, "csr"}, {1, ""}};
    const std::uint32_t handle = Open();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Capacity);
        std::array<char, 300> buffer;
        buffer.fill('#');
        library.EngineChipName(handle, c.Capacity, buffer.data());
        EXPECT_EQ(std::string(buffer.data()), c.Text);
        EXPECT_EQ(buffer[static_cast<std::size_t>(c.Capacity)], '#');
    }
    std::array<char, 4> untouched{'#', '#', '#', '#'};
    library.EngineChipName(handle, 0, untouched.data());
    EXPECT_EQ(untouched[0], '#');
}

TEST_F(SimLibraryTest, EngineVersionTextFitsTheVersionBuffer) {
    std::array<char, sim::kEngineVersionBuffer + 8> buffer;
    buffer.fill('#');
    library.EngineVersion(buffer.data());
    EXPECT_EQ(std::string(buffer.data()), sim::kDefaultEngineVersion);

    bench.EngineVersion = std::string(600, 'v');
    buffer.fill('#');
    library.EngineVersion(buffer.data());
    EXPECT_EQ(std::string(buffer.data()).size(), sim::kEngineVersionBuffer - 1);
    EXPECT_EQ(buffer[sim::kEngineVersionBuffer], '#');
}

struct TListing {
    std::int32_t Result = -99;
    std::uint16_t Capacity = 0;
    std::uint16_t Count = 0xFFFF;
    std::string Names;
    std::string Transports;
};

TListing List(TSimLibrary& library, std::uint16_t capacity) {
    std::vector<char> names(capacity + 1u, '#');
    std::vector<char> transports(capacity + 1u, '#');
    TListing listing;
    listing.Capacity = capacity;
    listing.Result = library.FlashListSpiPorts(&listing.Capacity, names.data(), transports.data(), &listing.Count);
    EXPECT_EQ(names[capacity], '#') << "port names written past the capacity";
    EXPECT_EQ(transports[capacity], '#') << "transports written past the capacity";
    if (listing.Result == 0) {
        listing.Names = names.data();
        listing.Transports = transports.data();
    }
    return listing;
}

TEST_F(SimLibraryTest, SpiListingDefaultsToNoPorts) {
    const TListing listing = List(library, 256);
    EXPECT_EQ(listing.Result, 0);
    EXPECT_EQ(listing.Count, 0);
    EXPECT_EQ(listing.Names, "");
}

TEST_F(SimLibraryTest, SpiListingGivesBothListsAndTheirCount) {
    bench.SetSpiListing({"LPT1,USB SPI (1234)", "SPITRANS=LPT SPIPORT=1,SPITRANS=USB SPIPORT=1", 0, 0});
    const TListing listing = List(library, 256);
    EXPECT_EQ(listing.Result, 0);
    EXPECT_EQ(listing.Count, 2);
    EXPECT_EQ(listing.Names, "LPT1,USB SPI (1234)");
    EXPECT_EQ(listing.Transports, "SPITRANS=LPT SPIPORT=1,SPITRANS=USB SPIPORT=1");
}

TEST_F(SimLibraryTest, SpiListingAsksForLargerBuffersOnce) {
    bench.SetSpiListing({"USB SPI", "SPITRANS=USB", 0, 600});
    const TListing first = List(library, 256);
    EXPECT_NE(first.Result, 0);
    EXPECT_EQ(first.Capacity, 600);
    const TListing second = List(library, 600);
    EXPECT_EQ(second.Result, 0);
    EXPECT_EQ(second.Count, 1);
    EXPECT_EQ(second.Transports, "SPITRANS=USB");
}

TEST_F(SimLibraryTest, SpiListingTooLongForTheBuffersAsksForWhatItNeeds) {
    bench.SetSpiListing({std::string(300, 'n'), "T", 0, 0});
    const TListing listing = List(library, 256);
    EXPECT_NE(listing.Result, 0);
    EXPECT_EQ(listing.Capacity, 301);
    EXPECT_EQ(List(library, 301).Result, 0);
}

TEST_F(SimLibraryTest, SpiListingFailureWritesBackNoCapacity) {
    bench.SetSpiListing({"USB SPI", "SPITRANS=USB", 5, 0});
    const TListing listing = List(library, 256);
    EXPECT_EQ(listing.Result, 5);
    EXPECT_EQ(listing.Capacity, 0);
    EXPECT_EQ(listing.Count, 0);
}

}  // namespace

// A bench of several adapters: each open reaches the unit on the transport it names,
// whichever open call names it, and nothing where no unit sits.
TEST_F(SimLibraryTest, OpensReachTheUnitOnTheTransportTheyName) {
    bench.SetSpiListing({"USB SPI A,USB SPI B", "SPITRANS=A,SPITRANS=B", 0, 0});
    bench.AttachUnit(TSimUnit::Factory(TUnitKind::Handset));  // on the first transport
    bench.AttachUnit("SPITRANS=B", TSimUnit::Factory(TUnitKind::Gateway));
    bench.AttachUnit("\\\\.\\CSR1", TSimUnit::Factory(TUnitKind::Tavin));
    bench.AttachUnit(kUsb, TSimUnit());
    struct TCase {
        bool Spi;
        const char* Target;
        std::optional<std::uint16_t> Type;  // empty: the open fails
    };
    const TCase cases[] = {
        {true, "SPITRANS=A", 0xAB02},  {true, "SPITRANS=B", 0xFE02}, {false, "\\\\.\\CSR1", 0xAC02},
        {true, "\\\\.\\CSR1", 0xAC02}, {false, kUsb, std::nullopt},  {true, "SPITRANS=C", std::nullopt},
        {false, "SPITRANS=A", 0xAB02},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Target);
        const std::uint32_t before = bench.Transport(c.Target).Counters.Opens;
        const std::uint32_t handle =
            c.Spi ? library.EngineOpenSpi(c.Target, 0) : library.EngineOpenTransport(2, c.Target, 0, 1000, 1000);
        EXPECT_EQ(bench.Transport(c.Target).Counters.Opens, before + 1);
        if (!c.Type) {
            EXPECT_EQ(handle, 0u);
            continue;
        }
        const TRead read = Read(handle, devlink::PSKEY_UNIT_TYPE);
        ASSERT_EQ(read.Result, 1);
        EXPECT_EQ(read.Words[0], *c.Type);
        EXPECT_EQ(library.EngineClose(handle), 1);
    }
    EXPECT_EQ(bench.Transport("SPITRANS=A").Counters.Reads, 2u);
    EXPECT_EQ(bench.Transport("SPITRANS=A").Counters.Closes, 2u);
    EXPECT_EQ(bench.Counters.Opens, std::size(cases));
}

TEST_F(SimLibraryTest, AUnitChangeOnOneTransportLeavesTheOthersConnected) {
    bench.AttachUnit("\\\\.\\CSR1", TSimUnit::Factory(TUnitKind::Gateway));
    const std::uint32_t toHandset = Open();
    const std::uint32_t toGateway = library.EngineOpenTransport(2, "\\\\.\\CSR1", 0, 1000, 1000);
    ASSERT_NE(toHandset, toGateway);

    bench.AttachUnit("\\\\.\\CSR1", TSimUnit::Factory(TUnitKind::Handset, sim::TEdition::Kesto));
    EXPECT_NE(Read(toGateway, devlink::PSKEY_UNIT_TYPE).Result, 1) << "the gateway was unplugged";
    EXPECT_EQ(Write(toHandset, devlink::PSKEY_HS_XSETTINGS, {7}), 1);
    library.EngineRestart(toHandset, 0);
    EXPECT_EQ(bench.Unit().Restarts(), 1u);
    EXPECT_EQ(bench.UnitOn("\\\\.\\CSR1").Restarts(), 0u);
    EXPECT_EQ(bench.Transport(kUsb).Counters.Restarts, 1u);
    EXPECT_EQ(bench.Transport("\\\\.\\CSR1").Counters.Restarts, 0u);
    EXPECT_EQ(*bench.Unit().Find(devlink::PSKEY_HS_XSETTINGS), std::vector<std::uint16_t>{7});
    EXPECT_EQ(bench.UnitOn("\\\\.\\CSR1").Find(devlink::PSKEY_HS_XSETTINGS)->size(), devlink::kRecordWords);

    const std::uint32_t toNewHandset = library.EngineOpenTransport(2, "\\\\.\\CSR1", 0, 1000, 1000);
    EXPECT_EQ(Read(toNewHandset, devlink::PSKEY_UNIT_TYPE).Words[0], 0xAB01);
    EXPECT_NE(toNewHandset, toHandset);
    EXPECT_NE(toNewHandset, toGateway);
}

// A unit attached without a transport goes where the window's automatic choice will
// open it, whatever the listing.
TEST_F(SimLibraryTest, FirstTransportIsTheWindowsChoice) {
    const sim::TSimSpiListing listings[] = {
        {"", "", 0, 0},
        {"USB SPI", "SPITRANS=USB", 0, 0},
        {"LPT1,,USB SPI A,USB SPI B", "SPITRANS=LPT,,SPITRANS=A,SPITRANS=B", 0, 0},
        {"LPT1,LPT2", "SPITRANS=LPT1,SPITRANS=LPT2", 0, 0},
        {"USB SPI", "SPITRANS=USB", -3, 0},
        {"USB SPI", "SPITRANS=USB", 0, 600},
        {"USB SPI A,USB SPI B", "SPITRANS=A,SPITRANS=B", 0, 20},
        {std::string(300, 'n'), "SPITRANS=LONG", 0, 0},
    };
    for (const auto& listing : listings) {
        SCOPED_TRACE(listing.Transports + " need " + std::to_string(listing.Need));
        bench.SetSpiListing(listing);
        const std::string first = bench.FirstTransport();
        devlink::TTransportTable table;
        devlink::EnumerateTransports(library, table);
        devlink::ChooseTransport(table);
        EXPECT_EQ(first, table.ChosenTransport());
    }
}

TEST(SimLibraryLatency, EveryCallTakesTheBenchsLatency) {
    ui::THeadlessClock clock;
    ui::THeadlessSleep sleeper(clock);
    TSimBench bench;
    bench.LatencyMs = 40;
    TSimLibrary library(bench, sleeper);
    char text[sim::kEngineVersionBuffer];
    std::uint16_t word = 0;
    std::uint16_t length = 0;
    library.EngineVersion(text);
    const std::uint32_t handle = library.EngineOpenTransport(2, kUsb, 0, 1000, 1000);
    library.EngineReadKey(handle, devlink::PSKEY_UNIT_TYPE, 1, 1, &word, &length);
    library.EngineWriteKey(handle, 0x0600, 1, 1, &word);
    library.EngineChipName(handle, sizeof text, text);
    library.EngineRestart(handle, 0);
    library.EngineClose(handle);
    library.EngineReadKey(0, devlink::PSKEY_UNIT_TYPE, 1, 1, &word, &length);  // fails, takes its time all the same
    std::uint16_t capacity = 256;
    std::uint16_t count = 0;
    library.FlashListSpiPorts(&capacity, text, text + 256, &count);
    EXPECT_EQ(sleeper.Waits, std::vector<unsigned>(9, 40));
    EXPECT_EQ(clock.Elapsed(), 12LL * 3600 * 1000 + 9 * 40);

    bench.LatencyMs = 0;
    library.EngineVersion(text);
    EXPECT_EQ(sleeper.Waits.size(), 9u) << "no latency, no sleep";
}
