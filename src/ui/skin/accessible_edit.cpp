#include "ui/skin/accessible_edit.h"

#include <QFontMetrics>
#include <algorithm>

#include "ui/skin/bitmap_edit.h"

namespace oryn7px {

AccessibleBitmapEdit::AccessibleBitmapEdit(CBitmapEdit* edit) : AccessibleSkinControl(edit, QAccessible::EditableText) {}

CBitmapEdit* AccessibleBitmapEdit::Edit() const { return static_cast<CBitmapEdit*>(widget()); }

QAccessible::Role AccessibleBitmapEdit::role() const {
    const CBitmapEdit* edit = Edit();
    if (edit->isReadOnly()) return QAccessible::StaticText;
    return edit->Maximum() > edit->Minimum() ? QAccessible::SpinBox : QAccessible::EditableText;
}

// A box that only shows a value is named by it.
QString AccessibleBitmapEdit::Name() const {
    const CBitmapEdit* edit = Edit();
    if (edit->isReadOnly()) return FirstOf({edit->text(), edit->accessibleName()});
    return edit->accessibleName();
}

QAccessible::State AccessibleBitmapEdit::state() const {
    QAccessible::State state = AccessibleSkinControl::state();
    state.readOnly = Edit()->isReadOnly();
    state.editable = !state.readOnly;
    return state;
}

QString AccessibleBitmapEdit::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return Edit()->text();
    return AccessibleSkinControl::text(t);
}

void* AccessibleBitmapEdit::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::ValueInterface && role() == QAccessible::SpinBox)
        return static_cast<QAccessibleValueInterface*>(this);
    return AccessibleSkinControl::interface_cast(type);
}

void AccessibleBitmapEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    const CBitmapEdit* edit = Edit();
    if (selectionIndex != 0 || !edit->hasSelectedText()) return;
    *startOffset = edit->selectionStart();
    *endOffset = edit->selectionEnd();
}

int AccessibleBitmapEdit::selectionCount() const { return Edit()->hasSelectedText() ? 1 : 0; }

void AccessibleBitmapEdit::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void AccessibleBitmapEdit::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) Edit()->deselect();
}

void AccessibleBitmapEdit::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) Edit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleBitmapEdit::cursorPosition() const { return Edit()->cursorPosition(); }

void AccessibleBitmapEdit::setCursorPosition(int position) { Edit()->setCursorPosition(position); }

QString AccessibleBitmapEdit::text(int startOffset, int endOffset) const {
    const QString shown = Edit()->text();
    if (startOffset < 0 || endOffset < startOffset || startOffset > shown.size()) return {};
    return shown.mid(startOffset, endOffset - startOffset);
}

int AccessibleBitmapEdit::characterCount() const { return static_cast<int>(Edit()->text().size()); }

// Measured as the box lays its single line out: within its margins, aligned as set.
QRect AccessibleBitmapEdit::characterRect(int offset) const {
    const CBitmapEdit* edit = Edit();
    const QString shown = edit->text();
    if (offset < 0 || offset >= shown.size()) return {};
    const QFontMetrics metrics(edit->font());
    const QRect area = edit->contentsRect().marginsRemoved(edit->textMargins());
    const int width = metrics.horizontalAdvance(shown);
    int left = area.left();
    if (edit->alignment() & Qt::AlignHCenter) left += (area.width() - width) / 2;
    else if (edit->alignment() & Qt::AlignRight) left = area.right() - width;
    const QRect character(left + metrics.horizontalAdvance(shown.left(offset)),
                          area.top() + (area.height() - metrics.height()) / 2,
                          metrics.horizontalAdvance(shown.at(offset)), metrics.height());
    return QRect(edit->mapToGlobal(character.topLeft()), character.size());
}

int AccessibleBitmapEdit::offsetAtPoint(const QPoint& point) const {
    CBitmapEdit* edit = Edit();
    const QPoint local = edit->mapFromGlobal(point);
    return edit->rect().contains(local) ? edit->cursorPositionAt(local) : -1;
}

void AccessibleBitmapEdit::scrollToSubstring(int, int endIndex) { Edit()->setCursorPosition(endIndex); }

QString AccessibleBitmapEdit::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QVariant AccessibleBitmapEdit::currentValue() const { return Edit()->text().toInt(); }

void AccessibleBitmapEdit::setCurrentValue(const QVariant& value) {
    CBitmapEdit* edit = Edit();
    if (!edit->isEnabled() || edit->isReadOnly()) return;
    edit->selectAll();
    edit->insert(QString::number(std::clamp(value.toInt(), edit->Minimum(), edit->Maximum())));
}

QVariant AccessibleBitmapEdit::maximumValue() const { return Edit()->Maximum(); }

QVariant AccessibleBitmapEdit::minimumValue() const { return Edit()->Minimum(); }

}  // namespace oryn7px
