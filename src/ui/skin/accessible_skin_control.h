#pragma once
// The common part of the skinned controls' interfaces: the name is what the control shows, and a
// tooltip that already gives the name is not read a second time as the description.
#include <QAccessibleWidget>
#include <QString>
#include <initializer_list>

namespace oryn7px {

class AccessibleSkinControl : public QAccessibleWidget {
public:
    AccessibleSkinControl(QWidget* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QString text(QAccessible::Text t) const override;

protected:
    // The name in the UI language; empty where the control shows none.
    virtual QString Name() const = 0;
    virtual QString Description() const;
};

// The first text that is not empty.
QString FirstOf(std::initializer_list<QString> texts);

// Adds a choice's state: checked for check boxes and radio buttons, selected for tabs.
void AddChoiceState(QAccessible::State& state, QAccessible::Role role, bool on);

}  // namespace oryn7px
