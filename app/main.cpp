#include "commandline.h"
#include "startup.h"

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Before QApplication, which aborts when there is no display: --help and
    // --version must work over ssh and in scripts.
    const reelmoor::CommandLine command =
        reelmoor::parseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    switch (command.action) {
    case reelmoor::CommandLine::Action::Help:
        std::fputs(reelmoor::usageText().c_str(), stdout);
        return 0;
    case reelmoor::CommandLine::Action::Version:
        std::fputs(reelmoor::versionText().c_str(), stdout);
        return 0;
    case reelmoor::CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", command.message.c_str());
        return 1;
    case reelmoor::CommandLine::Action::Play:
        break;
    }

    return reelmoor::runGame(argc, argv);
}
