#include "accessibility.h"

#include "handlelabel.h"
#include "picturebox.h"

#include <QAccessibleWidget>

namespace reelmoor {

namespace {

// A painted square would otherwise be an anonymous client area.
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

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(HandleLabel::staticMetaObject.className())) {
        if (auto* handle = qobject_cast<HandleLabel*>(object)) {
            return new HandleAccessible(handle);
        }
    }
    if (className == QLatin1String(PictureBox::staticMetaObject.className())) {
        if (auto* box = qobject_cast<PictureBox*>(object)) {
            return new QAccessibleWidget(box, QAccessible::Graphic);
        }
    }
    return nullptr;
}

} // namespace

void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

QString symbolName(int index) {
    static const char* const kNames[] = {
        "blank", "cherries", "grapes", "lemon", "orange", "apple", "yellow fruit", "pineapple",
    };
    return QLatin1String(kNames[index]);
}

void setAccessibleNameAndNotify(QWidget* widget, const QString& name) {
    // Qt sends the name change itself.
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
}

void notifyNameChanged(QWidget* widget) {
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace reelmoor
