#pragma once
// A button that shows one solid colour (the colour buttons of the lighting page).
#include <QAbstractButton>
#include <QColor>

namespace oryn7px {

class CColorBtn : public QAbstractButton {
    Q_OBJECT
public:
    explicit CColorBtn(QWidget* parent = nullptr);

    void SetColour(const QColor& colour);
    QColor GetColour() const { return colour_; }
    void SetTooltip(const QString& text, bool active);
    bool IsHover() const { return bHover_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QColor colour_{Qt::black};
    bool bHover_ = false;
};

}  // namespace oryn7px
