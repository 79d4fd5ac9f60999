#pragma once
// The look of the generated artwork: one dark gaming theme with two cyan-blue accents.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <vector>

#include "core/layout/layout_types.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px::skingen {

namespace theme {
inline const QColor kAccent{0, 147, 209};
inline const QColor kAccentLight{64, 196, 221};
inline const QColor kBackgroundTop{0x18, 0x1D, 0x25};
inline const QColor kBackgroundBottom{0x0D, 0x10, 0x15};
inline const QColor kPanel{0x1A, 0x20, 0x28};
inline const QColor kPanelRaised{0x22, 0x2A, 0x34};
inline const QColor kEdge{0x2E, 0x38, 0x45};
inline const QColor kText{0xBD, 0xBD, 0xC8};
inline const QColor kTextDim{0x7D, 0x87, 0x94};
inline const QColor kLightPanel{0xE8, 0xED, 0xF2};
}  // namespace theme

enum class Look { Normal, Hover, Pressed };

// A picture `width` × `height` window units large with `scale` pixels per unit: its painter
// draws in window units, so one drawing serves the 1x and the 2x set.
QImage NewImage(int scale, int width, int height, QColor fill = Qt::transparent);
// The picture's area in window units, where its painter draws.
QRect DrawingArea(const QImage& image);
QPolygon ToPolygon(const LayoutQuad& quad);
QFont ArtFont(int pixelSize, int weight, bool chinese = false);

// A dark textured background with a faint diagonal weave.
void PaintBackdrop(QPainter& painter, const QRect& area);
// A raised control face in the given look (rounded rectangle).
void PaintFace(QPainter& painter, const QRectF& box, Look look, qreal radius = 4);
// The flat, muted face of a disabled control.
void PaintDisabledFace(QPainter& painter, const QRectF& box, qreal radius = 4);
// A light inset field: number boxes draw their dark text on it.
void PaintInputField(QPainter& painter, const QRectF& box);
// A square tick box: dark when resting, lit when hovered, with a tick when `ticked`.
void PaintTickBox(QPainter& painter, const QRectF& box, Look look, bool ticked);
// A filled outline in the given look, with an accent glow while pressed.
void PaintShape(QPainter& painter, const QPolygon& outline, Look look);
void PaintCaption(QPainter& painter, const QRect& box, const QString& text, QColor colour, int pixelSize,
                  bool chinese = false, int weight = 600);

// A five-pointed star.
void PaintStar(QPainter& painter, QPointF centre, qreal radius, QColor colour);

// A page-sized background with raised panels (in page pixels), each with a heading line.
QImage PageBackground(int scale, const std::vector<QRect>& panels);

// Writes `image` below `root`; the format comes from the file name. A picture of the 2x set goes
// to its twin's name beside the 1x one (ScaledSkinFile: name@2x.ext, PNG for a BMP).
void Save(const QString& root, const QString& relativePath, const QImage& image);

}  // namespace oryn7px::skingen
