#include "frmreelmoor.h"
#include "symbolart.h"
#include "systemrandom.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Reelmoor"));
    QApplication::setApplicationVersion(QStringLiteral(REELMOOR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(REELMOOR_APP_ID));
    QIcon icon(reelmoor::SymbolArt::iconResource());
    icon.addFile(reelmoor::SymbolArt::iconPngResource());
    QApplication::setWindowIcon(icon);

    reelmoor::SystemRandom random;
    reelmoor::frmReelmoor window(random);
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return QApplication::exec();
}
