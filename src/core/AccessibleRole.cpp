#include "core/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "core/PictureControl.h"

namespace
{
constexpr const char* kRoleProperty = "zendraAccessibleRole";

class RoleAccessible final : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    // Read at every call: a screen reader may have asked for the control before its role was set.
    QAccessible::Role role() const override
    {
        return static_cast<QAccessible::Role>(widget()->property(kRoleProperty).toInt());
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pictureButton())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            if (PictureControl* control = pictureButton())
                control->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    PictureControl* pictureButton() const
    {
        return role() == QAccessible::Button ? qobject_cast<PictureControl*>(widget()) : nullptr;
    }
};

QAccessibleInterface* roleFactory(const QString& className, QObject* object)
{
    // Asked for each class of the object's ancestry, most derived first: answer only for that one.
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (!object->property(kRoleProperty).isValid())
        return nullptr;
    return new RoleAccessible(static_cast<QWidget*>(object));
}
} // namespace

void AccessibleRole::set(QWidget& widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    Q_UNUSED(installed);
    widget.setProperty(kRoleProperty, static_cast<int>(role));
}
