#include "accessibility.h"

#include "handlelabel.h"
#include "machineview.h"
#include "picturebox.h"
#include "symbols.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace reelmoor {

namespace {

// Qt's own interface for a button presses through animateClick(), which clicks
// about 100 ms later, and offers a focus action besides. This one clicks at
// once and offers the press alone, while the handle is enabled.
class HandleAccessible : public QAccessibleWidget {
public:
    explicit HandleAccessible(HandleLabel* handle)
        : QAccessibleWidget(handle, QAccessible::Button) {}

    QStringList actionNames() const override {
        return widget()->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            static_cast<HandleLabel*>(widget())->click();
        }
    }
};

// The machine's elements in reading order, top to bottom and left to right,
// rather than in stacking order, which puts reel 3 before reel 1.
class MachineAccessible : public QAccessibleWidget {
public:
    explicit MachineAccessible(MachineView* view) : QAccessibleWidget(view) {}

    int childCount() const override { return int(elements().size()); }
    QAccessibleInterface* child(int index) const override {
        // Out of range, no element, and so no interface.
        return QAccessible::queryAccessibleInterface(elements().value(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(elements().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> elements() const {
        QList<QWidget*> list;
        const auto& leftOut = static_cast<const MachineView*>(widget())->leftOutOfAccessibleTree;
        for (QObject* object : widget()->children()) {
            auto* element = qobject_cast<QWidget*>(object);
            if (element && !element->isWindow() && !leftOut.contains(element)) {
                list << element;
            }
        }
        // Stable: the pictures of one reel keep their index order.
        std::ranges::stable_sort(list, [](const QWidget* a, const QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return list;
    }
};

// Qt asks with the object's own class first, so our classes are met before
// their Qt bases.
QAccessibleInterface* createInterface(const QString&, QObject* object) {
    if (auto* handle = qobject_cast<HandleLabel*>(object)) {
        return new HandleAccessible(handle);
    }
    if (auto* box = qobject_cast<PictureBox*>(object)) {
        return new QAccessibleWidget(box, QAccessible::Graphic);
    }
    if (auto* view = qobject_cast<MachineView*>(object)) {
        return new MachineAccessible(view);
    }
    if (auto* announcer = qobject_cast<Announcer*>(object)) {
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

void installAccessibleFactory() {
    // Qt installs a factory only once.
    QAccessible::installFactory(createInterface);
}

QString symbolName(int index) {
    // Spoken in lower case; the first of a sentence is capitalised where it is used.
    return QCoreApplication::translate("Symbol", index == 0 ? QT_TRANSLATE_NOOP("Symbol", "blank")
                                                            : kSymbols[index - 1].name);
}

QString spokenText(QString text) {
    // The marks, embeddings and isolates that order text on screen, such as
    // those that keep an amount whole in right-to-left text. Persian's
    // zero-width non-joiner (U+200C) is spelling and stays.
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
               (u >= 0x2066 && u <= 0x2069);
    });
    return text;
}

void setAccessibleNameAndNotify(QWidget* widget, const QString& name) {
    // Qt sends the name change itself.
    const QString spoken = spokenText(name);
    if (widget->accessibleName() != spoken) {
        widget->setAccessibleName(spoken);
    }
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    hide();
}

void Announcer::announce(const QString& sentence) {
    setAccessibleName(spokenText(sentence));
    // Screen readers speak a notification when it becomes showing. Qt 6.4 has
    // no announcement event, and a changed name is spoken only for the focus.
    QAccessibleEvent event(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

} // namespace reelmoor
