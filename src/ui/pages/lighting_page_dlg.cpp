#include "ui/pages/lighting_page_dlg.h"

#include <QGraphicsOpacityEffect>
#include <QIntValidator>
#include <QMouseEvent>
#include <QPainter>
#include <vector>

#include "core/base/messages.h"
#include "core/i18n/spoken_names.h"
#include "core/i18n/string_table.h"
#include "core/pages/lighting_page/light_presets.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/color_btn.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/png_slider.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {

namespace lp = lighting_page;

namespace {

// Disabled controls show their normal look, darkened, so it is plain what cannot be used.
QImage Dimmed(const QImage& picture) {
    if (picture.isNull()) return picture;
    QImage dimmed = picture.copy();
    QPainter painter(&dimmed);
    painter.fillRect(dimmed.rect(), QColor(8, 10, 14, 150));
    return dimmed;
}

}  // namespace

CDlgLEDSet::CDlgLEDSet(const PageContext& context)
    : CPageDlg(context.mainWindow, lp::PicturesFor(context.startUpChinese)),
      mainWindow_(context.mainWindow),
      strings_(context.strings),
      chineseLayout_(context.startUpChinese),
      layout_(lp::LayoutFor(chineseLayout_)),
      model_(context.profile) {
    setMouseTracking(true);
    // The disabled look is cut from this copy; it goes when the controls have their pieces.
    CreateControls(Dimmed(Picture()));
    Relabel();
    RefreshFromProfile();
}

CGDIBitmapBtn* CDlgLEDSet::PictureButton(const LayoutRect& rect, const QImage& down, const QImage& over,
                                         const QImage& disabled) {
    auto* button = new CGDIBitmapBtn(this);
    button->Create(ToQRect(rect), this, 0);
    button->SetPictures(QRect(QPoint(rect.left, rect.top), button->size()), Picture(), over, down, disabled);
    // The page alone decides what is checked.
    button->SetMode(true, false);
    return button;
}

CPngHSliderBar* CDlgLEDSet::SliderBar(const LayoutRect& rect, int controlId, ValueRange range, int trackShortening,
                                      std::function<void(int)> moved) {
    auto* bar = new CPngHSliderBar(this);
    bar->Create(SkinPicture(QString::fromLatin1(lp::kSliderThumb)), ToQRect(rect), this, controlId);
    bar->SetRange(range.minimum, range.maximum);
    bar->SetTrack(ToQRect(rect).adjusted(0, 0, -trackShortening, 0));
    bar->SetBackground(ToQRect(rect), Picture());
    sliderMoved_[controlId] = std::move(moved);
    return bar;
}

void CDlgLEDSet::CreateControls(const QImage& disabled) {
    const StatePictures& files = lp::PicturesFor(chineseLayout_);
    const QImage down = SkinPicture(QString::fromLatin1(files.down));
    const QImage over = SkinPicture(QString::fromLatin1(files.over));

    for (int e = 1; e <= lp::kEffectCount; ++e) {
        CGDIBitmapBtn* radio = PictureButton(layout_.effects[static_cast<std::size_t>(e - 1)], down, over, disabled);
        radio->SetRole(QAccessible::RadioButton);
        connect(radio, &QAbstractButton::clicked, this, [this, e] {
            model_.SetEffect(e);
            Mirror();
        });
        effects_[static_cast<std::size_t>(e - 1)] = radio;
    }
    ownColours_ = PictureButton(layout_.ownColours, down, over, disabled);
    connect(ownColours_, &QAbstractButton::clicked, this, [this] {
        model_.SetOwnColours(!model_.View().ownColoursChecked);
        Mirror();
    });
    for (int n = 1; n <= lp::kColourButtonCount; ++n) {
        auto* button = new CColorBtn(this);
        button->setGeometry(ToQRect(layout_.colourButtons[static_cast<std::size_t>(n - 1)]));
        connect(button, &QAbstractButton::clicked, this, [this, n] {
            model_.ClickColourButton(n);
            Mirror();
        });
        colourButtons_[static_cast<std::size_t>(n - 1)] = button;
    }
    // Shows the edited single colour; a click on it changes nothing.
    currentColour_ = new CColorBtn(this);
    currentColour_->setGeometry(ToQRect(layout_.currentColour));
    for (int t = 0; t < lp::kTouchChoiceCount; ++t) {
        CGDIBitmapBtn* radio = PictureButton(layout_.touch[static_cast<std::size_t>(t)], down, over, disabled);
        radio->SetRole(QAccessible::RadioButton);
        connect(radio, &QAbstractButton::clicked, this, [this, t] {
            model_.SetTouch(t);
            Mirror();
        });
        touch_[static_cast<std::size_t>(t)] = radio;
    }
    for (int k = 0; k < lp::kSwatchCount; ++k) {
        CGDIBitmapBtn* swatch = PictureButton(lp::SwatchRect(layout_, k), down, over, disabled);
        swatch->SetRole(QAccessible::RadioButton);
        swatch->setAccessibleName(Q(ColourWords(kLightPresets[static_cast<std::size_t>(k)])));
        connect(swatch, &QAbstractButton::clicked, this, [this, k] {
            model_.ClickSwatch(k);
            Mirror();
        });
        swatches_[static_cast<std::size_t>(k)] = swatch;
    }

    breathing_ = SliderBar(layout_.breathingSlider, lp::kBreathingSliderId, kBreathingSpeedRange, 0,
                           [this](int speed) { model_.SetBreathingSpeed(speed); });
    brightness_ = SliderBar(layout_.brightnessSlider, lp::kBrightnessSliderId, kBrightnessRange, 0,
                            [this](int brightness) { model_.SetBrightness(brightness); });
    cycleSpeed_ = SliderBar(layout_.cycleSpeedSlider, lp::kCycleSpeedSliderId, kCycleSpeedRange, 0,
                            [this](int speed) { model_.SetCycleSpeed(speed); });
    for (int c = 0; c < lp::kChannelCount; ++c) {
        const auto channel = static_cast<ColorChannel>(c);
        colourSliders_[static_cast<std::size_t>(c)] =
            SliderBar(layout_.colourSliders[static_cast<std::size_t>(c)], lp::kRedSliderId + c, kChannelValueRange,
                      lp::kColourTrackShortening,
                      [this, channel](int value) { model_.SetColourChannel(channel, static_cast<uint8_t>(value)); });
        // The picture shows only the channel's letter.
        colourSliders_[static_cast<std::size_t>(c)]->setAccessibleName(Q(kChannelNames[static_cast<std::size_t>(c)]));
        auto* box = new CBitmapEdit(this);
        const QRect rect = ToQRect(layout_.valueBoxes[static_cast<std::size_t>(c)]);
        box->Create(rect, this, lp::kRedBoxId + c);
        box->SetRange(kChannelValueRange.minimum, kChannelValueRange.maximum);
        box->setValidator(new QIntValidator(kChannelValueRange.minimum, kChannelValueRange.maximum, box));
        box->SetBackground(rect, Picture());
        box->setAlignment(Qt::AlignCenter);
        // Three digits fit the narrow box only without the edit's own margins.
        box->SetFontHeight(12);
        box->setTextMargins(-2, 0, -2, 0);
        // The boxes only show the numbers of the sliders.
        box->setEnabled(false);
        box->setReadOnly(true);
        valueBoxes_[static_cast<std::size_t>(c)] = box;
    }
}

CPngHSliderBar* CDlgLEDSet::Slider(int controlId) const {
    switch (controlId) {
        case lp::kBreathingSliderId: return breathing_;
        case lp::kBrightnessSliderId: return brightness_;
        case lp::kCycleSpeedSliderId: return cycleSpeed_;
        case lp::kRedSliderId:
        case lp::kGreenSliderId:
        case lp::kBlueSliderId: return colourSliders_[static_cast<std::size_t>(controlId - lp::kRedSliderId)];
        default: return nullptr;
    }
}

void CDlgLEDSet::RefreshFromProfile() {
    model_.RefreshLighting();
    Mirror();
    update();
    emit Refreshed();
}

void CDlgLEDSet::Mirror() {
    const LightingView& view = model_.View();
    for (std::size_t e = 0; e < effects_.size(); ++e) effects_[e]->SetChecked(view.effectChecked[e]);
    for (std::size_t t = 0; t < touch_.size(); ++t) touch_[t]->SetChecked(view.touchChecked[t]);
    ownColours_->SetChecked(view.ownColoursChecked);
    ownColours_->setEnabled(view.ownColoursEnabled);
    for (std::size_t n = 0; n < colourButtons_.size(); ++n) {
        colourButtons_[n]->setEnabled(view.ownColoursEnabled);
        colourButtons_[n]->SetColour(ToQColor(view.buttonColours[n]));
    }
    currentColour_->SetColour(ToQColor(view.buttonColours[kSingleColourIndex]));
    for (std::size_t k = 0; k < swatches_.size(); ++k) {
        swatches_[k]->setEnabled(view.swatchesEnabled);
        swatches_[k]->SetChecked(view.swatchChecked[k]);
    }
    const std::pair<CPngHSliderBar*, std::pair<bool, int>> effectSliders[] = {
        {breathing_, {view.breathingEnabled, view.breathingPos}},
        {brightness_, {view.brightnessEnabled, view.brightnessPos}},
        {cycleSpeed_, {view.cycleSpeedEnabled, view.cycleSpeedPos}}};
    for (const auto& [bar, state] : effectSliders) {
        EnableSlider(bar, state.first);
        bar->SetPos(state.second);
    }
    for (std::size_t c = 0; c < colourSliders_.size(); ++c) {
        const int value = view.rgb.Channel(static_cast<ColorChannel>(c));
        EnableSlider(colourSliders_[c], view.colourSlidersEnabled);
        colourSliders_[c]->SetPos(value);
        valueBoxes_[c]->setText(QString::number(value));
    }
}

void CDlgLEDSet::EnableSlider(CPngHSliderBar* bar, bool enabled) {
    bar->Enable(enabled);
    // A slider the effect does not use is shown faded. The effect goes when the slider is used
    // again: drawn through an effect, the thumb would lose its shaped edge.
    for (QWidget* part : {static_cast<QWidget*>(bar), static_cast<QWidget*>(&bar->Thumb())}) {
        if (enabled) {
            part->setGraphicsEffect(nullptr);
        } else if (part->graphicsEffect() == nullptr) {
            auto* fade = new QGraphicsOpacityEffect(part);
            fade->setOpacity(0.35);
            part->setGraphicsEffect(fade);
        }
    }
}

// The effect panel in reading order (the layouts place its controls differently), the touch
// choices, then the presets row by row and the red, green and blue sliders.
FocusOrder CDlgLEDSet::KeyboardOrder() const {
    std::vector<QWidget*> effectPanel{effects_.begin(), effects_.end()};
    effectPanel.insert(effectPanel.end(), {breathing_, brightness_, ownColours_});
    effectPanel.insert(effectPanel.end(), colourButtons_.begin(), colourButtons_.end());
    effectPanel.push_back(cycleSpeed_);
    FocusOrder order;
    order.chain = InReadingOrder(effectPanel);
    const std::vector<QWidget*> touch = InReadingOrder({touch_.begin(), touch_.end()});
    order.chain.insert(order.chain.end(), touch.begin(), touch.end());
    order.chain.insert(order.chain.end(), swatches_.begin(), swatches_.end());
    order.chain.insert(order.chain.end(), colourSliders_.begin(), colourSliders_.end());
    order.groups = {RadioGroup(InReadingOrder({effects_.begin(), effects_.end()})), RadioGroup(touch),
                    FocusRow({colourButtons_.begin(), colourButtons_.end()}),
                    FocusGrid({swatches_.begin(), swatches_.end()}, lp::kSwatchesPerRow)};
    return order;
}

void CDlgLEDSet::Relabel() {
    auto text = [this](const char* key) { return QString::fromStdU16String(strings_.Text(key)); };
    for (std::size_t e = 0; e < effects_.size(); ++e) effects_[e]->SetTooltip(text(lp::kEffectTooltips[e]), true);
    for (std::size_t n = 0; n < colourButtons_.size(); ++n)
        colourButtons_[n]->SetTooltip(text(lp::kColourButtonTooltips[n]), true);
    currentColour_->SetTooltip(text(lp::kCurrentColourTooltip), true);
    for (std::size_t t = 0; t < touch_.size(); ++t) touch_[t]->SetTooltip(text(lp::kTouchTooltips[t]), true);
    ShowCaptions(lp::CaptionsFor(chineseLayout_), strings_);
    // The sliders are named by the captions beside them.
    const auto caption = [this](CaptionId id) { return QString::fromStdU16String(strings_.Caption(id)); };
    breathing_->setAccessibleName(caption(CaptionId::BreathingSpeed));
    brightness_->setAccessibleName(caption(CaptionId::Brightness));
    cycleSpeed_->setAccessibleName(caption(CaptionId::CycleSpeed));
}

bool CDlgLEDSet::event(QEvent* event) { return Messages().Dispatch(*this, event) || CPageDlg::event(event); }

void CDlgLEDSet::OnSliderPos(const Message& message) {
    const auto moved = sliderMoved_.find(static_cast<int>(message.lParam));
    if (moved == sliderMoved_.end()) return;
    moved->second(static_cast<int>(message.wParam));
    Mirror();
}

void CDlgLEDSet::OnChildMouseMove(const Message& message) {
    const auto packed = static_cast<uint32_t>(message.lParam);
    PostHints(QPoint(static_cast<int16_t>(packed & 0xFFFF), static_cast<int16_t>(packed >> 16)));
}

void CDlgLEDSet::PostHints(QPoint at) {
    std::vector<std::pair<QRect, int>> hinted;
    for (std::size_t e = 0; e < effects_.size(); ++e) hinted.emplace_back(effects_[e]->geometry(), lp::kEffectHints[e]);
    hinted.emplace_back(breathing_->geometry(), lp::kBreathingHint);
    hinted.emplace_back(brightness_->geometry(), lp::kBrightnessHint);
    hinted.emplace_back(ownColours_->geometry(), model_.OwnColoursHint());
    hinted.emplace_back(cycleSpeed_->geometry(), lp::kCycleSpeedHint);
    for (CPngHSliderBar* bar : colourSliders_) hinted.emplace_back(bar->geometry(), lp::kColourSliderHint);
    for (std::size_t n = 0; n < colourButtons_.size(); ++n)
        hinted.emplace_back(colourButtons_[n]->geometry(), lp::kColourButtonHints[n]);
    hinted.emplace_back(currentColour_->geometry(), lp::kCurrentColourHint);
    for (std::size_t t = 0; t < layout_.titles.size(); ++t)
        hinted.emplace_back(ToQRect(layout_.titles[t]), lp::kTitleHints[t]);
    for (const auto& [rect, hint] : hinted) {
        if (hint != 0 && rect.adjusted(-1, -1, 1, 1).contains(at))
            PostMessageTo(mainWindow_, {UM_SHOW_HINT, 0, static_cast<intptr_t>(hint)});
    }
}

bool CDlgLEDSet::TrackWheelCursor(QPoint at) {
    const bool onWheel = model_.View().wheelEnabled && lp::InsideWheel(layout_, at.x(), at.y());
    if (onWheel) setCursor(Qt::CrossCursor);
    else unsetCursor();
    return onWheel;
}

void CDlgLEDSet::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && TrackWheelCursor(at)) {
        // The colour the user sees under the cursor is the colour stored.
        const QImage& shown = Picture();
        const QPoint pixel = PixelAt(shown, at);
        if (shown.valid(pixel) && model_.WheelPressed(RgbColorOf(shown.pixel(pixel)))) Mirror();
        return;
    }
    CPageDlg::mousePressEvent(event);
}

void CDlgLEDSet::mouseDoubleClickEvent(QMouseEvent* event) {
    TrackWheelCursor(event->position().toPoint());
    CPageDlg::mouseDoubleClickEvent(event);
}

void CDlgLEDSet::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    TrackWheelCursor(at);
    PostHints(at);
    CPageDlg::mouseMoveEvent(event);
}

void CDlgLEDSet::mouseReleaseEvent(QMouseEvent* event) {
    TrackWheelCursor(event->position().toPoint());
    CPageDlg::mouseReleaseEvent(event);
}

const MessageMap<CDlgLEDSet>& CDlgLEDSet::Messages() {
    static const MessageMap<CDlgLEDSet> kMap{{UM_SLIDER_POS, &CDlgLEDSet::OnSliderPos},
                                             {WM_MOUSEMOVE, &CDlgLEDSet::OnChildMouseMove}};
    return kMap;
}

}  // namespace oryn7px
