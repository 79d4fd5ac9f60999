#pragma once
// The progress window shown modally while the apply worker writes the mouse. The worker moves
// its bar with UM_APPLY_PROGRESS and closes it with WM_CLOSE; the user cannot close it.
#include <QDialog>
#include <QImage>
#include <QPointer>

#include "core/base/message.h"
#include "core/i18n/string_table.h"
#include "ui/skin/caption_board.h"

namespace oryn7px {

class CPngHProgressBar;

class CDlgProgress : public QDialog, public CaptionOwner {
    Q_OBJECT
public:
    static constexpr int kBarControlId = 777;
    static constexpr int kCloseDelayMs = 500;

    // Its text comes from `strings` in the UI language of each run.
    explicit CDlgProgress(const StringTable& strings);

    // The window it centres over when shown (the main window), if any.
    void SetCentreWindow(QWidget* window) { centreOver_ = window; }
    // A fresh run: pictures loaded anew, bar at 0, placed, then the modal loop.
    int RunModal();

    int Position() const;
    // Ends a run that no pass will close any more (the program is closing).
    void Finish();
    const CaptionBoard& Captions() const override { return captions_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}

private:
    void OnApplyProgress(const Message& message);
    void OnClose(const Message& message);
    void Place();

    QImage normal_;
    QImage over_;
    CPngHProgressBar* bar_ = nullptr;
    QPointer<QWidget> centreOver_;
    const StringTable& strings_;
    CaptionBoard captions_;
    bool bClosing_ = false;
    bool bHoldingFull_ = false;
    int nRun_ = 0;  // a late close from an earlier run must not end this one
};

}  // namespace oryn7px
