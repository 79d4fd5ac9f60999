// The main window: the frame pictures and the button-picture sets 160–165. The buttons' captions
// are drawn at run time in the UI language; only the brand is a logo in the picture.
#include <QLinearGradient>
#include <QPainterPath>
#include <array>

#include "art.h"
#include "core/layout/frame_layout.h"
#include "theme.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px::skingen {

namespace {

namespace mw = main_window;

void PaintGlyphButton(QPainter& painter, const QRect& box, Look look, bool cross) {
    if (look != Look::Normal) PaintFace(painter, QRectF(box).adjusted(2, 3, -2, -3), look, 3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor glyph = look == Look::Normal ? theme::kTextDim : (look == Look::Hover ? theme::kAccentLight : Qt::white);
    painter.setPen(QPen(glyph, 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = QRectF(box).center();
    if (cross) {
        painter.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        painter.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    } else {
        painter.drawLine(c + QPointF(-6, 3), c + QPointF(6, 3));
    }
    painter.restore();
}

void PaintLanguageButton(QPainter& painter, Look look) {
    const QRect box = ToQRect(mw::kLanguageButton);
    PaintFace(painter, QRectF(box).adjusted(0, 1, 0, -1), look, 3);
    const QColor glyph = look == Look::Normal ? theme::kText : (look == Look::Pressed ? Qt::white : theme::kAccentLight);
    // A small globe, ending where the caption's room begins: the button opens the language menu.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(glyph, 1.2));
    painter.setBrush(Qt::NoBrush);
    const QRectF globe(box.left() + 3, box.top() + 3, mw::kLanguageGlobeWidth - 5, mw::kLanguageGlobeWidth - 5);
    painter.drawEllipse(globe);
    painter.drawEllipse(globe.adjusted(3.5, 0, -3.5, 0));
    painter.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    painter.restore();
}

QImage FramePicture(int scale, Look look) {
    QImage image = NewImage(scale, mw::kWidth, mw::kHeight);
    QPainter painter(&image);
    PaintBackdrop(painter, DrawingArea(image));

    // Title strip with the brand and a gradient rule.
    painter.fillRect(QRect(0, 0, mw::kWidth, 60), QColor(0x0A, 0x0D, 0x11, 200));
    QLinearGradient rule(0, 0, mw::kWidth, 0);
    rule.setColorAt(0, QColor(0, 147, 209, 0));
    rule.setColorAt(0.5, theme::kAccentLight);
    rule.setColorAt(1, QColor(0, 147, 209, 0));
    painter.fillRect(QRect(0, 60, mw::kWidth, 2), rule);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont brand = ArtFont(22, 800);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    brand.setItalic(true);
    painter.setFont(brand);
    painter.setPen(Qt::white);
    painter.drawText(QRect(26, 12, 200, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TAVIK"));
    painter.setPen(theme::kAccentLight);
    painter.setFont(ArtFont(10, 600));
    painter.drawText(QRect(28, 42, 300, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("GAMING MOUSE CONFIGURATOR"));

    // A badge frames the model name that the window writes at its place.
    const QRect model = ToQRect(mw::kModelName).adjusted(-18, -3, 18, 3);
    QPainterPath badge;
    badge.moveTo(model.left() + 10, model.top());
    badge.lineTo(model.right() - 10, model.top());
    badge.lineTo(model.right(), model.center().y());
    badge.lineTo(model.right() - 10, model.bottom());
    badge.lineTo(model.left() + 10, model.bottom());
    badge.lineTo(model.left(), model.center().y());
    badge.closeSubpath();
    painter.setPen(QPen(theme::kAccent, 1.2));
    painter.setBrush(QColor(0, 147, 209, 30));
    painter.drawPath(badge);

    // Tab strip and page area.
    painter.fillRect(QRect(15, 80, 925, 46), QColor(0x0B, 0x0E, 0x12, 160));
    painter.fillRect(QRect(15, 124, 925, 2), theme::kAccent);
    const QRect page = ToQRect(mw::kPageArea);
    painter.setPen(QPen(theme::kEdge, 1));
    painter.setBrush(theme::kPanel);
    painter.drawRoundedRect(QRectF(page).adjusted(-0.5, -0.5, 0.5, 0.5), 2, 2);

    // Bottom bar: flag well, hint field.
    painter.fillRect(QRect(0, 585, mw::kWidth, 51), QColor(0x08, 0x0A, 0x0E, 200));
    painter.fillRect(QRect(0, 585, mw::kWidth, 1), theme::kEdge);
    painter.setPen(QPen(theme::kEdge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(ToQRect(mw::kFlagPicture)).adjusted(-1.5, -1.5, 0.5, 0.5));
    const QRect hint = ToQRect(mw::kHintBar);
    painter.setBrush(QColor(0x06, 0x08, 0x0B));
    painter.drawRoundedRect(QRectF(hint).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.fillRect(QRect(hint.left() + 1, hint.top() + 5, 2, hint.height() - 10), theme::kAccent);

    PaintGlyphButton(painter, ToQRect(mw::kMinimiseButton), look, false);
    PaintGlyphButton(painter, ToQRect(mw::kHideButton), look, true);
    PaintLanguageButton(painter, look);
    return image;
}

QImage ButtonsPicture(int scale, Look look) {
    QImage image = NewImage(scale, mw::kWidth, mw::kHeight);
    QPainter painter(&image);
    for (const LayoutQuad& tab : mw::kPageTabs) PaintShape(painter, ToPolygon(tab), look);
    for (const LayoutQuad& profile : mw::kProfileButtons) PaintShape(painter, ToPolygon(profile), look);
    // The apply button always carries the accent so it reads as the main action.
    PaintShape(painter, ToPolygon(mw::kApplyButton), look == Look::Normal ? Look::Hover : look);
    return image;
}

}  // namespace

void DrawMainFrame(const QString& root, int scale) {
    Save(root, "Frame_Normal.bmp", FramePicture(scale, Look::Normal));
    Save(root, "Frame_Over.bmp", FramePicture(scale, Look::Hover));
    Save(root, "Frame_Down.bmp", FramePicture(scale, Look::Pressed));
}

void DrawWindowButtons(const QString& root, int scale) {
    // Pressed, normal, hover for the Chinese layout (160–162) and the other layout (163–165): the
    // two sets are alike now that the captions are drawn at run time.
    const std::pair<int, Look> order[] = {{0, Look::Pressed}, {1, Look::Normal}, {2, Look::Hover}};
    for (auto [offset, look] : order) {
        const QImage picture = ButtonsPicture(scale, look);
        Save(root, ResourceRelativePath(160 + offset), picture);
        Save(root, ResourceRelativePath(163 + offset), picture);
    }
}

}  // namespace oryn7px::skingen
