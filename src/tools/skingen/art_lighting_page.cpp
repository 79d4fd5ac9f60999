// The lighting page's pictures, one set per layout: effect and touch radios, the own-colours box,
// slider grooves, the preset swatches in their exact colours, the colour wheel and the captions.
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

struct Captions {
    bool chinese;
    std::array<QString, lp::kEffectCount> effects;  // effect 1..6
    std::array<QString, lp::kTouchChoiceCount> touch;  // value 0, 1, 2
    QString ownColours;
    std::array<QString, lp::kTitleCount> titles;
    QString breathing, brightness, cycleSpeed;
};

const Captions kEnglish{false,
                        {QStringLiteral("Steady light"), QStringLiteral("Breathing"), QStringLiteral("APM breathing"),
                         QStringLiteral("Special effect"), QStringLiteral("Colour cycle"),
                         QStringLiteral("Lighting off")},
                        {QStringLiteral("Off"), QStringLiteral("Touch lighting on"),
                         QStringLiteral("Touch lighting on, mode 2")},
                        QStringLiteral("Own colours"),
                        {QStringLiteral("LIGHTING EFFECT"), QStringLiteral("TOUCH LIGHTING"),
                         QStringLiteral("COLOUR SETTING"), QStringLiteral("Current colour"), QStringLiteral("Presets"),
                         QStringLiteral("Custom colour")},
                        QStringLiteral("Breathing speed"),
                        QStringLiteral("Brightness"),
                        QStringLiteral("Cycle speed")};

const Captions kChinese{true,
                        {QStringLiteral("常亮"), QStringLiteral("呼吸"), QStringLiteral("APM 呼吸"),
                         QStringLiteral("特效灯光"), QStringLiteral("幻彩"), QStringLiteral("关闭灯光")},
                        {QStringLiteral("关闭"), QStringLiteral("感应开启"), QStringLiteral("感应开启 2")},
                        QStringLiteral("自定义"),
                        {QStringLiteral("灯光效果"), QStringLiteral("感应灯光"), QStringLiteral("颜色设置"),
                         QStringLiteral("当前颜色"), QStringLiteral("预设颜色"), QStringLiteral("自定义颜色")},
                        QStringLiteral("呼吸速度"),
                        QStringLiteral("亮度"),
                        QStringLiteral("幻彩速度")};

void PaintText(QPainter& painter, const QRect& box, const QString& text, QColor colour, int pixelSize, bool chinese,
               int weight, Qt::Alignment align = Qt::AlignLeft) {
    painter.save();
    QFont font = ArtFont(pixelSize, weight, chinese);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, static_cast<int>(align) | Qt::AlignVCenter | Qt::TextSingleLine, text);
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

// A section heading: an accent tab and the caption in the accent colour.
void PaintHeading(QPainter& painter, const LayoutRect& rect, const QString& text, bool chinese) {
    const QRect box = ToQRect(rect);
    painter.fillRect(QRect(box.left(), box.center().y() - 7, 3, 14), theme::kAccent);
    PaintText(painter, box.adjusted(9, 0, 0, 0), text, theme::kAccentLight, chinese ? 15 : 13, chinese, 700);
}

// A small label that belongs to the control on its right.
void PaintLabel(QPainter& painter, const QRect& box, const QString& text, bool chinese) {
    PaintText(painter, box, text, theme::kTextDim, chinese ? 13 : 11, chinese, 500, Qt::AlignRight);
}

// Radio button: a ring with the caption; the pressed look fills the ring and lights the caption.
void PaintRadio(QPainter& painter, const LayoutRect& rect, const QString& caption, Look look, bool chinese,
                bool square = false) {
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
    const QColor text = look == Look::Normal ? theme::kText : (look == Look::Pressed ? Qt::white : theme::kAccentLight);
    PaintText(painter, box.adjusted(23, 0, -2, 0), caption, text, chinese ? 13 : 12, chinese,
              look == Look::Pressed ? 700 : 500);
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
void PaintWheel(QImage& image, const lp::Layout& layout) {
    const LayoutRect& w = layout.wheel;
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
    for (int y = w.top; y < w.bottom; ++y) {
        for (int x = w.left; x < w.right; ++x) {
            if (!lp::InsideWheel(layout, x, y)) continue;
            const double dx = (x - cx) / rx;
            const double dy = (y - cy) / ry;
            const double saturation = std::min(1.0, std::sqrt(dx * dx + dy * dy));
            double hue = std::atan2(-dy, dx) / (2 * M_PI);
            if (hue < 0) hue += 1;
            image.setPixelColor(x, y, QColor::fromHsvF(static_cast<float>(hue), static_cast<float>(saturation), 1.0f));
        }
    }
}

QImage LightingPicture(const lp::Layout& layout, const Captions& text, Look look) {
    const bool zh = text.chinese;
    QImage image = NewImage(lp::kWidth, lp::kHeight, theme::kPanel);
    QPainter painter(&image);
    PaintBackdrop(painter, image.rect());
    PaintPanel(painter, QRect(8, 8, lp::kWidth - 16, lp::kHeight - 16));
    // A rule under the touch row parts the effects from the colours.
    int split = 0;
    for (const LayoutRect& touch : layout.touch) split = std::max(split, touch.bottom);
    painter.fillRect(QRect(9, split, lp::kWidth - 18, 1), theme::kEdge);

    PaintHeading(painter, layout.titles[0], text.titles[0], zh);
    PaintHeading(painter, layout.titles[1], text.titles[1], zh);
    PaintHeading(painter, layout.titles[2], text.titles[2], zh);
    for (int t : {3, 4, 5})
        PaintText(painter, ToQRect(layout.titles[static_cast<std::size_t>(t)]), text.titles[static_cast<std::size_t>(t)],
                  theme::kText, zh ? 13 : 12, zh, 600);

    for (int e = 0; e < lp::kEffectCount; ++e)
        PaintRadio(painter, layout.effects[static_cast<std::size_t>(e)], text.effects[static_cast<std::size_t>(e)],
                   look, zh);
    for (int t = 0; t < lp::kTouchChoiceCount; ++t)
        PaintRadio(painter, layout.touch[static_cast<std::size_t>(t)], text.touch[static_cast<std::size_t>(t)], look,
                   zh);
    PaintRadio(painter, layout.ownColours, text.ownColours, look, zh, true);

    const std::pair<const LayoutRect*, const QString*> effectSliders[] = {
        {&layout.breathingSlider, &text.breathing},
        {&layout.brightnessSlider, &text.brightness},
        {&layout.cycleSpeedSlider, &text.cycleSpeed}};
    for (const auto& [rect, caption] : effectSliders) {
        PaintGroove(painter, *rect, QColor(), 0);
        const QRect box = ToQRect(*rect);
        PaintLabel(painter, QRect(box.left() - 118, box.center().y() - 9, 110, 18), *caption, zh);
    }

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
        PaintText(painter, QRect(box.left() - 24, box.center().y() - 9, 16, 18), channelNames[static_cast<std::size_t>(c)],
                  ramps[static_cast<std::size_t>(c)], 13, false, 800, Qt::AlignRight);
        PaintInputField(painter, QRectF(ToQRect(layout.valueBoxes[static_cast<std::size_t>(c)])).adjusted(-3, -2, 3, 2));
    }
    painter.end();
    PaintWheel(image, layout);
    return image;
}

void DrawLayout(const QString& root, const lp::Layout& layout, const StatePictures& files, const Captions& text) {
    Save(root, QString::fromLatin1(files.normal), LightingPicture(layout, text, Look::Normal));
    Save(root, QString::fromLatin1(files.down), LightingPicture(layout, text, Look::Pressed));
    Save(root, QString::fromLatin1(files.over), LightingPicture(layout, text, Look::Hover));
}

}  // namespace

void DrawLightingPage(const QString& root) {
    DrawLayout(root, lp::kOtherLayout, lp::kPictures, kEnglish);
    DrawLayout(root, lp::kChineseLayout, lp::kPicturesChinese, kChinese);
}

}  // namespace oryn7px::skingen
