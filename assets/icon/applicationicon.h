#pragma once

class QApplication;
class QIcon;

namespace reelmoor {

// The compiled-in icon, made from its images at 64, 128 and 256 pixels.
QIcon applicationIcon();

// Gives the application its icon, for the windows that have none of their own,
// such as message boxes. Call it once the main window is shown: on X11 a window
// created while the application has an icon sends that icon to the X server and
// then its own, 344 kB each time, before it is mapped.
void setApplicationIcon(QApplication& app);

} // namespace reelmoor
