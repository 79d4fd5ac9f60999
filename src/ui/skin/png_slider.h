#pragma once
// Horizontal slider drawn from pictures: the bar is the track, the thumb a separate window
// shaped like its PNG picture that slides along it (in the bar's parent).
#include <QImage>
#include <QWidget>

namespace oryn7px {

class CPngHSlider : public QWidget {
    Q_OBJECT
public:
    explicit CPngHSlider(QWidget* parent = nullptr);

    // The picture's top-left colour is transparent: the window takes the shape of the rest.
    void SetPicture(const QImage& picture);
    // Limits in the parent's coordinates.
    void SetTrack(const QRect& track);
    void SetRange(int minimum, int maximum);
    void SetPos(int pos);
    int GetPos() const { return nPos_; }
    void SetDisabled(bool disabled) { bDisabled_ = disabled; }
    // The window that hears about user moves (the bar) and the ID it is told.
    void SetReceiver(QObject* receiver, int controlId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int ValueAtCursor(int globalX) const;

    QImage picture_;
    QRect track_;
    int nMinimum_ = 1;
    int nMaximum_ = 10;
    int nPos_ = 1;
    bool bDragging_ = false;
    int nDragStartX_ = 0;
    int nDragStartLeft_ = 0;
    bool bDisabled_ = false;
    QObject* receiver_ = nullptr;
    int nControlId_ = 0;
};

class CPngHSliderBar : public QWidget {
    Q_OBJECT
public:
    explicit CPngHSliderBar(QWidget* parent = nullptr);

    void Create(const QString& thumbPictureFile, const QRect& rect, QWidget* parent, int controlId);
    void Create(const QImage& thumbPicture, const QRect& rect, QWidget* parent, int controlId);
    int ControlId() const { return nControlId_; }
    void SetTrack(const QRect& track);
    void SetRange(int minimum, int maximum);
    void SetBackground(const QRect& rect, const QImage& pageImage);
    void SetPos(int pos);
    int GetPos() const { return thumb_.GetPos(); }
    int Minimum() const { return nMinimum_; }
    int Maximum() const { return nMaximum_; }
    // Moves the thumb as the user would: the parent hears of it.
    void MoveTo(int pos);
    void Enable(bool enabled);
    bool IsDisabled() const { return bDisabled_; }
    CPngHSlider& Thumb() { return thumb_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The arrows move the thumb one step: Left and Down back, Right and Up on.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AnnouncePos();

    CPngHSlider thumb_;
    QImage background_;
    QRect track_;
    int nMinimum_ = 1;
    int nMaximum_ = 10;
    int nControlId_ = 0;
    bool bDisabled_ = false;
};

}  // namespace oryn7px
