#pragma once
// A frame that takes a scrollable view inside it and shows skinned bars in place of the
// view's own. The view keeps its scroll state; the frame mirrors it into the bars.
#include <QAbstractScrollArea>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "ui/skin/skin_scroll_bar.h"

namespace oryn7px {

class CSkinScrollWnd : public QWidget {
    Q_OBJECT
public:
    // Puts a frame in the view's place (same parent and rectangle) and moves the view into it.
    static CSkinScrollWnd* Wrap(QAbstractScrollArea* view, const QImage& skin);

    CSkinScrollBar& VerticalBar() { return vertical_; }
    CSkinScrollBar& HorizontalBar() { return horizontal_; }
    // Compares the view's scroll state with the bars and updates them.
    void Sync();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    CSkinScrollWnd(QAbstractScrollArea* view, const QImage& skin);
    void LayOut();
    void Forward(QScrollBar* target, int code, int pos);

    QPointer<QAbstractScrollArea> view_;
    QImage skin_;
    CSkinScrollBar vertical_;
    CSkinScrollBar horizontal_;
    QTimer poll_;
    bool bUpdating_ = false;
};

}  // namespace oryn7px
