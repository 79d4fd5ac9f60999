#pragma once
// The captions of one page or window. Each caption goes to the control whose box holds it, which
// draws it over its picture in the control's state; the page paints the others.
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>
#include <span>
#include <vector>

#include "core/i18n/string_table.h"
#include "core/layout/caption_place.h"
#include "ui/skin/caption_painter.h"

namespace oryn7px {

// A caption as drawn: its text in the UI language, its box in the coordinates of who draws it.
struct ShownCaption {
    QString text;
    QRect box;
    CaptionStyle style = CaptionStyle::Label;
    CaptionAlign align = CaptionAlign::Left;

    void Paint(QPainter& painter, CaptionState state = CaptionState::Normal) const {
        PaintCaption(painter, box, text, style, align, state);
    }
};

// A control that draws a caption over its picture.
class CaptionHolder {
public:
    virtual ~CaptionHolder() = default;
    virtual void SetCaption(const ShownCaption& caption) = 0;
    virtual const ShownCaption& Caption() const = 0;
};

class CaptionBoard {
public:
    // Takes the captions' texts from the loaded language; call again after a language switch.
    void Show(QWidget& owner, std::span<const CaptionPlace> places, const StringTable& strings);
    void Paint(QPainter& painter) const;
    // The captions the owner paints itself.
    const std::vector<ShownCaption>& OnOwner() const { return onOwner_; }

private:
    std::vector<ShownCaption> onOwner_;
};

// A page or window that paints captions of its own.
class CaptionOwner {
public:
    virtual ~CaptionOwner() = default;
    virtual const CaptionBoard& Captions() const = 0;
    // The other texts it paints (values, a message), for assistive technology to read.
    virtual std::vector<ShownCaption> PaintedTexts() const { return {}; }
};

// Every caption drawn in `window` and its children, for checks of what a person reads.
QStringList DrawnCaptions(const QWidget& window);

}  // namespace oryn7px
