#include "commandline.h"
#include "startup.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

// On GNOME's Wayland session Qt would run the game as a Wayland client and
// draw its title bar itself, and none of Qt's title bars keeps a fixed-size
// window from being maximized: mutter grants a client's own request. Mutter
// 43 also places a new Wayland window by a tiling rule, not centred. Through
// Xwayland, as Qt 5 ran on GNOME, the window has GNOME's own title bar and
// opens where it asks. Native Wayland stays the fallback; a player's own
// QT_QPA_PLATFORM stays, and Qt's -platform wins over both.
void preferXwaylandOnGnome() {
    const auto says = [](const char* variable, const char* word) {
        const char* value = std::getenv(variable);
        return value && ::strcasestr(value, word);
    };
    if (says("XDG_SESSION_TYPE", "wayland") && says("DISPLAY", ":") &&
        (says("XDG_CURRENT_DESKTOP", "gnome") || says("XDG_SESSION_DESKTOP", "gnome"))) {
        ::setenv("QT_QPA_PLATFORM", "xcb;wayland", 0);
    }
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
    preferXwaylandOnGnome();

    return reelmoor::runGame(argc, argv);
}
