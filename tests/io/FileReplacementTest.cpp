#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "io/CircuitFile.h"
#include "support/CircuitBuilder.h"
#include "support/FileContents.h"
#include "support/TemporaryDirectory.h"

namespace fs = std::filesystem;

namespace {

// Every regular file below the folder, as "path=contents" ("path=new" when it holds
// `written`), and every link as "path->target", sorted: what a write touched and
// what it left behind.
std::vector<std::string> treeOf(const fs::path& folder, const std::string& written) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).string();
        if (entry.is_symlink()) {
            entries.push_back(name + "->" + fs::read_symlink(entry.path()).string());
        } else if (entry.is_regular_file()) {
            const std::string contents = textOf(entry.path());
            entries.push_back(name + "=" + (contents == written ? "new" : contents));
        }
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

class FileReplacement : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temporary.ok());
        CircuitBuilder(circuit).block(EntrSignal, 10, 10);
        const std::vector<uint8_t> bytes = io::encodeCircuit(circuit);
        written.assign(bytes.begin(), bytes.end());
        fs::create_directories("data");
        fs::create_directories("links");
    }

    TemporaryDirectory temporary;
    CCircuit circuit;
    std::string written;
};

// A name that is a link writes the file at the end of its links, beside that
// file, and every link stays as it was.
TEST_F(FileReplacement, ALinkedNameWritesTheLinksTargetAndKeepsTheLinks) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links;  // link, its target
        std::optional<std::string> target;                       // nothing: the write must fail
    };
    const std::string absolute = (temporary.path() / "data/absolute.vrt").string();
    const Case cases[] = {
        {"plain", {{"plain.vrt", "data/plain.vrt"}}, "data/plain.vrt"},
        {"chain",
         {{"first.vrt", "links/second.vrt"}, {"links/second.vrt", "../data/chain.vrt"}},
         "data/chain.vrt"},
        {"relative to the link", {{"links/up.vrt", "../data/up.vrt"}}, "data/up.vrt"},
        {"absolute", {{"links/absolute.vrt", absolute}}, "data/absolute.vrt"},
        {"dangling: the target is created", {{"links/new.vrt", "../data/new.vrt"}}, "data/new.vrt"},
        {"loop", {{"loop.vrt", "links/loop.vrt"}, {"links/loop.vrt", "../loop.vrt"}}, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        for (const auto& [link, target] : test.links) fs::create_symlink(target, link);
        if (test.target && std::string(test.name).find("dangling") == std::string::npos) {
            std::ofstream(*test.target) << "old";
        }
        std::vector<std::string> expected = treeOf(".", written);
        if (test.target) {
            std::erase(expected, *test.target + "=old");
            expected.push_back(*test.target + "=new");
            std::sort(expected.begin(), expected.end());
        }

        EXPECT_EQ(io::writeCircuitFile(test.links.front().first, circuit), test.target.has_value());
        EXPECT_EQ(treeOf(".", written), expected);
    }
}

// The permission bits that apply to the user decide, as for a user without
// privileges, so that root too leaves a write-protected file alone. A replaced
// file keeps its mode, and its owner when the writer may give it away.
TEST_F(FileReplacement, OnlyAFileTheUserMayWriteIsReplaced) {
    struct Case {
        mode_t mode;
        uid_t owner;  // kSelf: this process's user
        bool replaced;
    };
    constexpr auto kSelf = static_cast<uid_t>(-1);
    constexpr uid_t kNobody = 65534;
    const bool root = ::geteuid() == 0;
    std::vector<Case> cases = {
        {0444, kSelf, false}, {0400, kSelf, false}, {0644, kSelf, true}, {0600, kSelf, true}};
    if (root) {
        // Another user's file: its group and others' bits apply to root.
        cases.push_back({0644, kNobody, false});
        cases.push_back({0666, kNobody, true});
    }
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << test.mode << " owner " << std::dec
                                        << static_cast<int>(test.owner));
        const std::string name = "data/file.vrt";
        std::ofstream(name) << "old";
        ::chmod(name.c_str(), test.mode);
        if (test.owner != kSelf) {
            ASSERT_EQ(::chown(name.c_str(), test.owner, test.owner), 0);
        }

        EXPECT_EQ(io::writeCircuitFile(name, circuit), test.replaced);

        EXPECT_EQ(textOf(name), test.replaced ? written : "old");
        struct stat status {};
        ASSERT_EQ(::stat(name.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, test.mode);
        EXPECT_EQ(status.st_uid, test.owner == kSelf ? ::geteuid() : test.owner);
        EXPECT_EQ(std::distance(fs::directory_iterator("data"), fs::directory_iterator()), 1);
        fs::remove(name);
    }
}

}  // namespace
