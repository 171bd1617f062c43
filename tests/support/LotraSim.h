#pragma once
#include <filesystem>
#include <string>
#include <vector>

// What a run of the built lotra-sim gave: its exit status (-1 when it did not exit)
// and what it printed.
struct LotraSimOutcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built lotra-sim with the arguments as a shell reads them (quoted by the
// caller where needed); what it prints passes through files in `scratch`. `env`
// runs it through env(1) with those words first (names to unset with -u, say).
LotraSimOutcome runLotraSim(const std::string& arguments, const std::filesystem::path& scratch,
                            const std::vector<std::string>& env = {});

// The words put in single quotes one by one, for runLotraSim.
std::string quotedWords(const std::vector<std::string>& words);
