#pragma once
// Draws the captions of pages, frame and boxes: one look per caption style, the fonts of the UI
// language, and the largest size within the style's limits at which the text fits its box.
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <optional>

#include "core/i18n/string_table.h"
#include "core/layout/caption_place.h"

namespace oryn7px {

// The state of the control a caption sits on; a caption on a page is Normal.
enum class CaptionState { Normal, Hover, Pressed, Disabled };

// Chooses the font families for the UI language: the CJK languages draw with their own
// regional glyphs. Captions are drawn on the UI thread only.
void UseCaptionFontsFor(int languageNumber);

QFont CaptionFont(CaptionStyle style, const QString& text, int pixelSize);

// The largest size of the style at which `text` fits `box`; none when even the smallest does not.
std::optional<int> FittingCaptionSize(const QString& text, const QSize& box, CaptionStyle style);

// The caption's text in the loaded language, its %1 replaced by the place's number.
QString CaptionText(const StringTable& strings, const CaptionPlace& place);

// Draws at the fitting size, or at the smallest when nothing fits (the fit test catches that).
void PaintCaption(QPainter& painter, const QRect& box, const QString& text, CaptionStyle style, CaptionAlign align,
                  CaptionState state = CaptionState::Normal);

}  // namespace oryn7px
