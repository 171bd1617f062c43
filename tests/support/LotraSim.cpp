#include "support/LotraSim.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/FileContents.h"

LotraSimOutcome runLotraSim(const std::string& arguments, const std::filesystem::path& scratch,
                            const std::vector<std::string>& env) {
    const std::filesystem::path out = scratch / "lotra-sim.out";
    const std::filesystem::path err = scratch / "lotra-sim.err";
    const std::string through = env.empty() ? "" : "env " + quotedWords(env) + " ";
    const std::string command = through + quotedWords({LOTRA_SIM_PATH}) + " " + arguments + " >" +
                                quotedWords({out.string()}) + " 2>" + quotedWords({err.string()});
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, textOf(out), textOf(err)};
}

std::string quotedWords(const std::vector<std::string>& words) {
    std::string quoted;
    for (const std::string& word : words) quoted += (quoted.empty() ? "'" : " '") + word + "'";
    return quoted;
}
