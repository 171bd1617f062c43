#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "io/CircuitFile.h"
#include "io/Recovery.h"
#include "support/CircuitBuilder.h"
#include "support/FileContents.h"
#include "support/ScriptedShell.h"
#include "support/TemporaryDirectory.h"
#include "support/WindowCircuit.h"

namespace {

namespace fs = std::filesystem;

// A small file system of its own, with few files and little space, as the current
// directory while it lives.
class CSmallDisk {
  public:
    CSmallDisk() : previous_(fs::current_path()), folder_(TemporaryDirectory::Current::Keep) {
        mountPoint_ = folder_.path() / "disk";
        fs::create_directory(mountPoint_);
        if (::mount("tmpfs", mountPoint_.c_str(), "tmpfs", 0, "size=256k,nr_inodes=16") != 0) {
            refusal_ = std::strerror(errno);
            return;
        }
        mounted_ = true;
        fs::current_path(mountPoint_);
    }
    ~CSmallDisk() {
        if (!mounted_) return;
        fs::current_path(previous_);
        ::umount(mountPoint_.c_str());
    }
    CSmallDisk(const CSmallDisk&) = delete;
    CSmallDisk& operator=(const CSmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& refusal() const { return refusal_; }

  private:
    fs::path previous_;
    TemporaryDirectory folder_;
    fs::path mountPoint_;
    bool mounted_ = false;
    std::string refusal_;
};

// Empty files until no inode is left; the count made.
int takeEveryInode(const std::string& prefix) {
    for (int made = 0;; ++made) {
        const int fd = ::open((prefix + std::to_string(made)).c_str(), O_WRONLY | O_CREAT, 0644);
        if (fd < 0) return made;
        ::close(fd);
    }
}

// Fills the disk through a file that already exists.
void takeEveryBlock(const char* ballast) {
    const int fd = ::open(ballast, O_WRONLY | O_APPEND);
    const std::vector<char> page(4096, 'x');
    while (fd >= 0 && ::write(fd, page.data(), page.size()) > 0) {
    }
    ::close(fd);
}

CCircuit largeCircuit() {
    CCircuit circuit;
    CircuitBuilder build(circuit);
    for (int i = 0; i < 250; ++i)
        build.gate(i % 2 == 0, 9, i % 3 == 0, 20 + 40 * (i % 20), 20 + 60 * (i / 20));
    return circuit;
}

// The autosave on a full disk: no inode for a temporary file and no space for the
// larger circuit. The recovery file must keep its earlier circuit whole, and the
// window must know it is behind until an autosave gets through again.
TEST(FullDiskRecoveryTest, AnAutosaveThatDoesNotFitKeepsTheEarlierCircuitAndSaysSo) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    const CSmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "tmpfs could not be mounted: " << disk.refusal();

    ScriptedShell shell;
    CVortafrm window(shell);
    window.OnCreate();
    giveSampleCircuit(window);
    window.OnTimer(timer::Autosave);
    const std::vector<uint8_t> earlier = bytesOf(io::kRecoveryFileName);
    ASSERT_EQ(earlier, io::encodeCircuit(window.circuit()));
    ASSERT_FALSE(window.recoveryUnwritten());

    ::close(::open("ballast", O_WRONLY | O_CREAT, 0644));
    ASSERT_GT(takeEveryInode("inode-"), 0);
    takeEveryBlock("ballast");
    CCircuit large = largeCircuit();
    const std::vector<uint8_t> largeBytes = io::encodeCircuit(large);
    ASSERT_GT(largeBytes.size(), earlier.size() + 8192);
    window.replaceCircuit(std::move(large), "");
    window.OnTimer(timer::Autosave);
    EXPECT_EQ(bytesOf(io::kRecoveryFileName), earlier);
    EXPECT_TRUE(window.recoveryUnwritten());

    // Space again, but still no inode: the file is rewritten where it stands.
    fs::remove("ballast");
    ASSERT_EQ(takeEveryInode("last-inode-"), 1);
    window.OnTimer(timer::Autosave);
    EXPECT_EQ(bytesOf(io::kRecoveryFileName), largeBytes);
    EXPECT_FALSE(window.recoveryUnwritten());
}

}  // namespace
