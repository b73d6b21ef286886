#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace reelmoor {

// Shows a modal information box with one OK button and returns when it is closed.
// The window takes this as a parameter so that tests never block on a dialog.
using MessageBoxFunction =
    std::function<void(QWidget* parent, const QString& title, const QString& text)>;

void showInformationBox(QWidget* parent, const QString& title, const QString& text);

} // namespace reelmoor
