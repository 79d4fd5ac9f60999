#pragma once
// The program's own message box: a 330 × 160 picture with a title, one message and OK (and
// Cancel), optionally closing itself after a visible count-down.
#include <QDialog>
#include <QImage>
#include <QString>
#include <QTimer>
#include <array>
#include <string>

#include "core/i18n/string_table.h"
#include "ui/skin/caption_board.h"

namespace oryn7px {

class CGDIBitmapBtn;

class CDlgInfo : public QDialog, public CaptionOwner {
    Q_OBJECT
public:
    static constexpr int kCountDownTimerId = 2321;
    static constexpr int kCountDownPeriodMs = 1000;
    static constexpr int kCountDownStart = 5;

    // The title and the buttons' captions come from `strings` in the loaded UI language.
    CDlgInfo(const QString& text, bool ask, bool countDown, const StringTable& strings);

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
    const CaptionBoard& Captions() const override { return captions_; }
    // The message.
    std::vector<ShownCaption> PaintedTexts() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CGDIBitmapBtn* AddButton(const QRect& rect, int result);
    void ShowCountDown(int seconds);
    void PlaceCentred();
    void PlaceLowerRight();

    QString strText_;
    CaptionBoard captions_;
    std::u16string okCaption_;  // as the box opened: a language switch meanwhile leaves the box whole
    std::array<QImage, 3> skins_;  // background and normal, pressed, hover
    CGDIBitmapBtn* close_ = nullptr;
    CGDIBitmapBtn* ok_ = nullptr;
    CGDIBitmapBtn* cancel_ = nullptr;
    QTimer countDown_;
    int nSecondsLeft_ = 0;
};

// Runs the box modally: kBoxOk (1) for OK, kBoxCancel (2) for Cancel, the close button, a
// close or the end of the count-down.
int ShowInfoBox(const QString& text, bool ask, const StringTable& strings);
int ShowCountDownBox(const QString& text, const StringTable& strings);

}  // namespace oryn7px
