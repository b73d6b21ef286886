#include "application.h"

#include <QApplication>

#include <fontconfig/fontconfig.h>
#include <locale.h>

#include <system_error>

namespace reelmoor {

std::jthread loadFontConfiguration() {
    try {
        return std::jthread([] {
            // QApplication sets the process's locale meanwhile, and fontconfig
            // reads the numbers in its files by the locale: this thread keeps
            // to the C locale, which setlocale() does not reach.
            const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
            const locale_t previous = c ? uselocale(c) : locale_t(nullptr);
            FcInit();
            if (c) {
                uselocale(previous);
                freelocale(c);
            }
        });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads the configuration itself, as it would anyway.
        return {};
    }
}

void setUpApplication(QApplication& app) {
    app.setApplicationName(QStringLiteral("Reelmoor"));
    app.setApplicationVersion(QStringLiteral(REELMOOR_DISPLAY_VERSION));
    app.setDesktopFileName(QStringLiteral(REELMOOR_APP_ID));
}

} // namespace reelmoor
