#pragma once
// Where a caption is drawn and how it looks. The pictures carry no text: every caption is drawn
// at run time in the UI language, inside its box, shrinking within its style's sizes to fit.
#include <cstdint>

#include "core/i18n/caption_keys.h"
#include "core/layout/layout_types.h"

namespace oryn7px {

enum class CaptionStyle : std::uint8_t {
    PageTab,         // the five page tabs of the frame
    ProfileButton,   // the five profile buttons
    ApplyButton,
    LanguageButton,  // the short caption beside the globe
    SectionHeading,  // a page's section headings, accent coloured
    PanelHeading,    // the statistics and support panels' headings
    ButtonTab,       // the main page's eight button tabs
    Choice,          // a check box's or radio button's caption
    Label,
    DimLabel,        // slider ends and units
    PushButton,      // small buttons with a caption (New, Delete, OK, RESET...)
    BoxButton,       // the message boxes' buttons
    BoxText,         // the progress window's text
    AccentLabel,     // a label in the accent colour (the support page's version labels)
    TrophyPlate,     // the level on the large trophy's plate; dim while no level is earned
    Hint,            // a quiet line where a panel has nothing to show
    Note,            // a setting that does not take effect on this desktop
};

enum class CaptionAlign : std::uint8_t { Left, Centre, Right };

struct CaptionPlace {
    CaptionId id;
    LayoutRect box;  // in the coordinates of the page or window that shows it
    CaptionStyle style;
    CaptionAlign align = CaptionAlign::Left;
    int number = 0;  // replaces the caption's %1 (the profile buttons)
};

// The room for a caption on a slanted control (outline from top-left, clockwise): between its
// left and right edges at mid-height, `inset` further in, so the caption's ends clear the slants.
constexpr LayoutRect CaptionBoxIn(const LayoutQuad& outline, int inset) {
    const LayoutRect bounds = BoundingBox(outline);
    return {(outline[0].x + outline[3].x) / 2 + inset, bounds.top, (outline[1].x + outline[2].x) / 2 - inset,
            bounds.bottom};
}

}  // namespace oryn7px
