#include "messagebox.h"

#include <QMessageBox>

namespace reelmoor {

void showInformationBox(QWidget* parent, const QString& title, const QString& text) {
    // The texts separate lines with CR LF; a label wants plain line feeds.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::Information, title, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace reelmoor
