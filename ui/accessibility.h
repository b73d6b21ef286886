#pragma once

#include <QString>

class QWidget;

namespace reelmoor {

// Lets assistive technology see the handle as a button it can press and the
// reel pictures as graphics. Safe to call more than once.
void installAccessibleFactory();

// The spoken name of picture 0 to 7 of a reel; 0 is the blank one.
QString symbolName(int index);

// Sets a widget's accessible name and, if it changed, tells assistive technology.
void setAccessibleNameAndNotify(QWidget* widget, const QString& name);

// Tells assistive technology that a widget's name should be read again,
// as when a reel comes to rest on its picture.
void notifyNameChanged(QWidget* widget);

} // namespace reelmoor
