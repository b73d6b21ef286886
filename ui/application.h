#pragma once

// The icon and its engine live with its images, in assets/icon/.
#include "applicationicon.h"

#include <thread>

class QApplication;

namespace reelmoor {

// Reads the system's font configuration on a thread of its own, while Qt
// connects to the display. Reading it is most of what Qt's font database costs
// before the window's first text. Start it before QApplication, and join it
// (when joinable) before the first window: a font asked for earlier would make
// Qt read it all a second time.
[[nodiscard]] std::jthread loadFontConfiguration();

// Gives the application its name, version and desktop file name, so that the
// desktop shell can match its window to the installed menu entry. Call it
// before the first window is created.
void setUpApplication(QApplication& app);

} // namespace reelmoor
