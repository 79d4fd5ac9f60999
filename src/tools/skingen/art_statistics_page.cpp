// The statistics page's pictures: the page in its three looks (the rows' strips, the trophy row,
// the progress track, the reset button) and the large trophies. The page draws the captions.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "art.h"
#include "core/layout/frame_layout.h"
#include "core/layout/statistics_page_layout.h"
#include "theme.h"
#include "ui/skin/picture_scale.h"

namespace oryn7px::skingen {

namespace sp = statistics_page;

namespace {

const QRect kCountsPanel{20, 16, 260, 424};
const QRect kTrophyPanel{296, 16, 324, 424};
const QRect kLevelPanel{620, 16, 290, 424};

QColor TrophyMetal(int level) {
    if (level >= 12) return theme::kAccentLight;
    if (level >= 8) return QColor(0xF2, 0xC1, 0x4E);
    if (level >= 4) return QColor(0xC9, 0xD1, 0xDA);
    return QColor(0xC7, 0x7B, 0x3F);
}

// One row: a dark strip behind the label and the number; the totals are marked in the accent.
void CountRow(QPainter& painter, int row) {
    const sp::RowSpan span = sp::kRows[static_cast<std::size_t>(row)];
    const bool total = row == sp::kRowClicks || row == sp::kRowWheel;
    const QRectF strip(kCountsPanel.left() + 8, span.top - 5, kCountsPanel.width() - 16, span.bottom - span.top + 10);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(total ? theme::kAccent : theme::kEdge, 1));
    painter.setBrush(QColor(0x12, 0x16, 0x1C));
    painter.drawRoundedRect(strip.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (total) painter.fillRect(QRectF(strip.left() + 1, strip.top() + 4, 2, strip.height() - 8), theme::kAccentLight);
    painter.restore();
}

// A small cup: lit in its level's metal, or an unlit outline.
void SmallCup(QPainter& painter, int index, bool lit) {
    const QRectF box = QRectF(ToQRect(sp::SmallTrophy(index)));
    const QColor metal = TrophyMetal(index);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(lit ? metal : theme::kEdge, 1));
    painter.setBrush(lit ? QColor(metal.red(), metal.green(), metal.blue(), 40) : QColor(0x14, 0x18, 0x1E));
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    const qreal cx = box.center().x();
    const qreal top = box.top() + 7;
    QPainterPath cup;
    cup.moveTo(cx - 10, top);
    cup.lineTo(cx + 10, top);
    cup.cubicTo(cx + 10, top + 14, cx + 5, top + 19, cx, top + 20);
    cup.cubicTo(cx - 5, top + 19, cx - 10, top + 14, cx - 10, top);
    painter.setBrush(lit ? metal : QColor(0x2A, 0x31, 0x3B));
    painter.setPen(QPen(lit ? metal.lighter(140) : theme::kEdge, 1));
    painter.drawPath(cup);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(cx - 15, top + 2, 8, 10), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(cx + 7, top + 2, 8, 10), 90 * 16, -180 * 16);
    painter.fillRect(QRectF(cx - 6, top + 22, 12, 3), lit ? metal.darker(120) : theme::kEdge);
    painter.setPen(lit ? theme::kText : theme::kTextDim);
    painter.setFont(ArtFont(10, 700));
    painter.drawText(QRectF(box.left(), box.bottom() - 15, box.width(), 13), Qt::AlignCenter, QString::number(index));
    painter.restore();
}

void ProgressTrack(QPainter& painter, bool filled) {
    const QRectF track = QRectF(ToQRect(sp::kProgressTrack));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (filled) {
        QLinearGradient fill(track.topLeft(), track.topRight());
        fill.setColorAt(0, theme::kAccent);
        fill.setColorAt(1, theme::kAccentLight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRect(track);
        painter.fillRect(QRectF(track.left(), track.top() + 2, track.width(), 2), QColor(255, 255, 255, 90));
    } else {
        painter.setPen(QPen(theme::kEdge, 1));
        painter.setBrush(QColor(0x0E, 0x11, 0x16));
        painter.drawRect(track.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    // Thirteen steps, one per level.
    painter.setPen(QPen(filled ? QColor(0, 0, 0, 70) : theme::kEdge, 1));
    for (int step = 1; step < sp::kTrophyLevels; ++step) {
        const qreal x = track.left() + step * track.width() / sp::kTrophyLevels;
        painter.drawLine(QPointF(x, track.top() + 2), QPointF(x, track.bottom() - 2));
    }
    painter.restore();
}

void ResetButton(QPainter& painter, Look look) { PaintFace(painter, ToQRect(sp::kResetButton), look); }

// The page in one look: Normal shows unlit trophies and an empty track, Pressed every trophy
// lit and the track full (the controls show as much of it as the level earned), Hover the
// reset button lit up.
QImage StatisticsPage(int scale, Look look) {
    QImage image = PageBackground(scale, {kCountsPanel, kTrophyPanel, kLevelPanel});
    QPainter painter(&image);
    for (int row = 0; row < sp::kRowCount; ++row) CountRow(painter, row);
    ProgressTrack(painter, look == Look::Pressed);
    painter.setPen(theme::kTextDim);
    painter.setFont(ArtFont(11, 600));
    painter.drawText(QRect(sp::kProgressLeft, sp::kProgressBottom + 4, sp::kProgressFullWidth, 16),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0"));
    painter.drawText(QRect(sp::kProgressLeft, sp::kProgressBottom + 4, sp::kProgressFullWidth, 16),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("12"));
    for (int i = 0; i < sp::kTrophyLevels; ++i) SmallCup(painter, i, look == Look::Pressed);
    ResetButton(painter, look);
    return image;
}

}  // namespace

QImage TrophyPicture(int scale, int level) {
    QImage image = CutPicture(StatisticsPage(scale, Look::Normal), QRect(0, 0, sp::kWidth, sp::kHeight));
    QPainter painter(&image);
    const QRectF box = QRectF(ToQRect(sp::kLargeTrophy));
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor metal = TrophyMetal(level);
    const bool earned = level > 0;
    QRadialGradient halo(box.center() - QPointF(0, 40), box.width() * 0.6);
    halo.setColorAt(0, QColor(metal.red(), metal.green(), metal.blue(), earned ? 70 : 20));
    halo.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(box.adjusted(0, 17, 0, -12), halo);

    const qreal cx = box.center().x();
    QPainterPath cup;
    cup.moveTo(cx - 80, box.top() + 70);
    cup.lineTo(cx + 80, box.top() + 70);
    cup.cubicTo(cx + 80, box.top() + 200, cx + 40, box.top() + 250, cx, box.top() + 255);
    cup.cubicTo(cx - 40, box.top() + 250, cx - 80, box.top() + 200, cx - 80, box.top() + 70);
    QLinearGradient shine(cx - 80, 0, cx + 80, 0);
    shine.setColorAt(0, earned ? metal.darker(160) : QColor(0x2A, 0x31, 0x3B));
    shine.setColorAt(0.35, earned ? metal.lighter(130) : QColor(0x3A, 0x44, 0x50));
    shine.setColorAt(1, earned ? metal.darker(130) : QColor(0x22, 0x28, 0x30));
    painter.setBrush(shine);
    painter.setPen(QPen(earned ? metal.lighter(150) : theme::kEdge, 2));
    painter.drawPath(cup);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(earned ? metal : theme::kEdge, 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(cx - 118, box.top() + 85, 60, 80), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(cx + 58, box.top() + 85, 60, 80), 90 * 16, -180 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(earned ? metal.darker(120) : QColor(0x2A, 0x31, 0x3B));
    painter.drawRect(QRectF(cx - 12, box.top() + 255, 24, 50));
    painter.drawRoundedRect(QRectF(cx - 70, box.top() + 300, 140, 26), 4, 4);
    painter.setBrush(QColor(0x0E, 0x11, 0x16));
    painter.drawRoundedRect(QRectF(ToQRect(sp::kLevelPlate)), 4, 4);
    const int stars = level % 4 == 0 && level > 0 ? 4 : level % 4;
    for (int i = 0; i < stars; ++i)
        PaintStar(painter, QPointF(cx - (stars - 1) * 14 + i * 28, box.top() + 160), 10, QColor(255, 255, 255, 220));
    return image;
}

void DrawTrophies(const QString& root, int scale) {
    for (int level = 0; level < sp::kTrophyLevels; ++level)
        Save(root, QString::fromLatin1(sp::kTrophyPictures[static_cast<std::size_t>(level)]),
             TrophyPicture(scale, level));
}

void DrawStatisticsPage(const QString& root, int scale) {
    Save(root, QString::fromLatin1(sp::kPictures.normal), StatisticsPage(scale, Look::Normal));
    Save(root, QString::fromLatin1(sp::kPictures.down), StatisticsPage(scale, Look::Pressed));
    Save(root, QString::fromLatin1(sp::kPictures.over), StatisticsPage(scale, Look::Hover));
}

}  // namespace oryn7px::skingen
