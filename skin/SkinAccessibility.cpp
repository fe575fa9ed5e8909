#include "skin/SkinAccessibility.h"

#include "skin/CBitmapButton.h"
#include "skin/CSkinnedDialog.h"
#include "skin/CSkinSlider.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

// Names and descriptions only as set for assistive tools: a tooltip may say something else (the
// Stop/Play button's tip is "Stop" in either state).
QString SetText(const QWidget* widget, QAccessible::Text kind)
{
    return kind == QAccessible::Name ? widget->accessibleName() : widget->accessibleDescription();
}

class BitmapButtonAccessible final : public QAccessibleWidget
{
public:
    explicit BitmapButtonAccessible(CBitmapButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    // Qt's bridge has no toggle-button role: an on/off button is a check box, as Qt shows a checkable
    // button.
    QAccessible::Role role() const override
    {
        return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && button()->accessibleName().isEmpty())
            return button()->text();
        if (kind == QAccessible::Name || kind == QAccessible::Description)
            return SetText(button(), kind);
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name != pressAction())
            QAccessibleWidget::doAction(name);
        else if (button()->isEnabled())
            button()->RunPressAction();
    }

private:
    CBitmapButton* button() const { return static_cast<CBitmapButton*>(widget()); }
};

class SkinSliderAccessible final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SkinSliderAccessible(CSkinSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name || kind == QAccessible::Description)
            return SetText(slider(), kind);
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return slider()->GetPos() + slider()->ShownOffset(); }
    void setCurrentValue(const QVariant& value) override
    {
        slider()->MoveTo(value.toInt() - slider()->ShownOffset());
    }
    QVariant minimumValue() const override { return slider()->GetRangeMin() + slider()->ShownOffset(); }
    QVariant maximumValue() const override { return slider()->GetRangeMax() + slider()->ShownOffset(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    CSkinSlider* slider() const { return static_cast<CSkinSlider*>(widget()); }
};

// Pictures without a name are decoration (the emblem, the digit tiles standing for a named read-out, a
// painted label beside a named control), and a hidden control is not there for the user: neither is
// listed.
bool IsReadable(const QWidget* child)
{
    if (child->isWindow() || child->isHidden())
        return false;
    const auto* label = qobject_cast<const QLabel*>(child);
    return !label || label->pixmap().isNull() || !label->accessibleName().isEmpty();
}

class SkinnedDialogAccessible final : public QAccessibleWidget
{
public:
    explicit SkinnedDialogAccessible(CSkinnedDialog* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog)
    {}

    int childCount() const override { return int(readableChildren().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = readableChildren();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(readableChildren().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> readableChildren() const
    {
        QList<QWidget*> readable;
        for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (IsReadable(child))
                readable.append(child);
        }
        return readable;
    }
};

QAccessibleInterface* SkinAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CBitmapButton"))
        return new BitmapButtonAccessible(static_cast<CBitmapButton*>(object));
    if (className == QLatin1String("CSkinSlider"))
        return new SkinSliderAccessible(static_cast<CSkinSlider*>(object));
    if (className == QLatin1String("CSkinnedDialog"))
        return new SkinnedDialogAccessible(static_cast<CSkinnedDialog*>(object));
    // A window's title is a picture of its text: it reads as that text.
    if (className == QLatin1String("QLabel") && object->objectName() == QLatin1String("1037"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    return nullptr;
}

} // namespace

void InstallSkinAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(SkinAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
