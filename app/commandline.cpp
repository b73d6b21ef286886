#include "commandline.h"

#include "reelmoorversion.h"

#include <algorithm>
#include <string_view>

namespace reelmoor {

namespace {

// The options that QGuiApplication, QApplication and the platform plugins take
// for themselves. Those that only one platform understands are accepted on all
// of them, as Qt leaves them alone there rather than refusing them.
// clang-format off
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "geometry", "title", "icon", "display", "name", "session", "style",
    "stylesheet"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "testability", "nograb",
                                         "dograb", "sync"};
constexpr std::string_view kQtOptionsWithEquals[] = {"style=", "stylesheet=", "session=",
                                                     "qmljsdebugger="};
// clang-format on

bool isQtFlag(std::string_view word) {
    return std::ranges::find(kQtFlags, word) != std::end(kQtFlags) ||
           std::ranges::any_of(kQtOptionsWithEquals, [word](std::string_view prefix) {
               return word.starts_with(prefix);
           });
}

CommandLine refuse(const std::string& what) {
    return {CommandLine::Action::Refuse,
            "reelmoor: " + what + "; try 'reelmoor --help' for more information"};
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    bool help = false;
    bool version = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            help = true;
            continue;
        }
        if (argument == "-v" || argument == "--version") {
            version = true;
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            return refuse("unexpected argument '" + argument + "'");
        }
        // Qt reads its options with one dash or two.
        std::string_view word(argument);
        word.remove_prefix(word.starts_with("--") ? 2 : 1);
        if (std::ranges::find(kQtOptionsWithValue, word) != std::end(kQtOptionsWithValue)) {
            if (++i == arguments.size()) {
                return refuse("option '" + argument + "' needs a value");
            }
        } else if (!isQtFlag(word)) {
            return refuse("unknown option '" + argument + "'");
        }
    }
    using enum CommandLine::Action;
    return {help ? Help : version ? Version : Play, {}};
}

std::string usageText() {
    return "Usage: reelmoor [OPTION]\n"
           "Reelmoor, a three-reel fruit slot machine for play money.\n"
           "\n"
           "  -h, --help      show this help and exit\n"
           "  -v, --version   show the version and exit\n"
           "\n"
           "Qt's own options, such as -platform or -reverse, are accepted too.\n";
}

std::string versionText() {
    return "Reelmoor " REELMOOR_DISPLAY_VERSION "\n";
}

} // namespace reelmoor
