#include "converter/UnitOptionView.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace pelcor {

namespace {

class UnitOptionAccessible : public QAccessibleWidget {
public:
    explicit UnitOptionAccessible(UnitOption* option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const QString name = option()->accessibleName();
        return name.isEmpty() ? option()->text().remove('&') : name;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        QStringList names;
        if (option()->isEnabled()) names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == toggleAction())
            option()->click(); // does nothing while disabled, as a mouse click
        else
            QAccessibleWidget::doAction(action);
    }

private:
    UnitOption* option() const { return static_cast<UnitOption*>(widget()); }
};

QAccessibleInterface* UnitOptionFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(UnitOption::staticMetaObject.className())) return nullptr;
    auto* option = qobject_cast<UnitOption*>(object);
    return option ? new UnitOptionAccessible(option) : nullptr;
}

} // namespace

UnitOption::UnitOption(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    static const bool installed = [] {
        QAccessible::installFactory(UnitOptionFactory);
        return true;
    }();
    (void)installed;
}

} // namespace pelcor
