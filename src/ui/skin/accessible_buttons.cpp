#include "ui/skin/accessible_buttons.h"

#include "core/i18n/spoken_names.h"
#include "ui/skin/color_btn.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {

AccessibleBitmapButton::AccessibleBitmapButton(CGDIBitmapBtn* button)
    : AccessibleSkinControl(button, QAccessible::PushButton) {}

CGDIBitmapBtn* AccessibleBitmapButton::Button() const { return static_cast<CGDIBitmapBtn*>(widget()); }

QAccessible::Role AccessibleBitmapButton::role() const { return Button()->Role(); }

QString AccessibleBitmapButton::Name() const {
    const CGDIBitmapBtn* button = Button();
    return FirstOf({button->Caption().text, button->GetText(), button->accessibleName(), button->toolTip()});
}

QAccessible::State AccessibleBitmapButton::state() const {
    QAccessible::State state = AccessibleSkinControl::state();
    state.pressed = Button()->isDown();
    AddChoiceState(state, role(), Button()->GetChecked());
    return state;
}

AccessibleIrrButton::AccessibleIrrButton(CIrrButton* button) : AccessibleSkinControl(button, QAccessible::PushButton) {}

CIrrButton* AccessibleIrrButton::Button() const { return static_cast<CIrrButton*>(widget()); }

QAccessible::Role AccessibleIrrButton::role() const { return Button()->Role(); }

QString AccessibleIrrButton::Name() const {
    const CIrrButton* button = Button();
    return FirstOf({button->Caption().text, button->accessibleName(), button->toolTip()});
}

QAccessible::State AccessibleIrrButton::state() const {
    QAccessible::State state = AccessibleSkinControl::state();
    state.pressed = Button()->isDown();
    AddChoiceState(state, role(), Button()->IsHighlighted());
    return state;
}

AccessibleColourButton::AccessibleColourButton(CColorBtn* button)
    : AccessibleSkinControl(button, QAccessible::PushButton) {}

CColorBtn* AccessibleColourButton::Button() const { return static_cast<CColorBtn*>(widget()); }

QString AccessibleColourButton::ColourText() const { return Q(ColourWords(RgbColorOf(Button()->GetColour().rgb()))); }

QString AccessibleColourButton::Name() const {
    return FirstOf({Button()->accessibleName(), Button()->toolTip(), ColourText()});
}

QString AccessibleColourButton::Description() const {
    const QString colour = ColourText();
    return colour == Name() ? QString() : colour;
}

QAccessible::State AccessibleColourButton::state() const {
    QAccessible::State state = AccessibleSkinControl::state();
    state.pressed = Button()->isDown();
    return state;
}

}  // namespace oryn7px
