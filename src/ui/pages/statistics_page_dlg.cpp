#include "ui/pages/statistics_page_dlg.h"

#include <QPainter>
#include <QPaintEvent>

#include "core/layout/statistics_page_layout.h"
#include "core/base/messages.h"
#include "core/pages/statistics_page/statistics_messages.h"
#include "core/i18n/string_table.h"
#include "core/interfaces/user_messages.h"
#include "core/settings/statistics_file.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace sp = statistics_page;

namespace {

QImage StatePicture(const char* name) { return SkinPicture(QString::fromLatin1(name)); }

bool Contains(const LayoutRect& r, QPoint point) { return ToQRect(r).contains(point); }

}  // namespace

CDlgSts::CDlgSts(const PageContext& context)
    : CPageDlg(context.mainWindow, sp::kPictures),
      statistics_(context.statistics),
      messages_(context.messages),
      strings_(context.strings),
      mainWindow_(context.mainWindow),
      bChinese_(context.bChinese),
      bChineseLayout_(context.startUpChinese) {
    // A missing file is reported by the loader; the counts then start from 0.
    statistics_.LoadStatistics(model_.Counts());
    BuildControls();
    Relabel();
    ShowTrophyLevel();

    connect(&distanceTimer_, &QTimer::timeout, this, [this] { update(ToQRect(DistanceTextArea(bChineseLayout_))); });
    distanceTimer_.start(kDistanceRepaintMs);
    connect(&saveTimer_, &QTimer::timeout, this, &CDlgSts::SaveIfChanged);
    saveTimer_.start(kPeriodicSaveMs);

    if (context.cursor) {
        if (const auto now = context.cursor->Read()) model_.SetLastSample(*now);
        sampler_ = std::make_unique<CursorSampler>(*context.cursor, selfTarget_);
        sampler_->Start();
    }
}

CDlgSts::~CDlgSts() {
    if (sampler_) sampler_->Stop();
}

// Only the reset button takes a click; the trophies and the bar only show.
FocusOrder CDlgSts::KeyboardOrder() const { return {{resetButton_}, {}}; }

void CDlgSts::BuildControls() {
    const QImage normal = StatePicture(sp::kPictures.normal);
    const QImage down = StatePicture(sp::kPictures.down);
    const QImage over = StatePicture(sp::kPictures.over);

    // The trophies and the level bar are pictures; the plate is read as the level's text.
    largeTrophy_ = new CGDIBitmapBtn(this);
    largeTrophy_->Create(ToQRect(sp::kLargeTrophy), this, 0);
    largeTrophy_->SetRole(QAccessible::Graphic);
    // Shows its piece of the trophy picture; the trophy beneath takes the mouse.
    levelPlate_ = new CGDIBitmapBtn(this);
    levelPlate_->Create(ToQRect(sp::kLevelPlate), this, 0);
    levelPlate_->setAttribute(Qt::WA_TransparentForMouseEvents);
    levelPlate_->SetRole(QAccessible::StaticText);

    for (int i = 0; i < sp::kTrophyLevels; ++i) {
        // Two looks only: lit (the pressed picture) and unlit.
        auto* trophy = new CGDIBitmapBtn(this);
        const QRect box = ToQRect(sp::SmallTrophy(i));
        trophy->Create(box, this, 0);
        trophy->SetPictures(box, normal, normal, down, normal);
        trophy->SetMode(true, false);
        trophy->setAttribute(Qt::WA_TransparentForMouseEvents);
        trophy->SetRole(QAccessible::Graphic);
        smallTrophies_[static_cast<std::size_t>(i)] = trophy;
    }

    // The bar keeps the whole filled track and shows as much of it as its width allows.
    progressBar_ = new CGDIBitmapBtn(this);
    const QRect track = ToQRect(sp::kProgressTrack);
    progressBar_->Create(ToQRect(ProgressBarRect(0)), this, 0);
    progressBar_->SetPictures(track, down, down, down, down);
    progressBar_->SetMode(true, false);
    progressBar_->SetChecked(true);
    progressBar_->setAttribute(Qt::WA_TransparentForMouseEvents);
    progressBar_->SetRole(QAccessible::Graphic);

    resetButton_ = new CGDIBitmapBtn(this);
    const QRect reset = ToQRect(sp::kResetButton);
    resetButton_->Create(reset, this, 0);
    resetButton_->SetPictures(reset, normal, over, down, normal);
    connect(resetButton_, &QAbstractButton::clicked, this, &CDlgSts::OnReset);
}

void CDlgSts::Relabel() {
    largeTrophy_->SetTooltip(Q(strings_.Text(sp::kLargeTrophyTooltip)), true);
    resetButton_->SetTooltip(Q(strings_.Text(sp::kResetButtonTooltip)), true);
    ShowCaptions(sp::kCaptions, strings_);
    ShowLevelCaption();
    for (int i = 0; i < sp::kTrophyLevels; ++i)
        smallTrophies_[static_cast<std::size_t>(i)]->setAccessibleName(CaptionText(strings_, sp::kLevelCaption).arg(i));
    progressBar_->setAccessibleName(Q(strings_.Caption(CaptionId::TrophyLevel)));
}

void CDlgSts::ShowLevelCaption() {
    const int level = model_.TrophyLevel();
    ShownCaption caption = levelPlate_->Caption();
    caption.text = CaptionText(strings_, sp::kLevelCaption).arg(level);
    levelPlate_->SetCaption(caption);
    // Dim until a level is earned.
    levelPlate_->setEnabled(level > 0);
}

void CDlgSts::ShowTrophyLevel() {
    const int level = model_.RaiseTrophyLevel();
    if (!model_.TakeLevelChange()) return;
    const QImage trophy = SkinPicture(QString::fromLatin1(sp::kTrophyPictures[static_cast<std::size_t>(level)]));
    const QRect box = ToQRect(sp::kLargeTrophy);
    largeTrophy_->SetPictures(box, trophy, trophy, trophy, trophy);
    const QRect plate = ToQRect(sp::kLevelPlate);
    levelPlate_->SetPictures(plate, trophy, trophy, trophy, trophy);
    ShowLevelCaption();
    for (int i = 0; i < sp::kTrophyLevels; ++i)
        smallTrophies_[static_cast<std::size_t>(i)]->SetChecked(IsSmallTrophyLit(i, level));
    progressBar_->setGeometry(ToQRect(ProgressBarRect(level)));
    update();
}

bool CDlgSts::event(QEvent* event) {
    static const MessageMap<CDlgSts> kMessageMap{{WM_STS_MOUSE_EVENT, &CDlgSts::OnStsMouseEvent},
                                                 {WM_STS_CURSOR_SAMPLE, &CDlgSts::OnCursorSample},
                                                 {WM_MOUSEMOVE, &CDlgSts::OnMouseMove}};
    return kMessageMap.Dispatch(*this, event) || CPageDlg::event(event);
}

void CDlgSts::OnDesktopMouse(uint32_t hookButtonCode) { OnStsMouseEvent({WM_STS_MOUSE_EVENT, hookButtonCode, 0}); }

void CDlgSts::OnStsMouseEvent(const Message& message) {
    if (!model_.OnMouseEvent(static_cast<uint32_t>(message.wParam))) return;
    update(ToQRect(CountTextsArea(bChineseLayout_)));
    ShowTrophyLevel();
}

void CDlgSts::OnCursorSample(const Message& message) { model_.OnCursorSample(CursorSampleOf(message)); }

void CDlgSts::OnMouseMove(const Message& message) {
    const QPoint point(static_cast<int16_t>(message.lParam & 0xFFFF), static_cast<int16_t>((message.lParam >> 16) & 0xFFFF));
    if (Contains(sp::kLargeTrophy, point)) PostMessageTo(mainWindow_, {UM_SHOW_HINT, 0, sp::kLargeTrophyHint});
    else if (Contains(sp::kResetButton, point)) PostMessageTo(mainWindow_, {UM_SHOW_HINT, 0, sp::kResetButtonHint});
}

void CDlgSts::OnReset() {
    if (messages_.ShowInfoBox(ResetQuestion(bChinese_ == 1), true) != kBoxOk) return;
    model_.Reset();
    SaveStatistics();
    ShowTrophyLevel();
    update();
}

bool CDlgSts::SaveStatistics() {
    if (!statistics_.SaveStatistics(model_.Counts())) return false;
    model_.MarkSaved();
    return true;
}

void CDlgSts::SaveIfChanged() {
    if (model_.HasUnsavedCounts()) SaveStatistics();
}

void CDlgSts::OnSessionEnding() { SaveStatistics(); }

void CDlgSts::OnClosing() {
    if (sampler_) sampler_->Stop();
    saveTimer_.stop();
    SaveStatistics();
}

std::vector<ShownCaption> CDlgSts::PaintedTexts() const {
    std::vector<ShownCaption> texts;
    for (const StatisticsText& text : StatisticsTexts(model_.Counts(), bChineseLayout_))
        texts.push_back({QString::fromStdString(text.text), ToQRect(text.box)});
    return texts;
}

void CDlgSts::paintEvent(QPaintEvent* event) {
    CPageDlg::paintEvent(event);
    QPainter painter(this);
    painter.setFont(SkinFont(QStringLiteral("MS Shell Dlg"), sp::kTextHeight, sp::kTextWeight));
    painter.setPen(QColor::fromRgb(sp::kTextColour));
    for (const StatisticsText& text : StatisticsTexts(model_.Counts(), bChineseLayout_)) {
        const QRect box = ToQRect(text.box);
        if (!event->region().intersects(box)) continue;
        // Never shortened: a number cut to "123456..." would be a wrong count. A long one runs on
        // to the left, into the free space before its label.
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                         QString::fromStdString(text.text));
    }
}

}  // namespace oryn7px
