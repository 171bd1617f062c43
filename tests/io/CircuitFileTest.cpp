#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "io/CircuitFile.h"
#include "io/FileBytes.h"
#include "io/FileCreation.h"
#include "support/CircuitBuilder.h"
#include "support/FileContents.h"
#include "support/TemporaryDirectory.h"

namespace fs = std::filesystem;

namespace {

class CircuitFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temporary.ok());
        CircuitBuilder b(circuit);
        const int32_t signal = b.block(EntrSignal, 10, 10);
        b.wire(EntrSignal, signal, 9, Indicator, b.indicator(100, 10), 0);
    }
    std::vector<fs::path> filesInDir() const {
        return {fs::directory_iterator(dir), fs::directory_iterator()};
    }

    TemporaryDirectory temporary;
    const fs::path& dir = temporary.path();
    CCircuit circuit;
};

TEST_F(CircuitFile, DescriptorRoundTripThroughAPipe) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    EXPECT_TRUE(io::writeCircuit(circuit, fds[1]));
    ::close(fds[1]);
    CCircuit read;
    io::readCircuit(fds[0], read);
    ::close(fds[0]);
    EXPECT_EQ(io::encodeCircuit(read), io::encodeCircuit(circuit));
}

TEST_F(CircuitFile, FailedWritesAndReadsAreReported) {
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    EXPECT_FALSE(io::writeCircuit(circuit, full));
    ::close(full);

    const int directory = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    std::vector<uint8_t> bytes{1, 2, 3};
    EXPECT_FALSE(io::readFileBytes(directory, bytes));
    EXPECT_TRUE(bytes.empty());
    CCircuit read;
    io::readCircuit(directory, read);  // a read error ends the file: nothing read
    EXPECT_TRUE(read.isEmpty());
    ::close(directory);
}

TEST_F(CircuitFile, NewFileHoldsTheCircuitAndNothingElseIsLeftBehind) {
    const mode_t oldMask = ::umask(022);
    const fs::path target = dir / "schema";
    EXPECT_TRUE(io::writeCircuitFile(target.string(), circuit));
    ::umask(oldMask);
    EXPECT_EQ(bytesOf(target), io::encodeCircuit(circuit));
    EXPECT_EQ(filesInDir(), std::vector<fs::path>{target});
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST_F(CircuitFile, ReplacingAFileKeepsItsPermissions) {
    const fs::path target = dir / "schema";
    std::ofstream(target) << "old contents";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(io::writeCircuitFile(target.string(), circuit));
    EXPECT_EQ(bytesOf(target), io::encodeCircuit(circuit));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(CircuitFile, FailureLeavesTheTargetUntouched) {
    EXPECT_FALSE(io::writeCircuitFile((dir / "missing" / "schema").string(), circuit));

    const fs::path folder = dir / "folder";
    fs::create_directory(folder);
    EXPECT_FALSE(io::writeCircuitFile(folder.string(), circuit));
    EXPECT_TRUE(fs::is_directory(folder));

    // A disk that fills up after 100 bytes.
    const fs::path target = dir / "schema";
    std::ofstream(target) << "old contents";
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = io::writeCircuitFile(target.string(), circuit);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    const std::string old_contents = "old contents";
    EXPECT_EQ(bytesOf(target), std::vector<uint8_t>(old_contents.begin(), old_contents.end()));
    EXPECT_EQ(filesInDir().size(), 2u);  // the folder and the untouched target
}

// A file is read whole or not at all: one that shrinks between opening and reading,
// or fails while read, is not taken for what it held.
TEST_F(CircuitFile, AFileReadHalfIsAFailedRead) {
    const fs::path target = dir / "schema";
    const std::vector<uint8_t> bytes = io::encodeCircuit(circuit);
    ASSERT_TRUE(io::writeCircuitFile(target.string(), circuit));
    std::vector<uint8_t> read;
    EXPECT_TRUE(io::readWholeFile(io::openExistingFile(target.string()), read));
    EXPECT_EQ(read, bytes);

    const io::ExistingFile shrinking = io::openExistingFile(target.string());
    fs::resize_file(target, bytes.size() / 2);
    EXPECT_FALSE(io::readWholeFile(shrinking, read));
    EXPECT_FALSE(io::readWholeFile(io::openExistingFile("/proc/self/mem"), read));
}

}  // namespace
