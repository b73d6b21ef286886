#include "application.h"
#include "frmreelmoor.h"
#include "systemrandom.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    reelmoor::setUpApplication(app);

    reelmoor::SystemRandom random;
    reelmoor::frmReelmoor window(random);
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    reelmoor::setApplicationIcon(app);
    return QApplication::exec();
}
