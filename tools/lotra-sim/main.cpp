// lotra-sim: reads a circuit file, powers it on, runs generator ticks and prints the
// levels of every pin, without a window.
#include <iostream>

#include "tools/lotra-sim/Options.h"
#include "tools/lotra-sim/Run.h"

int main(int argc, char** argv) {
    const lotrasim::ParsedArguments parsed =
        lotrasim::parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (parsed.action) {
        case lotrasim::ParsedArguments::Action::Help:
            std::cout << lotrasim::usageText();
            return 0;
        case lotrasim::ParsedArguments::Action::Fail:
            std::cerr << parsed.error << '\n';
            return 2;
        case lotrasim::ParsedArguments::Action::Run:
            break;
    }
    return lotrasim::run(parsed.options, std::cout, std::cerr);
}
