// The macro page's pictures, in both layouts: the macro list and event list panels, the recorder
// with its record button, repeat choices and mouse pads, and the line editors. The captions are
// drawn by the page in the UI language; only the axis letters are in the pictures.
#include <QPainterPath>

#include "art.h"
#include "core/layout/frame_layout.h"
#include "core/layout/macro_page_layout.h"
#include "theme.h"

namespace oryn7px::skingen {

namespace {

using macro_page::MacroPageLayout;

QRectF Box(const LayoutRect& r) { return QRectF(ToQRect(r)); }

void PaintPanel(QPainter& painter, const LayoutRect& panel, QColor fill) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(theme::kEdge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(Box(panel).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.fillRect(QRect(panel.left + 10, panel.top + 10, 3, 20), theme::kAccent);
    painter.fillRect(QRect(panel.left + 1, panel.top + 34, panel.Width() - 2, 1), theme::kEdge);
    painter.restore();
}

void PaintListFrame(QPainter& painter, const LayoutRect& list) {
    painter.save();
    painter.setPen(QPen(theme::kEdge, 1));
    painter.setBrush(QColor(0x12, 0x16, 0x1C));
    painter.drawRect(Box(list).adjusted(-1.5, -1.5, 0.5, 0.5));
    painter.restore();
}

// A push button with a glyph drawn by `glyph`.
template <typename Glyph>
void PaintButton(QPainter& painter, const LayoutRect& r, Look look, Glyph glyph) {
    PaintFace(painter, Box(r).adjusted(1, 1, -1, -1), look, 3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look == Look::Pressed ? QColor(0x10, 0x14, 0x1A) : look == Look::Hover ? Qt::white : theme::kText,
                        2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    glyph(Box(r).center());
    painter.restore();
}

// A push button whose caption the control draws.
void PaintTextButton(QPainter& painter, const LayoutRect& r, Look look) {
    PaintFace(painter, Box(r).adjusted(1, 1, -1, -1), look, 3);
}

// A check box or radio choice: the mark at the left; the control draws its caption after it.
// Pressed = chosen.
void PaintChoice(QPainter& painter, const LayoutRect& r, Look look, bool round) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF mark(r.left + 2, r.top + (r.Height() - 12) / 2.0, 12, 12);
    painter.setPen(QPen(look == Look::Normal ? theme::kTextDim : theme::kAccentLight, 1.2));
    painter.setBrush(QColor(0x12, 0x16, 0x1C));
    if (round) painter.drawEllipse(mark); else painter.drawRoundedRect(mark, 2, 2);
    if (look == Look::Pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(theme::kAccentLight);
        if (round) {
            painter.drawEllipse(mark.adjusted(3, 3, -3, -3));
        } else {
            painter.setPen(QPen(theme::kAccentLight, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(QPolygonF{mark.topLeft() + QPointF(2.5, 6), mark.topLeft() + QPointF(5, 9), mark.topLeft() + QPointF(10, 3)});
        }
    }
    painter.restore();
}

void PaintRecordButton(QPainter& painter, const LayoutRect& r, Look look) {
    PaintFace(painter, Box(r).adjusted(1, 1, -1, -1), look == Look::Pressed ? Look::Hover : look, 4);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (look == Look::Pressed) {
        // Recording: a red frame and a glowing dot.
        painter.setPen(QPen(QColor(0xE5, 0x3B, 0x3B), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(Box(r).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xE5, 0x3B, 0x3B, 90));
        painter.drawEllipse(QPointF(r.left + 8, r.top + r.Height() / 2.0), 5.5, 5.5);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(look == Look::Normal ? QColor(0xB0, 0x30, 0x30) : QColor(0xFF, 0x4A, 0x4A));
    // The dot stays left of the caption the button draws centred.
    painter.drawEllipse(QPointF(r.left + 8, r.top + r.Height() / 2.0), 3.5, 3.5);
    painter.restore();
}

void PaintMouse(QPainter& painter, const MacroPageLayout& l, Look look) {
    const QRectF body(macro_page::kPadMouse.left, macro_page::kPadMouse.top, macro_page::kPadMouse.Width(), macro_page::kPadMouse.Height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shell;
    shell.addRoundedRect(body.adjusted(10, 14, -10, 0), 60, 58);
    painter.setPen(QPen(theme::kEdge, 1.5));
    painter.setBrush(QColor(0x16, 0x1B, 0x22));
    painter.drawPath(shell);
    painter.setPen(QPen(theme::kEdge, 1));
    painter.drawLine(QPointF(body.center().x(), body.top() + 16), QPointF(body.center().x(), l.middlePad.top));
    painter.restore();
    for (const LayoutRect& pad : {l.leftPad, l.middlePad, l.rightPad}) {
        PaintFace(painter, Box(pad).adjusted(1, 1, -1, -1), look, pad.Width() / 3.0);
    }
}

void PaintArrow(QPainter& painter, const LayoutRect& r, Look look, bool up) {
    PaintFace(painter, Box(r), look, 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look == Look::Pressed ? QColor(0x10, 0x14, 0x1A) : theme::kText);
    const QPointF c = Box(r).center();
    const qreal d = up ? -1.5 : 1.5;
    painter.drawPolygon(QPolygonF{c + QPointF(-3.5, -d), c + QPointF(3.5, -d), c + QPointF(0, 2 * d)});
    painter.restore();
}

void PaintEditors(QPainter& painter, const MacroPageLayout& l, Look look) {
    PaintChoice(painter, l.keyChoice, look, true);
    PaintChoice(painter, l.delayChoice, look, true);
    PaintChoice(painter, l.moveChoice, look, true);
    for (const LayoutRect& field : {l.keyField, l.delayField, l.xField, l.yField}) {
        PaintInputField(painter, Box(field).adjusted(-2, -2, 2, 2));
    }
    for (const LayoutRect& confirm : {l.keyConfirm, l.delayConfirm, l.moveConfirm}) {
        PaintTextButton(painter, confirm, look);
    }
    PaintCaption(painter, QRect(664, l.xField.top, 18, l.xField.Height()), "X", theme::kText, 12, false);
    PaintCaption(painter, QRect(760, l.yField.top, 18, l.yField.Height()), "Y", theme::kText, 12, false);
    PaintArrow(painter, l.xUp, look, true);
    PaintArrow(painter, l.xDown, look, false);
    PaintArrow(painter, l.yUp, look, true);
    PaintArrow(painter, l.yDown, look, false);
}

QImage MacroPage(int scale, bool chinese, Look look) {
    const MacroPageLayout& l = macro_page::LayoutFor(chinese);
    const LayoutRect& area = main_window::kPageArea;
    QImage image = NewImage(scale, area.Width(), area.Height(), theme::kPanel);
    QPainter painter(&image);
    PaintPanel(painter, macro_page::kMacroPanel, theme::kPanelRaised);
    PaintPanel(painter, macro_page::kEventPanel, theme::kPanelRaised);
    PaintPanel(painter, macro_page::kRecorderPanel, QColor(macro_page::kRecorderPanelColour));

    // Category button with its drop-down mark.
    PaintFace(painter, Box(l.category).adjusted(0, 0, 0, 0), look, 3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look == Look::Pressed ? QColor(0x10, 0x14, 0x1A) : theme::kAccentLight, 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF chevron(l.category.right - 16, (l.category.top + l.category.bottom) / 2.0);
    painter.drawPolyline(QPolygonF{chevron + QPointF(-5, -2), chevron + QPointF(0, 3), chevron + QPointF(5, -2)});
    painter.restore();

    PaintListFrame(painter, l.macroList);
    PaintListFrame(painter, l.eventList);

    for (const LayoutRect& button : {l.newMacro, l.deleteMacro, l.importMacro, l.exportMacro})
        PaintTextButton(painter, button, look);

    PaintButton(painter, l.insertLine, look, [&](QPointF c) {
        painter.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0));
        painter.drawLine(c + QPointF(0, -6), c + QPointF(0, 6));
    });
    PaintButton(painter, l.deleteLine, look, [&](QPointF c) { painter.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0)); });
    PaintButton(painter, l.modifyLine, look, [&](QPointF c) {
        // A pencil.
        painter.drawLine(c + QPointF(-5, 5), c + QPointF(4, -4));
        painter.drawLine(c + QPointF(-6, 6), c + QPointF(-4, 6));
        painter.drawLine(c + QPointF(2, -6), c + QPointF(6, -2));
    });

    PaintRecordButton(painter, l.record, look);
    PaintChoice(painter, l.skipDelays, look, false);
    PaintChoice(painter, l.repeatCount, look, true);
    PaintInputField(painter, Box(l.countField).adjusted(-2, -2, 2, 2));
    PaintChoice(painter, l.repeatFFFE, look, true);
    PaintChoice(painter, l.repeatFFFF, look, true);

    PaintMouse(painter, l, look);
    PaintEditors(painter, l, look);
    return image;
}

}  // namespace

void DrawMacroPage(const QString& root, int scale) {
    for (bool chinese : {false, true}) {
        const StatePictures& names = macro_page::PicturesFor(chinese);
        Save(root, QString::fromLatin1(names.normal), MacroPage(scale, chinese, Look::Normal));
        Save(root, QString::fromLatin1(names.over), MacroPage(scale, chinese, Look::Hover));
        Save(root, QString::fromLatin1(names.down), MacroPage(scale, chinese, Look::Pressed));
    }
}

}  // namespace oryn7px::skingen
