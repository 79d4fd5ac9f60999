#pragma once
// CDlgSts: the statistics page. Counts every press and wheel notch of the desktop and the
// pointer's travel from the start of the program, shown or not; shows them with the trophy
// level they earned, and keeps them in Sts.cfg.
#include <QTimer>
#include <array>
#include <memory>

#include "core/pages/statistics_page/cursor_sampler.h"
#include "core/pages/statistics_page/statistics_model.h"
#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"
#include "ui/skin/message_event.h"

namespace oryn7px {

class CGDIBitmapBtn;
class StatisticsFile;

class CDlgSts : public CPageDlg {
    Q_OBJECT
public:
    static constexpr int kDistanceRepaintMs = 5000;
    // Counts that live only in memory are lost by a crash or a power cut.
    static constexpr int kPeriodicSaveMs = 5 * 60 * 1000;

    explicit CDlgSts(const PageContext& context);
    ~CDlgSts() override;

    // Statistics have nothing to apply.
    bool AllowsApply() const override { return false; }
    void Relabel() override;
    void OnDesktopMouse(uint32_t hookButtonCode) override;
    void OnSessionEnding() override;
    void OnClosing() override;
    FocusOrder KeyboardOrder() const override;
    // The counts as the page shows them.
    std::vector<ShownCaption> PaintedTexts() const override;

    // What the tests look at.
    const StatisticsModel& Model() const { return model_; }
    CGDIBitmapBtn* LargeTrophy() const { return largeTrophy_; }
    CGDIBitmapBtn* LevelPlate() const { return levelPlate_; }
    CGDIBitmapBtn* SmallTrophy(int index) const { return smallTrophies_[static_cast<std::size_t>(index)]; }
    CGDIBitmapBtn* ProgressBar() const { return progressBar_; }
    CGDIBitmapBtn* ResetButton() const { return resetButton_; }
    // Saves the counts now; false when the file could not be written (the user was told).
    bool SaveStatistics();
    // Every five minutes: saves when the counts changed since the last save.
    void SaveIfChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildControls();
    void ShowTrophyLevel();
    void ShowLevelCaption();
    void OnStsMouseEvent(const Message& message);
    void OnCursorSample(const Message& message);
    void OnMouseMove(const Message& message);
    void OnReset();

    StatisticsModel model_;
    StatisticsFile& statistics_;
    UserMessages& messages_;
    StringTable& strings_;
    QWidget* mainWindow_;
    const int32_t& bChinese_;
    const bool bChineseLayout_;

    CGDIBitmapBtn* largeTrophy_ = nullptr;
    CGDIBitmapBtn* levelPlate_ = nullptr;
    std::array<CGDIBitmapBtn*, statistics_page::kTrophyLevels> smallTrophies_{};
    CGDIBitmapBtn* progressBar_ = nullptr;
    CGDIBitmapBtn* resetButton_ = nullptr;

    QTimer distanceTimer_;
    QTimer saveTimer_;
    QtMessageTarget selfTarget_{this};
    std::unique_ptr<CursorSampler> sampler_;  // last member: stopped before anything it posts to goes
};

}  // namespace oryn7px
