#include "ui/skin/accessible_values.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "core/layout/skin_arithmetic.h"
#include "ui/skin/png_progress_bar.h"
#include "ui/skin/png_slider.h"
#include "ui/skin/skin_scroll_bar.h"

namespace oryn7px {

AccessibleSlider::AccessibleSlider(CPngHSliderBar* slider) : AccessibleSkinControl(slider, QAccessible::Slider) {}

CPngHSliderBar* AccessibleSlider::Slider() const { return static_cast<CPngHSliderBar*>(widget()); }

QString AccessibleSlider::Name() const { return widget()->accessibleName(); }

QAccessible::State AccessibleSlider::state() const {
    QAccessible::State state = AccessibleSkinControl::state();
    // The slider greys out its own way: the widget stays enabled.
    if (Slider()->IsDisabled()) state.disabled = true;
    return state;
}

QString AccessibleSlider::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return QString::number(Slider()->GetPos());
    return AccessibleSkinControl::text(t);
}

void* AccessibleSlider::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return AccessibleSkinControl::interface_cast(type);
}

QVariant AccessibleSlider::currentValue() const { return Slider()->GetPos(); }

void AccessibleSlider::setCurrentValue(const QVariant& value) {
    CPngHSliderBar* slider = Slider();
    if (slider->IsDisabled()) return;
    slider->MoveTo(std::clamp(value.toInt(), slider->Minimum(), slider->Maximum()));
}

QVariant AccessibleSlider::maximumValue() const { return Slider()->Maximum(); }

QVariant AccessibleSlider::minimumValue() const { return Slider()->Minimum(); }

AccessibleProgressBar::AccessibleProgressBar(CPngHProgressBar* bar) : AccessibleSkinControl(bar, QAccessible::ProgressBar) {}

CPngHProgressBar* AccessibleProgressBar::Bar() const { return static_cast<CPngHProgressBar*>(widget()); }

QString AccessibleProgressBar::Name() const { return widget()->accessibleName(); }

QString AccessibleProgressBar::text(QAccessible::Text t) const {
    if (t != QAccessible::Value) return AccessibleSkinControl::text(t);
    const CPngHProgressBar* bar = Bar();
    const int span = bar->Maximum() - bar->Minimum();
    const int percent = span > 0 ? (bar->GetPos() - bar->Minimum()) * 100 / span : 0;
    return QStringLiteral("%1%").arg(percent);
}

void* AccessibleProgressBar::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return AccessibleSkinControl::interface_cast(type);
}

QVariant AccessibleProgressBar::currentValue() const { return Bar()->GetPos(); }

QVariant AccessibleProgressBar::maximumValue() const { return Bar()->Maximum(); }

QVariant AccessibleProgressBar::minimumValue() const { return Bar()->Minimum(); }

AccessibleScrollBar::AccessibleScrollBar(CSkinScrollBar* bar) : AccessibleSkinControl(bar, QAccessible::ScrollBar) {}

CSkinScrollBar* AccessibleScrollBar::Bar() const { return static_cast<CSkinScrollBar*>(widget()); }

QAbstractScrollArea* AccessibleScrollBar::View() const {
    const QWidget* frame = widget()->parentWidget();
    return frame ? frame->findChild<QAbstractScrollArea*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QString AccessibleScrollBar::Name() const {
    const QAbstractScrollArea* view = View();
    return FirstOf({widget()->accessibleName(), view ? view->accessibleName() : QString()});
}

void* AccessibleScrollBar::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return AccessibleSkinControl::interface_cast(type);
}

QVariant AccessibleScrollBar::currentValue() const { return Bar()->GetScrollInfo().pos; }

// The view keeps the scroll state; its frame shows the change in the skinned bar.
void AccessibleScrollBar::setCurrentValue(const QVariant& value) {
    QAbstractScrollArea* view = View();
    if (view == nullptr || !widget()->isEnabled()) return;
    QScrollBar* source = Bar()->Orientation() == Qt::Vertical ? view->verticalScrollBar() : view->horizontalScrollBar();
    source->setValue(value.toInt());
}

QVariant AccessibleScrollBar::maximumValue() const { return ScrollMaxPosition(Bar()->GetScrollInfo()); }

QVariant AccessibleScrollBar::minimumValue() const { return Bar()->GetScrollInfo().minimum; }

}  // namespace oryn7px
