#pragma once
// The program's own message box: a 330 × 160 picture with a title, one message and OK (and
// Cancel), optionally closing itself after a visible count-down.
#include <QDialog>
#include <QImage>
#include <QString>
#include <QTimer>
#include <array>

namespace oryn7px {

class CGDIBitmapBtn;

class CDlgInfo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCountDownTimerId = 2321;
    static constexpr int kCountDownPeriodMs = 1000;
    static constexpr int kCountDownStart = 5;

    // `chinese` picks the built-in texts (bChinese at the moment the box is shown).
    CDlgInfo(const QString& text, bool ask, bool countDown, bool chinese);

    // What one tick of timer 2321 does; the timer calls it every second.
    void OnCountDownTick();

    QString Text() const { return strText_; }
    QString OkText() const;
    QString CancelText() const;
    bool HasCancel() const { return cancel_ != nullptr; }
    int SecondsLeft() const { return nSecondsLeft_; }
    const QTimer& CountDownTimer() const { return countDown_; }
    CGDIBitmapBtn* OkButton() const { return ok_; }
    CGDIBitmapBtn* CloseButton() const { return close_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CGDIBitmapBtn* AddButton(const QRect& rect, const QString& text, int result);
    void PlaceCentred();
    void PlaceLowerRight();

    QString strText_;
    bool bChinese_;
    std::array<QImage, 3> skins_;  // background and normal, pressed, hover
    CGDIBitmapBtn* close_ = nullptr;
    CGDIBitmapBtn* ok_ = nullptr;
    CGDIBitmapBtn* cancel_ = nullptr;
    QTimer countDown_;
    int nSecondsLeft_ = 0;
};

// Runs the box modally: kBoxOk (1) for OK, kBoxCancel (2) for Cancel, the close button, a
// close or the end of the count-down.
int ShowInfoBox(const QString& text, bool ask, bool chinese);
int ShowCountDownBox(const QString& text, bool chinese);

}  // namespace oryn7px
