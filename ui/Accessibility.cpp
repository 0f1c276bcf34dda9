#include "Accessibility.h"

#include "Caption.h"
#include "UpDown.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>
#include <QVariant>

namespace {

// The dynamic property that carries a control's role for RoleFactory.
constexpr char kRoleProperty[] = "morvaneAccessibleRole";

// A control that the user clicks although Qt knows it only as a label or a
// picture: announced with the role of what it does, activated by "press".
class TAccessibleClickable : public QAccessibleWidget {
public:
    TAccessibleClickable(QWidget* Control, QAccessible::Role Role)
        : QAccessibleWidget(Control, Role) {}

    QAccessible::State state() const override {
        QAccessible::State S = QAccessibleWidget::state();
        if (role() == QAccessible::Link)
            S.linked = true;
        return S;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& Action) override {
        if (Action != pressAction())
            return;
        // The same press and release a mouse click brings, at the centre.
        QWidget* Control = widget();
        const QPointF Centre = QRectF(Control->rect()).center();
        const QPointF Global = Control->mapToGlobal(Centre);
        QMouseEvent Press(QEvent::MouseButtonPress, Centre, Global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(Control, &Press);
        QMouseEvent Release(QEvent::MouseButtonRelease, Centre, Global, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Control, &Release);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* RoleFactory(const QString& /*ClassName*/, QObject* Object) {
    if (!Object || !Object->isWidgetType())
        return nullptr;
    const QVariant Role = Object->property(kRoleProperty);
    if (!Role.isValid())
        return nullptr;
    return new TAccessibleClickable(static_cast<QWidget*>(Object),
                                    static_cast<QAccessible::Role>(Role.toInt()));
}

} // namespace

QString AccessibleNameOfCaption(const QString& Caption) {
    QString Name = ParseCaption(Caption).Shown.trimmed();
    if (Name.endsWith(u':') || Name.endsWith(u'\uFF1A')) // ":" or the full-width "："
        Name.chop(1);
    return Name.trimmed();
}

void NameFieldsAfterLabels(QWidget* Form) {
    for (const QLabel* Label : Form->findChildren<QLabel*>()) {
        QWidget* Field = Label->buddy();
        if (Field && Field->accessibleName().isEmpty())
            Field->setAccessibleName(AccessibleNameOfCaption(Label->text()));
    }
}

void NameSpinButtons(TUpDown* Spin) {
    const QWidget* Edit = Spin->Associate();
    if (!Edit || Edit->accessibleName().isEmpty())
        return;
    const QString Name = Edit->accessibleName();
    //: What a screen reader calls a spin button; %1 is its field's name
    //: ("Days up/down").
    Spin->setAccessibleName(QCoreApplication::translate("Accessibility", "%1 up/down").arg(Name));
    //: What a screen reader calls a spin button's upper half ("Days up").
    Spin->UpButton()->setAccessibleName(
        QCoreApplication::translate("Accessibility", "%1 up").arg(Name));
    //: What a screen reader calls a spin button's lower half ("Days down").
    Spin->DownButton()->setAccessibleName(
        QCoreApplication::translate("Accessibility", "%1 down").arg(Name));
}

void SetAccessibleRole(QWidget* Control, QAccessible::Role Role) {
    // Installed once, after the widgets' own factory (which the application
    // object installs), so that it is asked first.
    static const bool Installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    (void)Installed;
    Control->setProperty(kRoleProperty, static_cast<int>(Role));
    // Qt builds and keeps a control's interface as soon as the control is
    // made (its text set in the constructor asks for it); drop that one so
    // that the next request is answered with the role.
    if (QAccessibleInterface* Made = QAccessible::queryAccessibleInterface(Control);
        Made && Made->role() != Role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(Made));
}
