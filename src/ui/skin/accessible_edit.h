#pragma once
// The picture edit boxes: a box with a range of numbers is a spin box, a box that only shows a
// value is static text, any other an editable text; all give their text.
#include "ui/skin/accessible_skin_control.h"

namespace oryn7px {

class CBitmapEdit;

class AccessibleBitmapEdit final : public AccessibleSkinControl,
                                   public QAccessibleTextInterface,
                                   public QAccessibleValueInterface {
public:
    explicit AccessibleBitmapEdit(CBitmapEdit* edit);
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The text as shown.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // The number of a spin box; a new one is typed in as by the user.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

private:
    QString Name() const override;
    CBitmapEdit* Edit() const;
};

}  // namespace oryn7px
