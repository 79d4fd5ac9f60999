#include "ui/pages/page_dlg.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/layout/frame_layout.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/picture_scale.h"

namespace oryn7px {

CPageDlg::CPageDlg(QWidget* mainWindow, const StatePictures& pictures)
    : QWidget(mainWindow), picture_(SkinPicture(QString::fromLatin1(pictures.normal))) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    const LayoutRect& area = main_window::kPageArea;
    const QSize size = picture_.isNull() ? QSize(area.Width(), area.Height()) : LogicalSize(picture_);
    setGeometry(area.left, area.top, size.width(), size.height());
}

void CPageDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    if (picture_.isNull()) painter.fillRect(rect(), QColor(0x1B, 0x20, 0x27));
    else painter.drawImage(0, 0, picture_);
    captions_.Paint(painter);
}

void CPageDlg::mousePressEvent(QMouseEvent* event) {
    // A press on the page's free space drags the main window, as on the frame.
    event->ignore();
}

}  // namespace oryn7px
