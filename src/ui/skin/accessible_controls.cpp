#include "ui/skin/accessible_controls.h"

#include <QAccessible>

#include "ui/skin/accessible_buttons.h"
#include "ui/skin/accessible_edit.h"
#include "ui/skin/accessible_values.h"
#include "ui/skin/accessible_windows.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/caption_board.h"
#include "ui/skin/color_btn.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/png_progress_bar.h"
#include "ui/skin/png_slider.h"
#include "ui/skin/skin_scroll_bar.h"
#include "ui/skin/wnd_popup.h"

namespace oryn7px {

namespace {

// Qt asks with the object's most derived class first, so the first match is the right one.
QAccessibleInterface* SkinInterfaceFor(const QString&, QObject* object) {
    if (auto* button = qobject_cast<CGDIBitmapBtn*>(object)) return new AccessibleBitmapButton(button);
    if (auto* button = qobject_cast<CIrrButton*>(object)) return new AccessibleIrrButton(button);
    if (auto* button = qobject_cast<CColorBtn*>(object)) return new AccessibleColourButton(button);
    if (auto* slider = qobject_cast<CPngHSliderBar*>(object)) return new AccessibleSlider(slider);
    if (auto* bar = qobject_cast<CPngHProgressBar*>(object)) return new AccessibleProgressBar(bar);
    if (auto* bar = qobject_cast<CSkinScrollBar*>(object)) return new AccessibleScrollBar(bar);
    if (auto* edit = qobject_cast<CBitmapEdit*>(object)) return new AccessibleBitmapEdit(edit);
    if (auto* menu = qobject_cast<CMenuEx*>(object)) return new AccessiblePopupMenu(menu);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && dynamic_cast<CaptionOwner*>(widget) != nullptr) return new AccessibleTextWindow(widget);
    return nullptr;
}

}  // namespace

void InstallAccessibleControls() { QAccessible::installFactory(&SkinInterfaceFor); }

}  // namespace oryn7px
