#include "application.h"
#include "commandline.h"
#include "frmreelmoor.h"
#include "systemrandom.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

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

    std::jthread fontConfiguration = reelmoor::loadFontConfiguration();
    QApplication app(argc, argv);
    reelmoor::setUpApplication(app);
    if (fontConfiguration.joinable()) {
        fontConfiguration.join();
    }

    reelmoor::SystemRandom random;
    reelmoor::frmReelmoor window(random);
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    reelmoor::setApplicationIcon(app);
    return QApplication::exec();
}
