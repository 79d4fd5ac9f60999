#include "ui/skin/accessible_windows.h"

#include <QDialog>
#include <QMenu>
#include <QWidget>

#include "ui/skin/caption_board.h"
#include "ui/skin/png_slider.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/wnd_popup.h"

namespace oryn7px {

AccessiblePartsWindow::AccessiblePartsWindow(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

AccessiblePartsWindow::~AccessiblePartsWindow() {
    for (QAccessible::Id id : partIds_) {
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
}

// As Qt lists a widget's children, without a slider's thumb: the slider speaks for it.
QWidgetList AccessiblePartsWindow::ChildControls() const {
    QWidgetList controls;
    for (QObject* object : widget()->children()) {
        auto* control = qobject_cast<QWidget*>(object);
        if (control == nullptr || control->isWindow() || qobject_cast<QMenu*>(control) ||
            qobject_cast<CPngHSlider*>(control)) {
            continue;
        }
        controls.push_back(control);
    }
    return controls;
}

int AccessiblePartsWindow::childCount() const {
    return static_cast<int>(ChildControls().size() + Parts().size());
}

QAccessibleInterface* AccessiblePartsWindow::child(int index) const {
    const QWidgetList controls = ChildControls();
    if (index < 0) return nullptr;
    if (index < controls.size()) return QAccessible::queryAccessibleInterface(controls[index]);
    const auto part = static_cast<std::size_t>(index - controls.size());
    if (part >= Parts().size()) return nullptr;
    if (part >= partIds_.size()) partIds_.resize(part + 1, 0);
    if (partIds_[part] == 0) {
        partIds_[part] = QAccessible::registerAccessibleInterface(
            new AccessiblePart(const_cast<AccessiblePartsWindow*>(this), static_cast<int>(part)));
    }
    return QAccessible::accessibleInterface(partIds_[part]);
}

int AccessiblePartsWindow::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) return -1;
    const QWidgetList controls = ChildControls();
    if (const auto* part = dynamic_cast<const AccessiblePart*>(child))
        return part->Owner() == this ? static_cast<int>(controls.size()) + part->Index() : -1;
    return static_cast<int>(controls.indexOf(qobject_cast<QWidget*>(child->object())));
}

AccessiblePartsWindow::Part AccessiblePart::Current() const {
    const std::vector<AccessiblePartsWindow::Part> parts = owner_->Parts();
    return index_ < static_cast<int>(parts.size()) ? parts[static_cast<std::size_t>(index_)]
                                                   : AccessiblePartsWindow::Part{};
}

bool AccessiblePart::isValid() const {
    return owner_->isValid() && index_ < static_cast<int>(owner_->Parts().size());
}

QString AccessiblePart::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? Current().text : QString();
}

QRect AccessiblePart::rect() const {
    const QRect box = Current().box;
    return QRect(owner_->Window()->mapToGlobal(box.topLeft()), box.size());
}

QAccessible::State AccessiblePart::state() const {
    QAccessible::State state = Current().state;
    if (!owner_->Window()->isVisible()) state.invisible = true;
    return state;
}

namespace {

QAccessible::Role WindowRole(const QWidget* window) {
    if (!window->isWindow()) return QAccessible::Pane;
    return qobject_cast<const QDialog*>(window) ? QAccessible::Dialog : QAccessible::Window;
}

}  // namespace

AccessibleTextWindow::AccessibleTextWindow(QWidget* window) : AccessiblePartsWindow(window, WindowRole(window)) {}

QAccessible::Role AccessibleTextWindow::role() const { return WindowRole(widget()); }

std::vector<AccessiblePartsWindow::Part> AccessibleTextWindow::Parts() const {
    std::vector<Part> parts;
    const auto* owner = dynamic_cast<const CaptionOwner*>(widget());
    if (owner == nullptr) return parts;
    QAccessible::State label;
    label.readOnly = true;
    const auto add = [&](const ShownCaption& text) {
        if (!text.text.isEmpty()) parts.push_back({text.text, text.box, label});
    };
    for (const ShownCaption& caption : owner->Captions().OnOwner()) add(caption);
    for (const ShownCaption& text : owner->PaintedTexts()) add(text);
    return parts;
}

AccessiblePopupMenu::AccessiblePopupMenu(CMenuEx* menu) : AccessiblePartsWindow(menu, QAccessible::PopupMenu) {}

std::vector<AccessiblePartsWindow::Part> AccessiblePopupMenu::Parts() const {
    const auto* menu = static_cast<const CMenuEx*>(widget());
    std::vector<Part> parts;
    for (std::size_t i = 0; i < menu->Items().size(); ++i) {
        const CMenuEx::Item& item = menu->Items()[i];
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        state.selected = state.focused = menu->HoveredItem() == static_cast<int>(i);
        parts.push_back({item.text, ToQRect(item.rect), state});
    }
    return parts;
}

}  // namespace oryn7px
