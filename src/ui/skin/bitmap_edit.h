#pragma once
// An edit box without border whose background is a piece of the page picture.
#include <QImage>
#include <QLineEdit>

namespace oryn7px {

class CBitmapEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CBitmapEdit(QWidget* parent = nullptr);

    void Create(const QRect& rect, QWidget* parent, int controlId);
    int ControlId() const { return nControlId_; }
    void SetRange(int minimum, int maximum);
    int Minimum() const { return nMinimum_; }
    int Maximum() const { return nMaximum_; }
    void SetFontHeight(int pixels);
    // The background becomes the `rect` piece of `pagePicture`.
    void SetBackground(const QRect& rect, const QImage& pagePicture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int nControlId_ = 0;
    int nMinimum_ = 0;
    int nMaximum_ = 0;
};

}  // namespace oryn7px
