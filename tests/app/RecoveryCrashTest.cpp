#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "io/CircuitFile.h"
#include "io/Recovery.h"
#include "support/CircuitBuilder.h"
#include "support/FileContents.h"
#include "support/SampleCircuit.h"
#include "support/TemporaryDirectory.h"

namespace {

namespace fs = std::filesystem;

// A process that does nothing but autosave, alternating two circuits of different
// sizes, until it is killed.
pid_t startAutosaving(const CCircuit& first, const CCircuit& second) {
    const pid_t child = ::fork();
    if (child == 0) {
        for (;;) {
            io::writeRecovery(first);
            io::writeRecovery(second);
        }
    }
    return child;
}

TEST(RecoveryCrashTest, KillingTheProgramDuringAutosavesLeavesAWholeEarlierCircuit) {
    TemporaryDirectory directory;
    ASSERT_TRUE(directory.ok());
    CCircuit small;
    buildSampleCircuit(small);
    CCircuit large;
    buildSampleCircuit(large);
    CircuitBuilder build(large);
    for (int i = 0; i < 60; ++i) build.gate(true, 9, i % 2 == 0, 300 + 5 * i, 300);
    const std::vector<uint8_t> smallBytes = io::encodeCircuit(small);
    const std::vector<uint8_t> largeBytes = io::encodeCircuit(large);
    ASSERT_TRUE(io::writeRecovery(small));

    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayUs(0, 20000);
    constexpr int kKills = 150;
    int largeSeen = 0;
    int abandoned = 0;
    auto strayFiles = [] {
        int count = 0;
        for (const auto& entry : fs::directory_iterator("."))
            if (entry.path().filename() != io::kRecoveryFileName) ++count;
        return count;
    };
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = startAutosaving(small, large);
        ASSERT_GT(child, 0);
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::vector<uint8_t> bytes = bytesOf(io::kRecoveryFileName);
        ASSERT_TRUE(bytes == smallBytes || bytes == largeBytes)
            << "after kill " << kill << " the file holds " << bytes.size() << " bytes";
        if (bytes == largeBytes) ++largeSeen;
        // A killed write leaves its temporary file; the next start clears it away.
        abandoned += strayFiles();
        CCircuit restored;
        ASSERT_TRUE(io::restoreRecovery(restored));
        EXPECT_EQ(io::encodeCircuit(restored), bytes);
        EXPECT_EQ(strayFiles(), 0);
    }
    // Both circuits were caught, so the kills did land during the writing.
    EXPECT_GT(largeSeen, 0);
    EXPECT_LT(largeSeen, kKills);
    RecordProperty("abandoned_temporary_files", abandoned);
}

}  // namespace
