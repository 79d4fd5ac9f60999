#pragma once
// The picture buttons as assistive technology sees them: push button, check box, radio button,
// tab or label as their owner says, named by their caption, drawn text, given name or tooltip.
#include "ui/skin/accessible_skin_control.h"

namespace oryn7px {

class CColorBtn;
class CGDIBitmapBtn;
class CIrrButton;

class AccessibleBitmapButton final : public AccessibleSkinControl {
public:
    explicit AccessibleBitmapButton(CGDIBitmapBtn* button);
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QString Name() const override;
    CGDIBitmapBtn* Button() const;
};

class AccessibleIrrButton final : public AccessibleSkinControl {
public:
    explicit AccessibleIrrButton(CIrrButton* button);
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QString Name() const override;
    CIrrButton* Button() const;
};

// A colour button is read with its colour: "Color 1", then "Red 255, green 0, blue 0".
class AccessibleColourButton final : public AccessibleSkinControl {
public:
    explicit AccessibleColourButton(CColorBtn* button);
    QAccessible::State state() const override;

private:
    QString Name() const override;
    QString Description() const override;
    QString ColourText() const;
    CColorBtn* Button() const;
};

}  // namespace oryn7px
