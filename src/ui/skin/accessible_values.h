#pragma once
// The controls with a value: the picture sliders, the progress bar and the skinned scroll bars
// give assistive technology their value and range; a slider also takes a value from it as from
// the user's hand.
#include "ui/skin/accessible_skin_control.h"

class QAbstractScrollArea;

namespace oryn7px {

class CPngHProgressBar;
class CPngHSliderBar;
class CSkinScrollBar;

class AccessibleSlider final : public AccessibleSkinControl, public QAccessibleValueInterface {
public:
    explicit AccessibleSlider(CPngHSliderBar* slider);
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

private:
    QString Name() const override;
    CPngHSliderBar* Slider() const;
};

// Read out as a percentage of its range.
class AccessibleProgressBar final : public AccessibleSkinControl, public QAccessibleValueInterface {
public:
    explicit AccessibleProgressBar(CPngHProgressBar* bar);
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}  // only the work it shows moves it
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

private:
    QString Name() const override;
    CPngHProgressBar* Bar() const;
};

// Named after the view it scrolls.
class AccessibleScrollBar final : public AccessibleSkinControl, public QAccessibleValueInterface {
public:
    explicit AccessibleScrollBar(CSkinScrollBar* bar);
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

private:
    QString Name() const override;
    CSkinScrollBar* Bar() const;
    QAbstractScrollArea* View() const;
};

}  // namespace oryn7px
