#pragma once

class QApplication;
class QIcon;

namespace reelmoor {

// Gives the application its name, version, desktop file name and icon, so that
// the desktop shell can match its window to the installed menu entry.
void setUpApplication(QApplication& app);

// The icon from the desktop's icon theme, or the compiled-in one where the
// theme does not have it (as when the game runs from its build directory).
QIcon applicationIcon();

} // namespace reelmoor
