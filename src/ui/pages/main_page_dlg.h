#pragma once
// The main settings page: seven DPI levels, pointer speed and precision, sensor height, report
// rate, wheel scrolling, and the eight button tabs that open the key-assignment popup.
#include <QBasicTimer>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "core/layout/main_page_layout.h"
#include "core/pages/main_page/main_page_model.h"
#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/message_event.h"
#include "ui/skin/png_slider.h"

class QPainter;

namespace oryn7px {

class CSettingDlg;

class CDlgMainSet : public CPageDlg {
    Q_OBJECT
public:
    explicit CDlgMainSet(const PageContext& context);
    ~CDlgMainSet() override;

    void RefreshFromProfile() override;
    void OnShown() override { RefreshFromProfile(); }
    void BeforeApply() override;
    void Relabel() override;
    void OnClosing() override;
    FocusOrder KeyboardOrder() const override;

    // The notes that a pointer or wheel setting does not take effect on this desktop.
    std::vector<ShownCaption> PaintedTexts() const override;

    // Takes the lines box's number into the profile.
    void CommitWheelLines();

    const MainPageModel& Model() const { return model_; }
    // The popup while it is open, else null.
    CSettingDlg* Popup() const;
    CIrrButton* ButtonTab(int button) const { return tabs_[static_cast<std::size_t>(button)]; }
    CGDIBitmapBtn* Marker(int button) const { return markers_[static_cast<std::size_t>(button)]; }
    CBitmapEdit* LinesBox() const { return linesBox_; }
    CGDIBitmapBtn* DpiBox(int level) const { return dpiBoxes_[static_cast<std::size_t>(level)]; }
    CBitmapEdit* DpiValueBox(int level) const { return dpiValues_[static_cast<std::size_t>(level)]; }
    CPngHSliderBar* DpiSlider(int level) const { return dpiSliders_[static_cast<std::size_t>(level)]; }
    CGDIBitmapBtn* ReportRateButton(int index) const { return rates_[static_cast<std::size_t>(index)]; }
    // Opens the popup for `button` and handles its result (what a click on its tab does).
    void AssignButton(int button);
    // One tick of the marker timer, for a cursor at `cursor` (page coordinates).
    void TrackMarkers(const QPoint& cursor, bool mainWindowInFront);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void PaintNotAppliedNotes(QPainter& painter);
    class HookForwarding;

    void CreateControls(const QImage& down, const QImage& over);
    void NameUncaptionedControls();
    CGDIBitmapBtn* AddButton(const LayoutRect& rect, const QImage& down, const QImage& over, bool checkDisplay);
    void ShowView();
    void ShowHints(const QPoint& at);
    void OnSliderPos(const Message& message);
    void OnCommand(const Message& message);
    void OnHookInput(const Message& message);
    void OnClose(const Message& message);

    PageContext context_;
    MainPageModel model_;
    const main_page::Layout& geometry_;
    std::unique_ptr<HookForwarding> forwarding_;
    QtMessageTarget selfTarget_{this};
    QPointer<CSettingDlg> popup_;

    std::array<CGDIBitmapBtn*, kDpiLevelCount> dpiBoxes_{};
    std::array<CPngHSliderBar*, kDpiLevelCount> dpiSliders_{};
    std::array<CBitmapEdit*, kDpiLevelCount> dpiValues_{};
    CPngHSliderBar* pointerSlider_ = nullptr;
    CGDIBitmapBtn* precision_ = nullptr;
    CPngHSliderBar* sensorSlider_ = nullptr;
    std::array<CGDIBitmapBtn*, kReportRateCount> rates_{};
    CGDIBitmapBtn* linesRadio_ = nullptr;
    CBitmapEdit* linesBox_ = nullptr;
    CGDIBitmapBtn* linesUp_ = nullptr;
    CGDIBitmapBtn* linesDown_ = nullptr;
    CGDIBitmapBtn* screenRadio_ = nullptr;
    std::array<CGDIBitmapBtn*, kButtonCount> markers_{};
    std::array<CIrrButton*, kButtonCount> tabs_{};
    // What a move of each slider requests, by the control ID the slider reports with.
    std::map<int, std::function<void(int)>> sliderMoved_;
    QBasicTimer markerTimer_;
    QBasicTimer linesTimer_;
};

}  // namespace oryn7px
