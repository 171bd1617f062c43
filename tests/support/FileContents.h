#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The whole contents of a file as the tests compare them: empty when there is no
// such file.
std::vector<uint8_t> bytesOf(const std::filesystem::path& path);
std::string textOf(const std::filesystem::path& path);
