#pragma once

class QApplication;
class QIcon;

namespace reelmoor {

// Gives the application its name, version, desktop file name and icon, so that
// the desktop shell can match its window to the installed menu entry.
void setUpApplication(QApplication& app);

// The compiled-in icon, made from its images at 64, 128 and 256 pixels.
QIcon applicationIcon();

} // namespace reelmoor
