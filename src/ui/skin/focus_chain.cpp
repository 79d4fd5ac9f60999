#include "ui/skin/focus_chain.h"

#include <QAbstractButton>
#include <QWidget>
#include <algorithm>

#include "ui/skin/png_slider.h"

namespace oryn7px {

namespace {

constexpr int kRowTolerance = 8;

void Click(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) button->click();
}

// The step an arrow key takes in a group: -1 back, +1 on, or a row in a grid; 0 for other keys.
int ArrowStep(const ArrowGroup& group, int key) {
    const int row = group.columns > 0 ? group.columns : 1;
    switch (key) {
        case Qt::Key_Left: return -1;
        case Qt::Key_Right: return 1;
        case Qt::Key_Up: return -row;
        case Qt::Key_Down: return row;
        default: return 0;
    }
}

bool Reachable(const QWidget* control) {
    if (!control->isVisibleTo(control->window()) || !control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus))
        return false;
    const auto* slider = qobject_cast<const CPngHSliderBar*>(control);
    return slider == nullptr || !slider->IsDisabled();
}

}  // namespace

bool IsArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

void FocusOrder::Append(const FocusOrder& more) {
    chain.insert(chain.end(), more.chain.begin(), more.chain.end());
    groups.insert(groups.end(), more.groups.begin(), more.groups.end());
}

ArrowGroup RadioGroup(std::vector<QWidget*> members) { return {std::move(members), Click, 0}; }

ArrowGroup FocusRow(std::vector<QWidget*> members) { return {std::move(members), nullptr, 0}; }

ArrowGroup FocusGrid(std::vector<QWidget*> members, int columns) { return {std::move(members), nullptr, columns}; }

std::vector<QWidget*> InReadingOrder(std::vector<QWidget*> controls) {
    const auto top = [](const QWidget* control) { return control->mapTo(control->window(), QPoint(0, 0)).y(); };
    const auto left = [](const QWidget* control) { return control->mapTo(control->window(), QPoint(0, 0)).x(); };
    std::stable_sort(controls.begin(), controls.end(), [&](const QWidget* a, const QWidget* b) { return top(a) < top(b); });
    // A row runs while the tops stay within the tolerance of its first; each row left to right.
    for (auto row = controls.begin(); row != controls.end();) {
        const int rowTop = top(*row);
        const auto end = std::find_if(row, controls.end(), [&](const QWidget* c) { return top(c) - rowTop > kRowTolerance; });
        std::stable_sort(row, end, [&](const QWidget* a, const QWidget* b) { return left(a) < left(b); });
        row = end;
    }
    return controls;
}

void TakeFocus(const FocusOrder& order) {
    for (QWidget* control : order.chain) control->setFocusPolicy(Qt::StrongFocus);
}

bool MoveFocus(QWidget* window, const FocusOrder& order, bool forward) {
    const std::vector<QWidget*>& chain = order.chain;
    const auto count = static_cast<int>(chain.size());
    // A control's own part (a list's rename box) counts as the control.
    const QWidget* focused = window->focusWidget();
    while (focused != nullptr && focused != window && std::find(chain.begin(), chain.end(), focused) == chain.end())
        focused = focused->parentWidget();
    const int at = static_cast<int>(std::find(chain.begin(), chain.end(), focused) - chain.begin());
    const int step = forward ? 1 : -1;
    // From outside the chain, the first step lands on its first (or last) control.
    const int start = at < count ? at : (forward ? -1 : count);
    for (int i = 1; i <= count; ++i) {
        QWidget* candidate = chain[static_cast<std::size_t>(((start + step * i) % count + count) % count)];
        if (!Reachable(candidate)) continue;
        candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

bool MoveInGroup(const FocusOrder& order, QWidget* from, int key) {
    for (const ArrowGroup& group : order.groups) {
        const auto at = std::find(group.members.begin(), group.members.end(), from);
        if (at == group.members.end()) continue;
        const int step = ArrowStep(group, key);
        if (step == 0) return false;
        // The next reachable member that way; a group ends where it ends.
        for (auto index = (at - group.members.begin()) + step;
             index >= 0 && index < static_cast<std::ptrdiff_t>(group.members.size()); index += step) {
            QWidget* target = group.members[static_cast<std::size_t>(index)];
            if (!Reachable(target)) continue;
            target->setFocus(Qt::OtherFocusReason);
            if (group.select != nullptr) group.select(target);
            return true;
        }
        return true;
    }
    return false;
}

}  // namespace oryn7px
