#include "messagebox.h"

#include "accessibility.h"

#include <QLabel>
#include <QMessageBox>

namespace reelmoor {

void showInformationBox(QWidget* parent, const QString& title, const QString& text) {
    // The texts separate lines with CR LF; a label wants plain line feeds.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // In a right-to-left box every line reads right to left, also one with no
    // letter of the language, such as the name and version.
    if (parent && parent->isRightToLeft()) {
        const QChar mark(0x200F);
        shown.replace(QLatin1String("\n"), QLatin1String("\n") + mark).prepend(mark);
    }
    QMessageBox box(QMessageBox::Information, title, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        // A screen reader reads the label without the marks.
        label->setAccessibleName(spokenText(shown));
        // The box wraps a text wider than half the screen or 500 pixels, and
        // a desktop's larger font or icon makes ours so; its lines are written
        // to stand whole.
        label->setMinimumWidth(label->sizeHint().width());
    }
    box.exec();
}

} // namespace reelmoor
