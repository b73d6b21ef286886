#pragma once

// The icon and its engine live with its images, in assets/icon/.
#include "applicationicon.h"

class QApplication;

namespace reelmoor {

// Gives the application its name, version and desktop file name, so that the
// desktop shell can match its window to the installed menu entry. Call it
// before the first window is created.
void setUpApplication(QApplication& app);

} // namespace reelmoor
