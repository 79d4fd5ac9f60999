#pragma once
// The page contract: everything the main window asks of a page. A page is a child window in the
// main window's page area; it paints its own pictures and reports by posted messages. The main
// window calls every page the same way and names none of them.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <span>

#include "core/layout/caption_place.h"
#include "core/layout/layout_types.h"
#include "ui/skin/caption_board.h"
#include "ui/skin/focus_chain.h"

namespace oryn7px {

class CPageDlg : public QWidget, public CaptionOwner {
    Q_OBJECT
public:
    // The page takes the size of its normal picture (or the page area when it is missing).
    CPageDlg(QWidget* mainWindow, const StatePictures& pictures);

    // The profile in memory changed: another profile, restore defaults, shown from the tray.
    virtual void RefreshFromProfile() {}
    // The page's tab was selected and the page is now shown.
    virtual void OnShown() {}
    // Another page was selected or the window hides: end whatever runs only while in view.
    virtual void OnLeaving() {}
    // The apply button was pressed: take pending edit fields into the profile.
    virtual void BeforeApply() {}
    // The UI language changed: relabel texts and tooltips from the string table.
    virtual void Relabel() {}
    // A button press or wheel notch seen on the desktop (hook button code), before host actions.
    virtual void OnDesktopMouse(uint32_t hookButtonCode) {}
    // The mouse's firmware version was read; 0 when unknown.
    virtual void OnFirmwareVersion(uint32_t version) {}
    // The desktop session ends: keep what must not be lost.
    virtual void OnSessionEnding() {}
    // The close sequence, just before the page is destroyed.
    virtual void OnClosing() {}
    // Whether the profile and apply buttons are enabled while this page is shown.
    virtual bool AllowsApply() const { return true; }
    // The page's controls in keyboard order, and its arrow groups. The window skips what is
    // hidden or disabled at the time.
    virtual FocusOrder KeyboardOrder() const { return {}; }
    // The page records the keyboard (the macro recorder): keys must not move the focus or press
    // its controls meanwhile.
    virtual bool TakesKeyboard() const { return false; }

    const QImage& Picture() const { return picture_; }
    const CaptionBoard& Captions() const override { return captions_; }

signals:
    void Refreshed();
    // TakesKeyboard() changed: recording began or ended.
    void KeyboardTaken(bool taken);

protected:
    // Draws `places` in the loaded language, on the controls that hold them or on the page.
    void ShowCaptions(std::span<const CaptionPlace> places, const StringTable& strings) {
        captions_.Show(*this, places, strings);
    }
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    CaptionBoard captions_;
};

}  // namespace oryn7px
