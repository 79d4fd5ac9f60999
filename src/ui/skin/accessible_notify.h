#pragma once
// Tells assistive technology that something a control shows has changed, as Qt's own widgets do
// for their texts and states.
#include <QAccessible>
#include <QVariant>

class QObject;

namespace oryn7px {

void AnnounceNameChange(QObject* control);
void AnnounceDescriptionChange(QObject* control);
void AnnounceStateChange(QObject* control, QAccessible::State changed);
void AnnounceValueChange(QObject* control, const QVariant& value);

}  // namespace oryn7px
