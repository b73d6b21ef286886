#pragma once

#include <functional>

class QApplication;
class QWidget;

namespace reelmoor {

// Where start-up has got to, for the probe that times it.
enum class StartupStep {
    ApplicationCreated, // QApplication exists
    WindowBuilt,        // the window is set up and placed, not yet shown
    WindowShown,        // show() has returned and the application has its icon
};

using StartupObserver = std::function<void(StartupStep, QApplication&)>;

// Starts the game and runs it to its end: the program's start-up, shared with
// the start-up probe so that the probe measures what the program does.
int runGame(
    int& argc, char* argv[], const StartupObserver& reached = [](StartupStep, QApplication&) {});

// Gives the application its name, version and desktop file name, so that the
// desktop shell can match its window to the installed menu entry. Call it
// before the first window is created.
void setUpApplication(QApplication& app);

// Gives the window its own size and centres it on its screen's available
// area, the part that panels leave free.
void centreOnScreen(QWidget& window);

} // namespace reelmoor
