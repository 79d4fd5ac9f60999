#pragma once
// Scroll bar drawn from one skin picture of 9 × 3 cells (columns: vertical first arrow, second
// arrow, thumb, track; the same for horizontal; the corner. Rows: normal, hover, pressed).
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "core/layout/skin_arithmetic.h"

namespace oryn7px {

class CSkinScrollBar : public QWidget {
    Q_OBJECT
public:
    CSkinScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    void SetSkin(const QImage& skin);
    // In window units, whichever set the skin comes from.
    int CellSize() const;
    Qt::Orientation Orientation() const { return orientation_; }

    void SetScrollInfo(const ScrollRange& range);
    ScrollRange GetScrollInfo() const { return range_; }
    // -1 while the thumb is not being dragged.
    int TrackingPos() const { return nTrackPos_; }
    ScrollGeometry Geometry(bool drawing) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override {}
    void leaveEvent(QEvent* event) override;

private:
    int Along(const QPoint& point) const;
    int Length() const;
    void SendScroll(int code, int pos = 0);
    void Repeat();
    void DrawCell(QPainter& painter, int column, int row, const QRect& target) const;
    void DrawStretched(QPainter& painter, int column, int row, const QRect& target) const;
    QRect PartRect(int start, int end) const;

    Qt::Orientation orientation_;
    QImage skin_;
    ScrollRange range_;
    int nTrackPos_ = -1;
    int nPressedPart_ = -1;
    int nHoverPart_ = -1;
    int nDragStart_ = 0;
    int nDragStartPos_ = 0;
    int nCursorAlong_ = 0;
    QTimer repeat_;
};

}  // namespace oryn7px
