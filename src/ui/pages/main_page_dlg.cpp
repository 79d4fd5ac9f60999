#include "ui/pages/main_page_dlg.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTimerEvent>
#include <vector>

#include "core/layout/main_page_layout.h"
#include "core/base/messages.h"
#include "core/device/input_hooks.h"
#include "core/i18n/string_table.h"
#include "core/interfaces/user_messages.h"
#include "ui/pages/menu_ex_entry_points.h"
#include "ui/pages/setting_popup_dlg.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace mp = main_page;

namespace {

const QColor kLevelNumberColour{0xC1, 0xD2, 0xEE};
constexpr int kEditFontPixels = 13;

static_assert(std::tuple_size_v<decltype(mp::Layout::dpiBoxes)> == kDpiLevelCount);
static_assert(std::tuple_size_v<decltype(mp::Layout::reportRates)> == kReportRateCount);
static_assert(std::tuple_size_v<decltype(mp::Layout::markers)> == kButtonCount);
static_assert(mp::kButtonTabs.size() == kButtonCount);

QRect R(const LayoutRect& rect) { return ToQRect(rect); }

QString FromU16(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

// The popup's key tab hears the keyboard through the hooks; their events come to this page,
// which lives as long as the hooks may post, and go on to the popup that is open.
class CDlgMainSet::HookForwarding final : public KeyForwarding {
public:
    HookForwarding(InputHooks* hooks, MessageTarget& page) : hooks_(hooks), page_(page) {}
    void ForwardKeysToKeyTab() override {
        if (hooks_ == nullptr) return;
        hooks_->SetHookOwner(&page_);
        hooks_->SetHookForwarding(true, false);
    }
    void StopForwarding() override {
        if (hooks_ != nullptr) hooks_->SetHookForwarding(false, false);
    }

private:
    InputHooks* hooks_;
    MessageTarget& page_;
};

// The layout is the skins' of the run; the captions on it follow the language.
CDlgMainSet::CDlgMainSet(const PageContext& context)
    : CPageDlg(context.mainWindow, mp::PicturesFor(context.startUpChinese)),
      context_(context),
      model_({context.profile, context.buttonMacroIds}, context.macroTable, context.keyboardLayout, context.bChinese),
      geometry_(mp::LayoutFor(context.startUpChinese)),
      forwarding_(std::make_unique<HookForwarding>(context.hooks, selfTarget_)) {
    setMouseTracking(true);
    const StatePictures& pictures = mp::PicturesFor(context.startUpChinese);
    CreateControls(SkinPicture(QString::fromLatin1(pictures.down)), SkinPicture(QString::fromLatin1(pictures.over)));
    Relabel();
    // The macro page's category menu comes from this library; without it the page closes.
    if (!LoadMenuEx(context.programFolder)) PostMessageTo(this, {WM_CLOSE, 0, 0});
    linesTimer_.start(mp::kWheelLinesTimerMs, this);
    model_.RefreshFromProfile();
    ShowView();
}

CDlgMainSet::~CDlgMainSet() = default;

CSettingDlg* CDlgMainSet::Popup() const { return popup_; }

CGDIBitmapBtn* CDlgMainSet::AddButton(const LayoutRect& rect, const QImage& down, const QImage& over,
                                      bool checkDisplay) {
    auto* button = new CGDIBitmapBtn;
    button->Create(R(rect), this, 0);
    button->SetPictures(R(rect), Picture(), over, down, Picture());
    button->SetMode(checkDisplay, false);
    button->installEventFilter(this);
    return button;
}

void CDlgMainSet::CreateControls(const QImage& down, const QImage& over) {
    const QImage thumb = LoadSkinImage(QString::fromLatin1(mp::kSliderThumb));
    const std::array<int, 4>& tabPictures = context_.startUpChinese ? mp::kTabPicturesChinese : mp::kTabPicturesOther;
    // The slider tracks are cut from the pressed picture of the tab set.
    const QImage trackPicture = LoadResource(tabPictures[1]);
    const auto slider = [&](const LayoutRect& rect, int id, ValueRange range, std::function<void(int)> moved) {
        auto* bar = new CPngHSliderBar;
        bar->Create(thumb, R(rect), this, id);
        bar->SetRange(range.minimum, range.maximum);
        bar->SetBackground(R(rect), trackPicture);
        bar->installEventFilter(this);
        sliderMoved_[id] = std::move(moved);
        return bar;
    };
    const auto edit = [&](const LayoutRect& rect, int id) {
        auto* box = new CBitmapEdit;
        box->Create(R(rect), this, id);
        box->SetBackground(R(rect), Picture());
        box->SetFontHeight(kEditFontPixels);
        box->setAlignment(Qt::AlignCenter);
        box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
        return box;
    };
    for (int k = 0; k < kDpiLevelCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        dpiBoxes_[i] = AddButton(geometry_.dpiBoxes[i], down, over, true);
        connect(dpiBoxes_[i], &QAbstractButton::clicked, this, [this, k] {
            model_.SetDpiLevelOn(k, !model_.View().dpiOn[static_cast<std::size_t>(k)]);
            ShowView();
        });
        dpiSliders_[i] = slider(geometry_.dpiSliders[i], mp::kFirstDpiSliderId + k, kDpiStepRange,
                                [this, k](int steps) { model_.SetDpi(k, steps * kDpiStep); });
        dpiValues_[i] = edit(geometry_.dpiValues[i], mp::kFirstDpiValueBoxId + k);
        dpiValues_[i]->setEnabled(false);  // they only show the value
        dpiValues_[i]->setReadOnly(true);
    }
    pointerSlider_ = slider(geometry_.pointerSlider, mp::kPointerSpeedSliderId, kPointerSpeedRange,
                            [this](int speed) { model_.SetPointerSpeed(speed); });
    sensorSlider_ = slider(geometry_.sensorSlider, mp::kSensorHeightSliderId, kSensorHeightRange,
                           [this](int height) { model_.SetSensorHeight(height); });
    precision_ = AddButton(geometry_.precisionBox, down, over, true);
    connect(precision_, &QAbstractButton::clicked, this, [this] {
        model_.SetEnhancePrecision(!model_.View().precisionChecked);
        ShowView();
    });
    for (int r = 0; r < kReportRateCount; ++r) {
        const auto i = static_cast<std::size_t>(r);
        rates_[i] = AddButton(geometry_.reportRates[i], down, over, true);
        rates_[i]->SetRole(QAccessible::RadioButton);
        // The rate is in the picture, the same in every language.
        rates_[i]->setAccessibleName(QStringLiteral("%1 Hz").arg(kReportRateHz[i]));
        connect(rates_[i], &QAbstractButton::clicked, this, [this, hz = kReportRateHz[i]] {
            model_.SetReportRateHz(hz);
            ShowView();
        });
    }
    const auto wire = [this](CGDIBitmapBtn* button, void (MainPageModel::*action)()) {
        connect(button, &QAbstractButton::clicked, this, [this, action] {
            (model_.*action)();
            ShowView();
        });
    };
    linesRadio_ = AddButton(geometry_.linesRadio, down, over, true);
    linesRadio_->SetRole(QAccessible::RadioButton);
    wire(linesRadio_, &MainPageModel::ClickLinesRadio);
    screenRadio_ = AddButton(geometry_.screenRadio, down, over, true);
    screenRadio_->SetRole(QAccessible::RadioButton);
    wire(screenRadio_, &MainPageModel::ClickScreenRadio);
    linesUp_ = AddButton(geometry_.linesUp, down, over, false);
    wire(linesUp_, &MainPageModel::LinesUp);
    linesDown_ = AddButton(geometry_.linesDown, down, over, false);
    wire(linesDown_, &MainPageModel::LinesDown);
    linesBox_ = edit(geometry_.linesBox, mp::kLinesBoxId);
    linesBox_->SetRange(kWheelLinesRange.minimum, kWheelLinesRange.maximum);
    connect(linesBox_, &QLineEdit::textEdited, this, [this](const QString& text) { model_.SetLinesText(text.toStdU16String()); });
    for (int b = 0; b < kButtonCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        markers_[i] = AddButton(geometry_.markers[i], down, over, true);
        markers_[i]->SetMode(true, true);
        markers_[i]->SetRole(QAccessible::Graphic);
        tabs_[i] = new CIrrButton;
        tabs_[i]->SetPictures(tabPictures);
        tabs_[i]->Create(mp::kButtonTabs[i], this);
        tabs_[i]->SetHighlightMode(true);
        tabs_[i]->installEventFilter(this);
    }
}

// The panels top to bottom, left column before right: DPI levels 1 to 7, pointer speed, sensor
// height, report rate, wheel scrolling, the button tabs.
FocusOrder CDlgMainSet::KeyboardOrder() const {
    FocusOrder order;
    for (std::size_t k = 0; k < dpiBoxes_.size(); ++k) order.chain.insert(order.chain.end(), {dpiBoxes_[k], dpiSliders_[k]});
    order.chain.insert(order.chain.end(), {pointerSlider_, precision_, sensorSlider_});
    order.chain.insert(order.chain.end(), rates_.begin(), rates_.end());
    order.chain.insert(order.chain.end(), {linesRadio_, linesBox_, linesUp_, linesDown_, screenRadio_});
    order.chain.insert(order.chain.end(), tabs_.begin(), tabs_.end());
    order.groups = {RadioGroup({rates_.begin(), rates_.end()}), RadioGroup({linesRadio_, screenRadio_}),
                    FocusRow({tabs_.begin(), tabs_.end()})};
    return order;
}

void CDlgMainSet::Relabel() {
    const auto text = [this](const char* key) { return QString::fromStdU16String(context_.strings.Text(key)); };
    precision_->SetTooltip(text(mp::kPrecisionTooltip), true);
    for (CGDIBitmapBtn* rate : rates_) rate->SetTooltip(text(mp::kReportRateTooltip), true);
    linesRadio_->SetTooltip(text(mp::kLinesTooltip), true);
    screenRadio_->SetTooltip(text(mp::kScreenTooltip), true);
    ShowCaptions(mp::CaptionsFor(context_.startUpChinese), context_.strings);
    NameUncaptionedControls();
}

// Controls without a caption of their own take their names from the page's captions.
void CDlgMainSet::NameUncaptionedControls() {
    const auto caption = [this](CaptionId id) { return QString::fromStdU16String(context_.strings.Caption(id)); };
    for (int k = 0; k < kDpiLevelCount; ++k) {
        const QString level = QStringLiteral("%1 %2").arg(caption(CaptionId::DpiLevels)).arg(k + 1);
        dpiBoxes_[static_cast<std::size_t>(k)]->setAccessibleName(level);
        dpiSliders_[static_cast<std::size_t>(k)]->setAccessibleName(level);
    }
    pointerSlider_->setAccessibleName(caption(CaptionId::PointerSpeed));
    sensorSlider_->setAccessibleName(caption(CaptionId::SensorHeight));
    linesBox_->setAccessibleName(caption(CaptionId::Lines));
    linesUp_->setAccessibleName(caption(CaptionId::Lines) + QStringLiteral(" +"));
    linesDown_->setAccessibleName(caption(CaptionId::Lines) + QStringLiteral(" \u2212"));
    // A spot on the mouse's picture is named after its button's tab.
    for (std::size_t b = 0; b < markers_.size(); ++b) markers_[b]->setAccessibleName(tabs_[b]->Caption().text);
}

void CDlgMainSet::RefreshFromProfile() {
    model_.RefreshFromProfile();
    ShowView();
    emit Refreshed();
}

void CDlgMainSet::ShowView() {
    const MainPageView& view = model_.View();
    for (std::size_t k = 0; k < static_cast<std::size_t>(kDpiLevelCount); ++k) {
        dpiBoxes_[k]->SetChecked(view.dpiOn[k]);
        dpiSliders_[k]->SetPos(view.dpiThumb[k]);
        dpiSliders_[k]->Enable(view.dpiOn[k]);
        dpiValues_[k]->setText(FromU16(view.dpiText[k]));
    }
    pointerSlider_->SetPos(view.pointerThumb);
    sensorSlider_->SetPos(view.sensorThumb);
    precision_->SetChecked(view.precisionChecked);
    for (std::size_t r = 0; r < rates_.size(); ++r) rates_[r]->SetChecked(view.rateChecked[r]);
    linesRadio_->SetChecked(view.linesChecked);
    screenRadio_->SetChecked(view.screenChecked);
    for (QWidget* control : {static_cast<QWidget*>(linesBox_), static_cast<QWidget*>(linesUp_),
                             static_cast<QWidget*>(linesDown_)})
        control->setEnabled(view.linesEnabled);
    if (linesBox_->text() != FromU16(view.linesText)) {
        linesBox_->setText(FromU16(view.linesText));
        linesBox_->setCursorPosition(static_cast<int>(linesBox_->text().size()));
    }
    for (std::size_t b = 0; b < tabs_.size(); ++b) tabs_[b]->SetHighlighted(view.tabHighlighted[b]);
}

void CDlgMainSet::CommitWheelLines() {
    model_.SetLinesText(linesBox_->text().toStdU16String());
    model_.CommitWheelLines();
    ShowView();
}

void CDlgMainSet::BeforeApply() {
    if (context_.profile.nWheelLines != kWheelScreenPerNotch) CommitWheelLines();
}

void CDlgMainSet::OnClosing() {
    markerTimer_.stop();
    linesTimer_.stop();
}

void CDlgMainSet::AssignButton(int button) {
    const std::u16string name = model_.BeginAssignment(button);
    CSettingDlg popup(this, button, name, context_.profile.Buttons[button].nFunction, context_.bChinese == 1,
                      {context_.strings, context_.messages, context_.keyboardLayout, context_.library, *forwarding_,
                       context_.hooks != nullptr && context_.hooks->IsInstalled(), BrowseHostPath});
    popup_ = &popup;
    const bool ok = popup.exec() == QDialog::Accepted;
    popup_ = nullptr;
    const auto refusal = model_.FinishAssignment(ok ? std::optional<AssignmentResult>(popup.Model().Result()) : std::nullopt);
    if (refusal) context_.messages.ShowInfoBox(*refusal, false);
    ShowView();
}

void CDlgMainSet::TrackMarkers(const QPoint& cursor, bool mainWindowInFront) {
    for (std::size_t b = 0; b < tabs_.size(); ++b) {
        const QRect box = R(BoundingBox(mp::kButtonTabs[b])).adjusted(mp::kMarkerTabInset, 0, -mp::kMarkerTabInset, 0);
        if (!box.contains(cursor)) {
            markers_[b]->SetChecked(false);
        } else if (mainWindowInFront) {
            markers_[b]->SetChecked(true);
        }
    }
}

void CDlgMainSet::timerEvent(QTimerEvent* event) {
    if (event->timerId() == markerTimer_.timerId()) {
        TrackMarkers(mapFromGlobal(QCursor::pos()), window()->isActiveWindow());
    } else if (event->timerId() == linesTimer_.timerId()) {
        if (model_.View().linesChecked) CommitWheelLines();
    } else {
        CPageDlg::timerEvent(event);
    }
}

// The markers follow the cursor only while they can be seen: a hidden page (another tab, the
// window in the tray) would otherwise ask the X server for the cursor five times a second.
void CDlgMainSet::showEvent(QShowEvent* event) {
    markerTimer_.start(mp::kMarkerTimerMs, this);
    CPageDlg::showEvent(event);
}

void CDlgMainSet::hideEvent(QHideEvent* event) {
    markerTimer_.stop();
    CPageDlg::hideEvent(event);
}

bool CDlgMainSet::event(QEvent* event) {
    static const MessageMap<CDlgMainSet> kMessageMap{
        {UM_SLIDER_POS, &CDlgMainSet::OnSliderPos},
        {WM_COMMAND, &CDlgMainSet::OnCommand},
        {UM_HOOK_INPUT, &CDlgMainSet::OnHookInput},
        {WM_CLOSE, &CDlgMainSet::OnClose},
    };
    return kMessageMap.Dispatch(*this, event) || CPageDlg::event(event);
}

void CDlgMainSet::OnHookInput(const Message& message) {
    if (popup_) popup_->OnHookKey(static_cast<uint32_t>(message.wParam), static_cast<uint32_t>(message.lParam));
}

void CDlgMainSet::OnClose(const Message&) { close(); }

void CDlgMainSet::OnSliderPos(const Message& message) {
    const auto moved = sliderMoved_.find(static_cast<int>(message.lParam));
    if (moved == sliderMoved_.end()) return;
    moved->second(static_cast<int>(message.wParam));
    ShowView();
}

void CDlgMainSet::OnCommand(const Message& message) {
    for (int b = 0; b < kButtonCount; ++b) {
        if (WindowHandle(tabs_[static_cast<std::size_t>(b)]) == message.lParam) {
            AssignButton(b);
            return;
        }
    }
}

void CDlgMainSet::ShowHints(const QPoint& at) {
    const auto over = [&at](const QRect& box) { return box.adjusted(-1, -1, 1, 1).contains(at); };
    std::vector<int> hints;
    if (over(pointerSlider_->geometry())) hints.push_back(mp::kHintPointerSpeed);
    if (over(precision_->geometry())) hints.push_back(mp::kHintPrecision);
    if (over(sensorSlider_->geometry())) hints.push_back(mp::kHintSensorHeight);
    for (CGDIBitmapBtn* rate : rates_)
        if (over(rate->geometry())) hints.push_back(mp::kHintReportRate);
    if (over(linesRadio_->geometry())) hints.push_back(mp::kHintLines);
    if (over(screenRadio_->geometry())) hints.push_back(mp::kHintScreen);
    for (CIrrButton* tab : tabs_)
        if (over(tab->geometry())) hints.push_back(mp::kHintButtonTab);
    for (std::size_t t = 0; t < mp::kTitleAreas.size(); ++t)
        if (over(R(mp::kTitleAreas[t]))) hints.push_back(mp::kTitleHints[t]);
    for (int hint : hints) PostMessageTo(context_.mainWindow, {UM_SHOW_HINT, 0, hint});
}

void CDlgMainSet::mouseMoveEvent(QMouseEvent* event) {
    ShowHints(event->position().toPoint());
    CPageDlg::mouseMoveEvent(event);
}

bool CDlgMainSet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        auto* control = static_cast<QWidget*>(watched);
        ShowHints(control->mapToParent(static_cast<QMouseEvent*>(event)->position().toPoint()));
    }
    return CPageDlg::eventFilter(watched, event);
}

void CDlgMainSet::paintEvent(QPaintEvent* event) {
    CPageDlg::paintEvent(event);
    QPainter painter(this);
    QFont font = SkinFont(QStringLiteral("MS Shell Dlg"), 11, 400);
    painter.setFont(font);
    painter.setPen(kLevelNumberColour);
    for (int k = 0; k < kDpiLevelCount; ++k)
        painter.drawText(R(geometry_.levelNumbers[static_cast<std::size_t>(k)]), Qt::AlignCenter, QString::number(k + 1));
    PaintNotAppliedNotes(painter);
}

void CDlgMainSet::PaintNotAppliedNotes(QPainter& painter) {
    for (const ShownCaption& note : PaintedTexts()) note.Paint(painter);
}

// The settings stay editable (the profile carries them to other desktops), but the page does
// not pretend they take effect here.
std::vector<ShownCaption> CDlgMainSet::PaintedTexts() const {
    const PointerSupport& support = context_.pointerSupport;
    const auto notes = mp::NoteCaptionsFor(context_.startUpChinese);
    const bool shown[] = {!support.precision || !support.speed, !support.wheelLines};
    std::vector<ShownCaption> texts;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (shown[i])
            texts.push_back({CaptionText(context_.strings, notes[i]), R(notes[i].box), notes[i].style, notes[i].align});
    }
    return texts;
}

}  // namespace oryn7px
