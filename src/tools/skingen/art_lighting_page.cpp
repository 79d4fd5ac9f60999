// The lighting page's pictures, one set per layout: effect and touch radios, the own-colours box,
// slider grooves, the preset swatches in their exact colours and the colour wheel. The captions
// are drawn by the page in the UI language.
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>

#include "art.h"
#include "core/layout/lighting_page_layout.h"
#include "core/pages/lighting_page/light_presets.h"
#include "theme.h"

namespace oryn7px::skingen {

namespace {

namespace lp = lighting_page;

// The channel letters are the same in every language, so the picture carries them.
void PaintChannelLetter(QPainter& painter, const QRect& box, const QString& letter, QColor colour) {
    painter.save();
    painter.setFont(ArtFont(13, 800));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, letter);
    painter.restore();
}

void PaintPanel(QPainter& painter, const QRect& panel) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
    fill.setColorAt(0, theme::kPanelRaised);
    fill.setColorAt(1, theme::kPanel);
    painter.setPen(QPen(theme::kEdge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.restore();
}

// A section heading's accent tab; the page draws the heading beside it.
void PaintHeadingTab(QPainter& painter, const LayoutRect& rect) {
    const QRect box = ToQRect(rect);
    painter.fillRect(QRect(box.left(), box.center().y() - 7, 3, 14), theme::kAccent);
}

// Radio button: a ring that the pressed look fills; the control draws its caption.
void PaintRadio(QPainter& painter, const LayoutRect& rect, Look look, bool square = false) {
    const QRect box = ToQRect(rect);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (look != Look::Normal) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(look == Look::Pressed ? QColor(0, 147, 209, 60) : QColor(64, 196, 221, 28));
        painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    const QRectF mark(box.left() + 5, box.center().y() - 6 + 0.5, 12, 12);
    const QColor ring = look == Look::Normal ? theme::kTextDim : theme::kAccentLight;
    painter.setPen(QPen(ring, 1.5));
    painter.setBrush(QColor(0x0E, 0x12, 0x17));
    if (square) painter.drawRoundedRect(mark, 2, 2);
    else painter.drawEllipse(mark);
    if (look == Look::Pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(theme::kAccentLight);
        if (square) {
            painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(QPolygonF({mark.topLeft() + QPointF(2.5, 6), mark.topLeft() + QPointF(5, 9),
                                            mark.topLeft() + QPointF(9.5, 3)}));
        } else {
            painter.drawEllipse(mark.adjusted(3, 3, -3, -3));
        }
    }
    painter.restore();
}

// The groove a slider's bar shows; colour sliders fill it with their channel's ramp.
void PaintGroove(QPainter& painter, const LayoutRect& rect, QColor ramp, int shortening) {
    const QRect box = ToQRect(rect);
    const QRectF groove(box.left(), box.center().y() - 2, box.width() - shortening, 4);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(groove.topLeft(), groove.topRight());
    fill.setColorAt(0, ramp.isValid() ? QColor(Qt::black) : theme::kAccent);
    fill.setColorAt(1, ramp.isValid() ? ramp : theme::kAccentLight);
    painter.setPen(QPen(QColor(0x0A, 0x0D, 0x11), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(groove.adjusted(-0.5, -0.5, 0.5, 0.5), 2, 2);
    painter.restore();
}

// A frame around a colour button; the button paints its colour inside.
void PaintColourWell(QPainter& painter, const LayoutRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(theme::kEdge, 1));
    painter.setBrush(QColor(0x0E, 0x12, 0x17));
    painter.drawRoundedRect(QRectF(ToQRect(rect)).adjusted(-2.5, -2.5, 2.5, 2.5), 3, 3);
    painter.restore();
}

void PaintSwatch(QPainter& painter, const LayoutRect& rect, const RgbColor& colour, Look look) {
    const QRect box = ToQRect(rect);
    // The inside carries the exact preset colour, so what the user sees is what is stored.
    painter.fillRect(box.adjusted(2, 2, -2, -2), ToQColor(colour));
    painter.save();
    painter.setPen(QPen(look == Look::Normal ? QColor(0x0A, 0x0D, 0x11) : Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(1, 1, -2, -2));
    if (look == Look::Pressed) {
        painter.setPen(QPen(theme::kAccentLight, 1));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(box.adjusted(2, 2, -3, -3));
    }
    painter.restore();
}

// Hue around the centre, saturation from the centre outwards; only pixels inside the ellipse.
// Set pixel by pixel at the picture's scale: a 2x pixel at even coordinates carries the colour
// of the 1x pixel it doubles, so a click reads the same colour from either set.
void PaintWheel(QImage& image, const lp::Layout& layout) {
    const int scale = qRound(image.devicePixelRatio());
    const LayoutRect& w = layout.wheel;
    lp::Layout inPixels = layout;
    inPixels.wheel = {w.left * scale, w.top * scale, w.right * scale, w.bottom * scale};
    const double cx = (w.left + w.right) / 2.0;
    const double cy = (w.top + w.bottom) / 2.0;
    const double rx = w.Width() / 2.0;
    const double ry = w.Height() / 2.0;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(theme::kEdge, 2));
        painter.setBrush(QColor(0x0E, 0x12, 0x17));
        painter.drawEllipse(QRectF(ToQRect(w)).adjusted(-4, -4, 4, 4));
    }
    for (int y = w.top * scale; y < w.bottom * scale; ++y) {
        for (int x = w.left * scale; x < w.right * scale; ++x) {
            if (!lp::InsideWheel(inPixels, x, y)) continue;
            const double dx = (static_cast<double>(x) / scale - cx) / rx;
            const double dy = (static_cast<double>(y) / scale - cy) / ry;
            const double saturation = std::min(1.0, std::sqrt(dx * dx + dy * dy));
            double hue = std::atan2(-dy, dx) / (2 * M_PI);
            if (hue < 0) hue += 1;
            image.setPixelColor(x, y, QColor::fromHsvF(static_cast<float>(hue), static_cast<float>(saturation), 1.0f));
        }
    }
}

QImage LightingPicture(int scale, const lp::Layout& layout, Look look) {
    QImage image = NewImage(scale, lp::kWidth, lp::kHeight, theme::kPanel);
    QPainter painter(&image);
    PaintBackdrop(painter, DrawingArea(image));
    PaintPanel(painter, QRect(8, 8, lp::kWidth - 16, lp::kHeight - 16));
    // A rule under the touch row parts the effects from the colours.
    int split = 0;
    for (const LayoutRect& touch : layout.touch) split = std::max(split, touch.bottom);
    painter.fillRect(QRect(9, split, lp::kWidth - 18, 1), theme::kEdge);

    for (int t : {0, 1, 2}) PaintHeadingTab(painter, layout.titles[static_cast<std::size_t>(t)]);
    for (const LayoutRect& effect : layout.effects) PaintRadio(painter, effect, look);
    for (const LayoutRect& touch : layout.touch) PaintRadio(painter, touch, look);
    PaintRadio(painter, layout.ownColours, look, true);
    for (const LayoutRect* slider : {&layout.breathingSlider, &layout.brightnessSlider, &layout.cycleSpeedSlider})
        PaintGroove(painter, *slider, QColor(), 0);

    for (const LayoutRect& rect : layout.colourButtons) PaintColourWell(painter, rect);
    PaintColourWell(painter, layout.currentColour);

    for (int k = 0; k < lp::kSwatchCount; ++k)
        PaintSwatch(painter, lp::SwatchRect(layout, k), kLightPresets[static_cast<std::size_t>(k)], look);

    const std::array<QColor, lp::kChannelCount> ramps{QColor(255, 40, 40), QColor(40, 230, 60), QColor(50, 110, 255)};
    const std::array<QString, lp::kChannelCount> channelNames{QStringLiteral("R"), QStringLiteral("G"),
                                                              QStringLiteral("B")};
    for (int c = 0; c < lp::kChannelCount; ++c) {
        const LayoutRect& rect = layout.colourSliders[static_cast<std::size_t>(c)];
        PaintGroove(painter, rect, ramps[static_cast<std::size_t>(c)], lp::kColourTrackShortening);
        const QRect box = ToQRect(rect);
        PaintChannelLetter(painter, QRect(box.left() - 24, box.center().y() - 9, 16, 18),
                           channelNames[static_cast<std::size_t>(c)], ramps[static_cast<std::size_t>(c)]);
        PaintInputField(painter, QRectF(ToQRect(layout.valueBoxes[static_cast<std::size_t>(c)])).adjusted(-3, -2, 3, 2));
    }
    painter.end();
    PaintWheel(image, layout);
    return image;
}

void DrawLayout(const QString& root, int scale, const lp::Layout& layout, const StatePictures& files) {
    Save(root, QString::fromLatin1(files.normal), LightingPicture(scale, layout, Look::Normal));
    Save(root, QString::fromLatin1(files.down), LightingPicture(scale, layout, Look::Pressed));
    Save(root, QString::fromLatin1(files.over), LightingPicture(scale, layout, Look::Hover));
}

}  // namespace

void DrawLightingPage(const QString& root, int scale) {
    DrawLayout(root, scale, lp::kOtherLayout, lp::kPictures);
    DrawLayout(root, scale, lp::kChineseLayout, lp::kPicturesChinese);
}

}  // namespace oryn7px::skingen
