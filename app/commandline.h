#pragma once

#include <string>
#include <vector>

namespace reelmoor {

// What the command line asks for. Qt's own options are left to Qt.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    std::string message; // the refusal, naming what was refused
};

// Reads the arguments after the program name. Works without a display, so it
// runs before the application object exists.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string usageText();
std::string versionText();

} // namespace reelmoor
