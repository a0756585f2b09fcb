#include "platform/qt/views/accessible_roles.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QVariant>

namespace platform::qt {

namespace {

constexpr char RoleProperty[] = "pantrivoAccessibleRole";
constexpr char NamedDropDownProperty[] = "pantrivoNamedDropDown";

// A drop-down box as Qt describes one (its open list and text line as its
// parts, the actions that open and close the list), named by its name.
class NamedDropDown final : public QAccessibleWidget {
public:
    explicit NamedDropDown(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Value) return QAccessibleWidget::text(t);
        return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
    }

    int childCount() const override { return box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable()) return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* part) const override {
        if (!part) return -1;
        if (part->object() == box()->view()) return 0;
        if (box()->isEditable() && part->object() == box()->lineEdit()) return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.collapsed = !s.expanded;
        s.editable = box()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (box()->view()->isVisible()) box()->hidePopup();
        else box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* MarkedWidgets(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (object->property(NamedDropDownProperty).toBool())
        if (auto* box = qobject_cast<QComboBox*>(object)) return new NamedDropDown(box);
    const QVariant role = object->property(RoleProperty);
    if (role.isValid())
        return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
    return nullptr;
}

// Before the first widget is marked: Qt asks for a widget's description
// only once, and keeps it.
void InstallOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(&MarkedWidgets);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace

void AnnounceAs(QWidget& widget, QAccessible::Role role) {
    InstallOnce();
    widget.setProperty(RoleProperty, static_cast<int>(role));
}

void KeepNameOfDropDown(QComboBox& box) {
    InstallOnce();
    box.setProperty(NamedDropDownProperty, true);
}

}  // namespace platform::qt
