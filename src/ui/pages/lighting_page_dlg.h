#pragma once
// The lighting page: effect radios, brightness and speed sliders, the own colours of the colour
// cycle, the preset swatches, the colour wheel and the red, green and blue sliders, and the
// touch-lighting choice. The rules live in LightingPageModel; the page forwards its clicks and
// slider moves there and mirrors what the model shows.
#include <array>
#include <functional>
#include <map>

#include "core/layout/lighting_page_layout.h"
#include "core/pages/lighting_page/lighting_page_model.h"
#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"
#include "ui/skin/message_event.h"

namespace oryn7px {

class CBitmapEdit;
class CColorBtn;
class CGDIBitmapBtn;
class CPngHSliderBar;

class CDlgLEDSet : public CPageDlg {
    Q_OBJECT
public:
    explicit CDlgLEDSet(const PageContext& context);

    void RefreshFromProfile() override;
    void OnShown() override { RefreshFromProfile(); }
    void Relabel() override;
    FocusOrder KeyboardOrder() const override;

    const LightingPageModel& Model() const { return model_; }
    const lighting_page::Layout& PageLayout() const { return layout_; }

    // The controls, for tests and the end-to-end checks.
    CGDIBitmapBtn* EffectRadio(int effect) const { return effects_[static_cast<std::size_t>(effect - 1)]; }
    CGDIBitmapBtn* OwnColoursBox() const { return ownColours_; }
    CColorBtn* ColourButton(int number) const { return colourButtons_[static_cast<std::size_t>(number - 1)]; }
    CColorBtn* CurrentColourButton() const { return currentColour_; }
    CGDIBitmapBtn* TouchRadio(int value) const { return touch_[static_cast<std::size_t>(value)]; }
    CGDIBitmapBtn* Swatch(int k) const { return swatches_[static_cast<std::size_t>(k)]; }
    CPngHSliderBar* Slider(int controlId) const;
    CBitmapEdit* ValueBox(int channel) const { return valueBoxes_[static_cast<std::size_t>(channel)]; }

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CreateControls(const QImage& disabled);
    CGDIBitmapBtn* PictureButton(const LayoutRect& rect, const QImage& down, const QImage& over, const QImage& disabled);
    CPngHSliderBar* SliderBar(const LayoutRect& rect, int controlId, ValueRange range, int trackShortening,
                              std::function<void(int)> moved);
    static const MessageMap<CDlgLEDSet>& Messages();
    void Mirror();
    void EnableSlider(CPngHSliderBar* bar, bool enabled);
    void OnSliderPos(const Message& message);
    void OnChildMouseMove(const Message& message);
    void PostHints(QPoint at);
    // The cross cursor over the wheel while it takes colours; true when the point is on it.
    bool TrackWheelCursor(QPoint at);

    QWidget* mainWindow_;
    StringTable& strings_;
    const bool chineseLayout_;  // the start-up layout, fixed for the run
    const lighting_page::Layout& layout_;
    LightingPageModel model_;

    std::array<CGDIBitmapBtn*, lighting_page::kEffectCount> effects_{};
    CGDIBitmapBtn* ownColours_ = nullptr;
    std::array<CColorBtn*, lighting_page::kColourButtonCount> colourButtons_{};
    CColorBtn* currentColour_ = nullptr;
    std::array<CGDIBitmapBtn*, lighting_page::kTouchChoiceCount> touch_{};
    std::array<CGDIBitmapBtn*, lighting_page::kSwatchCount> swatches_{};
    CPngHSliderBar* breathing_ = nullptr;
    CPngHSliderBar* brightness_ = nullptr;
    CPngHSliderBar* cycleSpeed_ = nullptr;
    std::array<CPngHSliderBar*, lighting_page::kChannelCount> colourSliders_{};
    std::array<CBitmapEdit*, lighting_page::kChannelCount> valueBoxes_{};
    // What a move of each slider requests, by the control ID the slider reports with.
    std::map<int, std::function<void(int)>> sliderMoved_;
};

}  // namespace oryn7px
