#pragma once

class QApplication;
class QIcon;

namespace reelmoor {

// Gives the application its name, version and desktop file name, so that the
// desktop shell can match its window to the installed menu entry. Call it
// before the first window is created.
void setUpApplication(QApplication& app);

// Gives the application its icon, for the windows that have none of their own,
// such as message boxes. Call it once the main window is shown: on X11 a window
// created while the application has an icon sends that icon to the X server and
// then its own, 344 kB each time, before it is mapped.
void setApplicationIcon(QApplication& app);

// The compiled-in icon, made from its images at 64, 128 and 256 pixels.
QIcon applicationIcon();

} // namespace reelmoor
