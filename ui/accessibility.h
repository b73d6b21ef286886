#pragma once

#include <QString>
#include <QWidget>

namespace reelmoor {

// Lets assistive technology see the handle as a button it can press, the reel
// pictures as graphics and the machine's elements in reading order. Safe to
// call more than once.
void installAccessibleFactory();

// The spoken name of a reel's picture: its place's symbol, or for 0 the blank.
QString symbolName(int index);

// The text as a screen reader should get it: without the marks that only
// order it on screen.
QString spokenText(QString text);

// Sets a widget's accessible name, as spoken; Qt tells assistive technology if it changed.
void setAccessibleNameAndNotify(QWidget* widget, const QString& name);

// An element that is never shown or painted. Screen readers speak what it is
// given at once, wherever focus is: it is a notification that appears.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent = nullptr);

    void announce(const QString& sentence);
};

} // namespace reelmoor
