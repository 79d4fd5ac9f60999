#include "ui/skin/accessible_skin_control.h"

#include <QWidget>

namespace oryn7px {

QString AccessibleSkinControl::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name: return Name();
        case QAccessible::Description: return Description();
        default: return QAccessibleWidget::text(t);
    }
}

QString AccessibleSkinControl::Description() const {
    const QString described = widget()->accessibleDescription();
    if (!described.isEmpty()) return described;
    const QString tip = widget()->toolTip();
    return tip == Name() ? QString() : tip;
}

QString FirstOf(std::initializer_list<QString> texts) {
    for (const QString& text : texts) {
        if (!text.isEmpty()) return text;
    }
    return {};
}

void AddChoiceState(QAccessible::State& state, QAccessible::Role role, bool on) {
    switch (role) {
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
            state.checkable = true;
            state.checked = on;
            break;
        case QAccessible::PageTab:
            state.selectable = true;
            state.selected = on;
            break;
        default: break;
    }
}

}  // namespace oryn7px
