// The bench kept in a state file: round trip, the missing file, malformed files, the safe
// replace, connections of ended processes, and libraries and other writers sharing one
// file, a call whose change cannot be saved failing.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "sim/SimLibrary.h"
#include "sim/SimStateFile.h"

namespace {

namespace fs = std::filesystem;
using sim::TSimBench;
using sim::TSimCall;
using sim::TSimLibrary;
using sim::TSimStateFile;
using sim::TSimUnit;
using sim::TUnitKind;

// A fresh folder under the system's temporary folder, removed at the end of the test.
class TTempFolder {
public:
    TTempFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("zenta-sim-test-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~TTempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

constexpr char kUsb[] = "\\\\.\\CSR0";
constexpr char kSpiPort[] = "SPITRANS=USB";

// A bench with every part away from its default: a gateway on an SPI port (the first
// transport), a handset on the USB device, and connections to both.
TSimBench BusyBench(std::uint32_t& live, std::uint32_t& stale, std::uint32_t& onUsb) {
    TSimBench bench;
    bench.SetSpiListing({"LPT1,USB SPI", "SPITRANS=LPT," + std::string(kSpiPort), 0, 600});
    stale = bench.OpenConnection(kSpiPort);
    TSimUnit unit = TSimUnit::Factory(TUnitKind::Gateway, sim::TEdition::Kesto, 0x1A3C);
    unit.SetChipName("CSR8670 \"B\" \\ rev\t2");
    unit.SetKey(0x0500, {});
    unit.SetKey(0x0501, {0x0000, 0xFFFF});
    unit.SetRestarts(3);
    bench.AttachUnit(unit);
    live = bench.OpenConnection(kSpiPort);
    onUsb = bench.OpenConnection(kUsb);
    bench.Transport(kUsb).Counters = {5, 4, 12, 2, 1};
    bench.Faults.FailNext(TSimCall::Open, 1);
    bench.Faults.FailNext(TSimCall::Read, 2);
    bench.Faults.FailNext(TSimCall::Read, 1, devlink::PSKEY_GW_XSETTINGS);
    bench.Faults.FailNext(TSimCall::Write, 4, devlink::PSKEY_GW_XSETTINGS);
    bench.Faults.MisreportNextRead(40);
    bench.Faults.MisreportNextRead(3, devlink::PSKEY_UNIT_TYPE);
    using sim::TSimFaultKind;
    bench.Faults.Arm({TSimFaultKind::Hang, TSimCall::Write, 0x0501, kUsb, 2, 1, 0, 250});
    bench.Faults.Arm({TSimFaultKind::Pull, TSimCall::Any, std::nullopt, std::nullopt, 7, 1, 0, std::nullopt});
    bench.Faults.Arm({TSimFaultKind::Corrupt, TSimCall::Read, std::nullopt, kSpiPort, 1, 2, 0, std::nullopt});
    bench.Faults.Arm({TSimFaultKind::Fail, TSimCall::ChipName, std::nullopt, std::nullopt, 0, 1, 0, std::nullopt});
    bench.Hang(kUsb);
    bench.Hang(sim::kHostSide);
    bench.Transport(kUsb).LatencyMs = 0;
    bench.Transport("\\\\.\\CSR7").LatencyMs = 900;
    bench.EngineVersion = "TestEngine \"lab\"\nbuild 7";
    bench.LatencyMs = 35;
    bench.Counters = {11, 9, 20, 3, 2};
    bench.LastOpen = sim::TSimOpenRequest{sim::TSimOpenKind::Spi, "SPITRANS=USB SPIPORT=1"};
    return bench;
}

TEST(SimStateFile, RoundTripKeepsTheWholeBench) {
    TTempFolder folder;
    const TSimStateFile file(folder.Path() / "nested" / "sim-unit.txt");
    std::uint32_t live = 0;
    std::uint32_t stale = 0;
    std::uint32_t onUsb = 0;
    const TSimBench saved = BusyBench(live, stale, onUsb);
    std::string error;
    ASSERT_TRUE(file.Save(saved, &error)) << error;

    TSimBench loaded;
    ASSERT_TRUE(file.Load(loaded, &error)) << error;
    EXPECT_EQ(sim::FormatBenchState(loaded), sim::FormatBenchState(saved));

    ASSERT_EQ(loaded.FirstTransport(), kSpiPort);
    const TSimUnit& unit = loaded.Unit();
    EXPECT_EQ(unit.Kind(), TUnitKind::Gateway);
    EXPECT_EQ(unit.ChipName(), "CSR8670 \"B\" \\ rev\t2");
    EXPECT_EQ(unit.Restarts(), 3u);
    EXPECT_EQ(unit.Store(), saved.Unit().Store());
    EXPECT_EQ(unit.KeyText(0x0500), "");
    EXPECT_EQ(loaded.UnitOn(kUsb).Kind(), TUnitKind::Handset);
    EXPECT_EQ(loaded.Transport(kUsb).Counters.Reads, 12u);
    EXPECT_EQ(loaded.Faults.Pending(TSimCall::Open), 1u);
    EXPECT_EQ(loaded.Faults.Pending(TSimCall::Read), 2u);
    EXPECT_EQ(loaded.Faults.Pending(TSimCall::Read, devlink::PSKEY_GW_XSETTINGS), 1u);
    EXPECT_EQ(loaded.Faults.Pending(TSimCall::Write, devlink::PSKEY_GW_XSETTINGS), 4u);
    ASSERT_EQ(loaded.Faults.Entries().size(), 10u);
    EXPECT_EQ(loaded.Faults.Entries()[6].ForMs, 250u);
    EXPECT_TRUE(loaded.IsHung(kUsb));
    EXPECT_TRUE(loaded.IsHung(sim::kHostSide));
    EXPECT_EQ(loaded.LatencyOf(kUsb), 0u);
    EXPECT_EQ(loaded.LatencyOf("\\\\.\\CSR7"), 900u);
    EXPECT_EQ(loaded.LatencyOf(kSpiPort), 35u);
    EXPECT_EQ(loaded.EngineVersion, "TestEngine \"lab\"\nbuild 7");
    EXPECT_EQ(loaded.Spi().Transports, "SPITRANS=LPT,SPITRANS=USB");
    EXPECT_EQ(loaded.Spi().Need, 600);
    EXPECT_TRUE(loaded.SpiNeedPending());
    EXPECT_EQ(loaded.LatencyMs, 35u);
    EXPECT_EQ(loaded.Counters.Opens, 11u);
    EXPECT_EQ(loaded.Counters.Restarts, 2u);
    ASSERT_TRUE(loaded.LastOpen.has_value());
    EXPECT_EQ(loaded.LastOpen->Target, "SPITRANS=USB SPIPORT=1");
    EXPECT_EQ(loaded.OpenConnections(), 3u);
    EXPECT_TRUE(loaded.IsLive(live));
    EXPECT_TRUE(loaded.IsLive(onUsb));
    EXPECT_FALSE(loaded.IsLive(stale));
    const std::uint32_t next = loaded.OpenConnection(kUsb);
    EXPECT_NE(next, live);
    EXPECT_NE(next, stale);
    EXPECT_NE(next, onUsb);
}

TEST(SimStateFile, NoFileYetIsAFactoryHandsetAndCreatesNothing) {
    TTempFolder folder;
    const TSimStateFile file(folder.Path() / "sim-unit.txt");
    TSimBench bench = TSimBench::Empty();
    ASSERT_TRUE(file.Load(bench));
    EXPECT_EQ(bench.Unit().Kind(), TUnitKind::Handset);
    EXPECT_EQ(bench.Unit().TypeWord(), 0xAB02);
    EXPECT_NE(bench.Unit().Find(devlink::PSKEY_HS_XSETTINGS), nullptr);
    EXPECT_FALSE(file.Exists());
}

TEST(SimStateFile, HandWrittenFileNeedsOnlyWhatDiffersFromAnEmptyBench) {
    TSimBench bench;
    ASSERT_TRUE(sim::ParseBenchState("unit tavin\r\npskey 0x02A9 0xac02\n   # a comment\n\npskey 0x02ad 769\n", bench));
    EXPECT_EQ(bench.Unit().Kind(), TUnitKind::Tavin);
    EXPECT_EQ(bench.Unit().Store().size(), 2u);
    EXPECT_EQ(bench.Unit().TypeWord(), 0xAC02);
    EXPECT_EQ(bench.Unit().VersionWord(), 0x0301);
    EXPECT_EQ(bench.Unit().ChipName(), "CSR8670");
    EXPECT_EQ(bench.EngineVersion, sim::kDefaultEngineVersion);
    EXPECT_TRUE(bench.Faults.Empty());
}

TEST(SimStateFile, MalformedFilesAreRefusedWithTheirLine) {
    struct TCase {
        const char* Text;
        const char* Line;
    };
    const TCase cases[] = {
        {"format 2\n", "line 1"},
        {"unit handset\nconnection 0x1001\n", "line 2"},
        {"transport \"T\"\nconnection 0x1001 process=vms:1\n", "line 2"},
        {"transport \"T\" colour=red\n", "line 1"},
        {"latency soon\n", "line 1"},
        {"unit handset\nunit robot\n", "line 2"},
        {"pskey 0x02A9 AB02\n", "line 1"},
        {"pskey 0x10000 0xAB02\n", "line 1"},
        {"key 0x02A9 0xAB02\n", "line 1"},
        {"fail jump 2\n", "line 1"},
        {"fail read two\n", "line 1"},
        {"fail open 1 key=0x02AB\n", "line 1"},
        {"fail read 1 colour=red\n", "line 1"},
        {"chip \"CSR8670\n", "line 1"},
        {"chip \"bad \\q escape\"\n", "line 1"},
        {"\n\ncounters opens=x\n", "line 3"},
        {"connection 0 generation=1\n", "line 1"},
        {"spi-ports \"only one\"\n", "line 1"},
        {"volume 11\n", "line 1"},
    };
    TTempFolder folder;
    const TSimStateFile file(folder.Path() / "sim-unit.txt");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        WriteAll(file.Path(), c.Text);
        TSimBench bench;
        std::string error;
        EXPECT_FALSE(file.Load(bench, &error));
        EXPECT_NE(error.find(c.Line), std::string::npos) << error;
        EXPECT_EQ(bench.Unit().Kind(), TUnitKind::Handset) << "a refused file changed the bench";
    }
}

// A worker killed in the middle of its unit never closes its connection: the next load
// closes it, judging only processes of its own system, and only a parse keeps it.
TEST(SimStateFile, ConnectionsOfEndedProcessesAreClosedOnLoad) {
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const std::string self = std::to_string(::getpid());
    const std::string gone = std::to_string(ended);
    const std::string text =
        "transport \"\\\\\\\\.\\\\CSR0\" unit=handset generation=1\n"
        "connection 0x1001 generation=1 process=posix:" +
        self +
        "\n"
        "connection 0x1002 generation=1 process=posix:" +
        gone +
        "\n"
        "connection 0x1003 generation=1 process=windows:" +
        gone +
        "\n"
        "connection 0x1004 generation=1\n";
    TSimBench parsed;
    ASSERT_TRUE(sim::ParseBenchState(text, parsed));
    EXPECT_EQ(parsed.OpenConnections(), 4u);

    TTempFolder folder;
    const TSimStateFile file(folder.Path() / "sim-unit.txt");
    WriteAll(file.Path(), text);
    TSimBench loaded;
    ASSERT_TRUE(file.Load(loaded));
    EXPECT_EQ(loaded.OpenConnections(), 3u);
    EXPECT_TRUE(loaded.IsLive(0x1001));
    EXPECT_FALSE(loaded.IsLive(0x1002));
    EXPECT_TRUE(loaded.IsLive(0x1003)) << "a Windows process id is not this system's to judge";
    EXPECT_TRUE(loaded.IsLive(0x1004));
}

TEST(SimStateFile, AFolderInPlaceOfTheFileIsRefused) {
    TTempFolder folder;
    fs::create_directories(folder.Path() / "sim-unit.txt");
    TSimBench bench;
    std::string error;
    EXPECT_FALSE(TSimStateFile(folder.Path() / "sim-unit.txt").Load(bench, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(bench.Unit().Kind(), TUnitKind::Handset);
}

TEST(SimStateFile, SaveReplacesTheFileAndLeavesNoTemporaryBehind) {
    TTempFolder folder;
    const TSimStateFile file(folder.Path() / "sim-unit.txt");
    WriteAll(file.Path(), "old content that is not a bench\n");
    TSimBench bench;
    ASSERT_TRUE(file.Save(bench));
    ASSERT_TRUE(file.Save(bench));
    int entries = 0;
    for (const auto& entry : fs::directory_iterator(folder.Path())) {
        ++entries;
        EXPECT_EQ(entry.path().filename(), "sim-unit.txt");
    }
    EXPECT_EQ(entries, 1);
    EXPECT_EQ(ReadAll(file.Path()), sim::FormatBenchState(bench));
}

TEST(SimStateFile, SaveIntoAnImpossibleFolderFailsWithAReason) {
    TTempFolder folder;
    WriteAll(folder.Path() / "plain-file", "x");
    const TSimStateFile file(folder.Path() / "plain-file" / "sim-unit.txt");
    std::string error;
    EXPECT_FALSE(file.Save(TSimBench(), &error));
    EXPECT_NE(error.find("sim-unit.txt"), std::string::npos);
}

TEST(SimStateFileLibrary, SharesTheUnitWithAnotherWriterOfTheFile) {
    TTempFolder folder;
    const fs::path path = folder.Path() / "sim-unit.txt";
    TSimLibrary library{TSimStateFile(path)};

    const std::uint32_t handle = library.EngineOpenTransport(2, "\\\\.\\CSR0", 0, 1000, 1000);
    ASSERT_NE(handle, 0u) << "no state file yet should mean a factory handset";
    EXPECT_TRUE(TSimStateFile(path).Exists());

    // Someone plugs in a gateway meanwhile, as `zenta sim attach gateway` does.
    TSimBench other;
    ASSERT_TRUE(TSimStateFile(path).Load(other));
    EXPECT_EQ(other.Counters.Opens, 1u);
    EXPECT_EQ(other.OpenConnections(), 1u);
    other.AttachUnit(TSimUnit::Factory(TUnitKind::Gateway));
    other.Faults.FailNext(TSimCall::Read, 1);
    ASSERT_TRUE(TSimStateFile(path).Save(other));

    std::uint16_t words[36] = {};
    std::uint16_t length = 0;
    EXPECT_NE(library.EngineReadKey(handle, devlink::PSKEY_UNIT_TYPE, 1, 36, words, &length), 1);
    library.EngineClose(handle);
    const std::uint32_t again = library.EngineOpenTransport(2, "\\\\.\\CSR0", 0, 1000, 1000);
    EXPECT_NE(library.EngineReadKey(again, devlink::PSKEY_UNIT_TYPE, 1, 36, words, &length), 1);  // injected
    ASSERT_EQ(library.EngineReadKey(again, devlink::PSKEY_UNIT_TYPE, 1, 36, words, &length), 1);
    EXPECT_EQ(words[0], 0xFE02);
    library.EngineClose(again);

    TSimBench after;
    ASSERT_TRUE(TSimStateFile(path).Load(after));
    EXPECT_EQ(after.Counters.Opens, 2u);
    EXPECT_EQ(after.Counters.Closes, 2u);
    EXPECT_EQ(after.Counters.Reads, 3u);
    EXPECT_EQ(after.OpenConnections(), 0u);
    EXPECT_TRUE(after.Faults.Empty());
    EXPECT_TRUE(library.LastError().empty());
}

// A bench that cannot be saved (a full disk; here a read-only file) loses what the call
// did, so the call fails: it must not report a write that no unit holds.
TEST(SimStateFileLibrary, ACallWhoseChangeCannotBeSavedFails) {
    TTempFolder folder;
    const fs::path path = folder.Path() / "sim-unit.txt";
    TSimLibrary library{TSimStateFile(path)};
    const std::uint32_t handle = library.EngineOpenTransport(2, "\\\\.\\CSR0", 0, 1000, 1000);
    ASSERT_NE(handle, 0u);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string before = ReadAll(path);

    const std::uint16_t word = 0x1234;
    std::uint16_t words[36] = {};
    std::uint16_t length = 0;
    EXPECT_EQ(library.EngineWriteKey(handle, 0x0600, 1, 1, &word), 0);
    EXPECT_NE(library.LastError().find("cannot be written"), std::string::npos) << library.LastError();
    EXPECT_EQ(library.EngineReadKey(handle, devlink::PSKEY_UNIT_TYPE, 1, 36, words, &length), 0);
    EXPECT_EQ(library.EngineOpenTransport(2, "\\\\.\\CSR0", 0, 1000, 1000), 0u);
    EXPECT_EQ(library.EngineClose(handle), 0);
    char version[sim::kEngineVersionBuffer];
    EXPECT_EQ(library.EngineVersion(version), 1) << "a call that changes nothing needs no save";
    EXPECT_EQ(ReadAll(path), before);

    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(library.EngineClose(handle), 1);
    EXPECT_TRUE(library.LastError().empty());
}

TEST(SimStateFileLibrary, UnreadableFileLeavesNothingOnTheLinkAndIsKept) {
    TTempFolder folder;
    const fs::path path = folder.Path() / "sim-unit.txt";
    const std::string broken = "unit handset\nthis is not a bench line\n";
    WriteAll(path, broken);
    TSimLibrary library{TSimStateFile(path)};
    EXPECT_EQ(library.EngineOpenTransport(2, "\\\\.\\CSR0", 0, 1000, 1000), 0u);
    EXPECT_NE(library.LastError().find("line 2"), std::string::npos) << library.LastError();
    char version[sim::kEngineVersionBuffer];
    library.EngineVersion(version);
    EXPECT_NE(std::string(version).find("unreadable"), std::string::npos);
    EXPECT_EQ(ReadAll(path), broken);
}

}  // namespace

namespace {

// Writes of a unit-type word the count of the calls made so far on one transport.
void CountOnTheBench(const fs::path& path, const char* transport, std::uint16_t calls) {
    TSimLibrary library{TSimStateFile(path)};
    for (std::uint16_t i = 1; i <= calls; ++i) {
        const std::uint32_t handle = library.EngineOpenTransport(2, transport, 0, 1000, 1000);
        library.EngineWriteKey(handle, 0x0600, 1, 1, &i);
        library.EngineClose(handle);
    }
}

}  // namespace

// Worker processes, one per adapter, change the one state file at the same time: threads
// with libraries of their own stand in for them, and no call's change may be lost.
TEST(SimStateFileLibrary, ConcurrentCallsLoseNoChange) {
    TTempFolder folder;
    const fs::path path = folder.Path() / "sim-unit.txt";
    const char* transports[] = {"\\\\.\\CSR0", "\\\\.\\CSR1", "\\\\.\\CSR2", "\\\\.\\CSR3"};
    TSimBench start;
    for (const char* transport : transports) start.AttachUnit(transport, TSimUnit::Factory(TUnitKind::Handset));
    ASSERT_TRUE(TSimStateFile(path).Save(start));

    constexpr std::uint16_t kCalls = 25;
    std::vector<std::thread> workers;
    for (const char* transport : transports) workers.emplace_back(CountOnTheBench, path, transport, kCalls);
    for (std::thread& worker : workers) worker.join();

    TSimBench after;
    ASSERT_TRUE(TSimStateFile(path).Load(after));
    EXPECT_EQ(after.Counters.Opens, 4u * kCalls);
    EXPECT_EQ(after.Counters.Writes, 4u * kCalls);
    EXPECT_EQ(after.Counters.Closes, 4u * kCalls);
    EXPECT_EQ(after.OpenConnections(), 0u);
    for (const char* transport : transports) {
        SCOPED_TRACE(transport);
        EXPECT_EQ(after.UnitOn(transport).KeyText(0x0600), "0019");
        EXPECT_EQ(after.Transport(transport).Counters.Writes, kCalls);
    }
}
