#include "io/Temporaries.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "io/FileTarget.h"

namespace io {
namespace {

constexpr std::string_view kTemporaryMark = ".tmp";

bool isAbandonedTemporaryOf(std::string_view name, std::string_view target) {
    if (!name.starts_with(target)) return false;
    name.remove_prefix(target.size());
    if (!name.starts_with(kTemporaryMark)) return false;
    name.remove_prefix(kTemporaryMark.size());
    pid_t writer = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), writer);
    if (error != std::errc() || writer <= 0 || end == name.data() + name.size() || *end != '-')
        return false;
    // Only the attempt number follows: "x.vrt.tmp12-0.bak" is somebody's own file.
    const std::string_view attempt = name.substr(static_cast<size_t>(end - name.data()) + 1);
    if (attempt.empty() ||
        !std::all_of(attempt.begin(), attempt.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return ::kill(writer, 0) != 0 && errno == ESRCH;
}

}  // namespace

std::string temporaryName(const std::string& target, int attempt) {
    return target + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" +
           std::to_string(attempt);
}

void removeAbandonedTemporaries(const std::string& path, AbandonedTemporaries which) {
    namespace fs = std::filesystem;
    const std::optional<std::string> target = followLinks(path);
    if (!target) return;
    const fs::path file = *target;
    const std::string name = file.filename().string();
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    std::error_code error;
    std::uintmax_t held = fs::file_size(file, error);
    if (error) held = 0;
    for (fs::directory_iterator entry(folder, error); !error && entry != fs::directory_iterator();
         entry.increment(error)) {
        std::error_code ignored;
        if (!isAbandonedTemporaryOf(entry->path().filename().string(), name)) continue;
        const bool longer = entry->file_size(ignored) > held && !ignored;
        if (which == AbandonedTemporaries::Every || !longer) fs::remove(entry->path(), ignored);
    }
}

}  // namespace io
