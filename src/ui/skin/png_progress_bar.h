#pragma once
// Picture progress bar: the background picture with the left part of the fill picture on top.
#include <QImage>
#include <QWidget>

namespace oryn7px {

class CPngHProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit CPngHProgressBar(QWidget* parent = nullptr);

    void Create(const QRect& rect, QWidget* parent, int controlId);
    // Both pictures are cut at `rect` from their full-window pictures.
    void SetPictures(const QRect& rect, const QImage& background, const QImage& fill);
    void SetRange(int minimum, int maximum);
    void SetPos(int pos);
    int GetPos() const { return nPos_; }
    int Minimum() const { return nMinimum_; }
    int Maximum() const { return nMaximum_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void DragTo(const QPoint& pos);

    QImage background_;
    QImage fill_;
    int nControlId_ = 0;
    int nMinimum_ = 0;
    int nMaximum_ = 10;
    int nPos_ = 0;
    bool bDragging_ = false;
};

}  // namespace oryn7px
