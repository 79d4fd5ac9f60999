#pragma once
// A button that shows one solid colour (the colour buttons of the lighting page).
#include <QAbstractButton>
#include <cstdint>

namespace oryn7px {

class CColorBtn : public QAbstractButton {
    Q_OBJECT
public:
    explicit CColorBtn(QWidget* parent = nullptr);

    // 32-bit colour value with red in bits 0..7, green in 8..15, blue in 16..23.
    void SetColour(uint32_t colour);
    uint32_t GetColour() const { return dwColour_; }
    void SetTooltip(const QString& text, bool active);
    bool IsHover() const { return bHover_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    uint32_t dwColour_ = 0;
    bool bHover_ = false;
};

}  // namespace oryn7px
