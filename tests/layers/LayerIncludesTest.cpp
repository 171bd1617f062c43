// Layers point one way: every include of every source file names a folder that its
// own folder may use. The table is the one the design holds; a new folder with
// sources must be entered here before it builds green.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Folders = std::set<std::string>;

const Folders kCore = {"model", "platform", "sim", "io", "render", "analysis", "edit", "app"};

Folders with(Folders folders, std::initializer_list<std::string> more) {
    folders.insert(more);
    return folders;
}

// Which folders each folder may include (itself always among them).
const std::map<std::string, Folders>& allowedIncludes() {
    static const std::map<std::string, Folders> table = {
        {"model", {"model"}},
        {"platform", {"model", "platform"}},
        {"sim", {"model", "sim"}},
        {"io", {"model", "io"}},
        {"render", {"model", "platform", "render"}},
        {"analysis", {"model", "platform", "sim", "analysis"}},
        {"edit", {"model", "platform", "sim", "edit"}},
        {"app", kCore},
        {"canvas", {"model", "platform", "canvas"}},
        {"dialogs", {"model", "platform", "canvas", "dialogs"}},
        {"desktop", with(kCore, {"canvas", "dialogs", "desktop"})},
        {"web", with(kCore, {"web"})},
        {"tools", with(kCore, {"canvas", "tools"})},
        {"bench", with(kCore, {"canvas", "bench"})},
        {"fuzz", with(kCore, {"support", "fuzz"})},
    };
    return table;
}

// Folders whose code is plain standard C++: no platform library at all.
bool isCore(const std::string& folder) {
    return kCore.contains(folder);
}

bool isSource(const fs::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".h" || extension == ".cpp";
}

// The top-level folders of the tree that hold sources, build folders and tests aside.
std::vector<std::string> sourceFolders(const fs::path& root) {
    std::vector<std::string> folders;
    for (const fs::directory_entry& entry : fs::directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_directory() || name.rfind("build", 0) == 0 || name == "tests" ||
            name.front() == '.')
            continue;
        for (const fs::directory_entry& file : fs::recursive_directory_iterator(entry.path())) {
            if (file.is_regular_file() && isSource(file.path())) {
                folders.push_back(name);
                break;
            }
        }
    }
    return folders;
}

struct Include {
    int line;
    bool quoted;
    std::string name;
};

std::vector<Include> includesOf(const fs::path& file) {
    static const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> includes;
    std::ifstream in(file);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::smatch match;
        if (std::regex_search(text, match, directive))
            includes.push_back({line, match[1] == "\"", match[2]});
    }
    return includes;
}

// A quoted include without a folder is one of the file's neighbours.
std::string folderOf(const std::string& include, const std::string& ownFolder) {
    const size_t slash = include.find('/');
    return slash == std::string::npos ? ownFolder : include.substr(0, slash);
}

bool isPlatformLibrary(const std::string& header) {
    return (header.size() > 1 && header[0] == 'Q' && std::isupper(header[1])) ||
           header.rfind("Qt", 0) == 0 || header.rfind("emscripten", 0) == 0;
}

std::vector<std::string> violationsIn(const fs::path& root, const std::string& folder) {
    std::vector<std::string> violations;
    const auto& table = allowedIncludes();
    const auto rule = table.find(folder);
    if (rule == table.end()) return {folder + "/ holds sources but has no row in the table"};
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
        if (!entry.is_regular_file() || !isSource(entry.path())) continue;
        const std::string file = fs::relative(entry.path(), root).string();
        for (const Include& include : includesOf(entry.path())) {
            const std::string where = file + ":" + std::to_string(include.line) + " ";
            if (!include.quoted) {
                if (isCore(folder) && isPlatformLibrary(include.name))
                    violations.push_back(where + "<" + include.name + "> in the core");
                continue;
            }
            const std::string target = folderOf(include.name, folder);
            if (rule->second.contains(target)) continue;
            std::string message = where;
            message.append("\"").append(include.name).append("\": ").append(folder);
            violations.push_back(message.append(" may not include ").append(target));
        }
    }
    return violations;
}

TEST(LayerIncludesTest, EveryIncludePointsDownOrWithinItsFolder) {
    const fs::path root = LOTRA_SOURCE_DIR;
    const std::vector<std::string> folders = sourceFolders(root);
    ASSERT_GE(folders.size(), kCore.size()) << "the tree was not found at " << root;
    std::vector<std::string> violations;
    for (const std::string& folder : folders) {
        const std::vector<std::string> found = violationsIn(root, folder);
        violations.insert(violations.end(), found.begin(), found.end());
    }
    EXPECT_TRUE(violations.empty()) << ::testing::PrintToString(violations);
}

}  // namespace
