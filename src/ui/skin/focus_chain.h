#pragma once
// The keyboard order of a window: the controls Tab visits in turn and the groups the arrow keys
// move in. Each page lists its own; the window strings them together with its frame's.
#include <vector>

class QWidget;

namespace oryn7px {

// Controls the arrow keys move between: Left and Up go back, Right and Down on; in a grid Up and
// Down go a row. With `select`, what the arrows reach is chosen too, as a click on it would
// (a radio group).
struct ArrowGroup {
    std::vector<QWidget*> members;
    void (*select)(QWidget* control) = nullptr;
    int columns = 0;  // 0: one row
};

struct FocusOrder {
    std::vector<QWidget*> chain;  // in Tab order
    std::vector<ArrowGroup> groups;

    void Append(const FocusOrder& more);
};

// Radio buttons: the arrows move and select (by a click).
ArrowGroup RadioGroup(std::vector<QWidget*> members);
// The arrows only move the focus.
ArrowGroup FocusRow(std::vector<QWidget*> members);
ArrowGroup FocusGrid(std::vector<QWidget*> members, int columns);

// Left, Right, Up or Down.
bool IsArrowKey(int key);

// Top to bottom, left to right within a row; controls whose tops lie a few pixels apart share a
// row. For groups whose layouts differ by language.
std::vector<QWidget*> InReadingOrder(std::vector<QWidget*> controls);

// Every control of the chain takes the focus from Tab and from a click.
void TakeFocus(const FocusOrder& order);

// Moves `window`'s focus to the next (or previous) control of the chain that can take it now
// (shown, enabled, a skinned slider in use), round the end; from outside the chain to the first
// (or last). False when none can.
bool MoveFocus(QWidget* window, const FocusOrder& order, bool forward);

// An arrow key on `from`: moves within its group and selects there when the group does. False
// when `from` is in no group (the key is then not for the order).
bool MoveInGroup(const FocusOrder& order, QWidget* from, int key);

}  // namespace oryn7px
