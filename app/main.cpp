#include "commandline.h"
#include "startup.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
// As coreutils do: output that cannot be written, to a full disk or a closed
// pipe, is an error and says so.
int print(const std::string& text) {
    if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
        const int error = errno;
        std::fprintf(stderr, "reelmoor: write error: %s\n", std::strerror(error));
        return 1;
    }
    return 0;
}
} // namespace

int main(int argc, char* argv[]) {
    // Before QApplication, which aborts when there is no display: --help and
    // --version must work over ssh and in scripts.
    const reelmoor::CommandLine command =
        reelmoor::parseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    switch (command.action) {
    case reelmoor::CommandLine::Action::Help:
        return print(reelmoor::usageText());
    case reelmoor::CommandLine::Action::Version:
        return print(reelmoor::versionText());
    case reelmoor::CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", command.message.c_str());
        return 1;
    case reelmoor::CommandLine::Action::Play:
        break;
    }

    return reelmoor::runGame(argc, argv);
}
