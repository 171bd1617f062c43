// Plays a session file (see student-session.txt) against the main window's core with
// a scripted shell, in the current directory, as the desktop would run it: the files
// it saves are the desktop's bytes for the same gestures.
// Usage: reference_session SESSION_FILE
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Vortafrm.h"
#include "support/ScriptedShell.h"

namespace {

struct Step {
    std::string verb;
    std::vector<std::string> words;
};

std::vector<Step> readSession(std::istream& in) {
    std::vector<Step> steps;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        Step step;
        words >> step.verb;
        for (std::string word; words >> word;) step.words.push_back(word);
        steps.push_back(step);
    }
    return steps;
}

// Dialog answers go into the shell's queues before the gestures that ask for them.
void queueAnswer(ScriptedShell& shell, const Step& step) {
    if (step.verb == "logic") {
        shell.logicElementAnswers.push_back(LogicElementParams{
            step.words.at(0) == "1", static_cast<uint32_t>(std::stoul(step.words.at(1))),
            step.words.at(2) == "1"});
    } else if (step.verb == "pin") {
        shell.pinAnswers.push_back(std::stoi(step.words.at(0)));
    } else if (step.verb == "question") {
        shell.questionAnswers.push_back(true);
    } else if (step.verb == "warning") {
        shell.warningAnswers.push_back(true);
    } else if (step.verb == "filename") {
        shell.fileNameAnswers.push_back(step.words.at(0));
    }
}

// A click is a move there, a press and a release; the pointer leaves the work area
// for the menu.
void play(CVortafrm& window, ScriptedShell& shell, const Step& step) {
    if (step.verb == "command") {
        shell.pointer.reset();
        window.OnCommand(std::stoi(step.words.at(0)));
    } else if (step.verb == "click" || step.verb == "ctrlclick") {
        const Point at{std::stoi(step.words.at(0)), std::stoi(step.words.at(1))};
        const uint32_t keys = step.verb == "ctrlclick" ? platform::MK_CONTROL : 0;
        shell.pointer = at;
        window.OnMouseMove(keys, at);
        window.OnLButtonDown(keys | platform::MK_LBUTTON, at);
        window.OnLButtonUp(keys, at);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: reference_session SESSION_FILE\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "reference_session: cannot read " << argv[1] << "\n";
        return 2;
    }
    const std::vector<Step> steps = readSession(in);
    ScriptedShell shell;
    CVortafrm window(shell);
    window.OnCreate();
    window.OnSize(shell.client.width, shell.client.height);
    for (const Step& step : steps) queueAnswer(shell, step);
    for (const Step& step : steps) play(window, shell, step);
    window.OnDestroy();
    if (shell.unanswered != 0) {
        std::cerr << "reference_session: " << shell.unanswered << " requests had no answer\n";
        return 1;
    }
    return 0;
}
