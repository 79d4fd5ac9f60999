#include "ui/skin/accessible_notify.h"

namespace oryn7px {

void AnnounceNameChange(QObject* control) {
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void AnnounceDescriptionChange(QObject* control) {
    QAccessibleEvent event(control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void AnnounceStateChange(QObject* control, QAccessible::State changed) {
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void AnnounceValueChange(QObject* control, const QVariant& value) {
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}

}  // namespace oryn7px
