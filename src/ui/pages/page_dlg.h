#pragma once
// What the five pages share: a child window in the main window's page area that shows its
// page picture and reports to the main window by posted messages.
#include <QImage>
#include <QString>
#include <QWidget>

namespace oryn7px {

class CPageDlg : public QWidget {
    Q_OBJECT
public:
    // `picture` is relative to the skins folder; the page takes its size.
    CPageDlg(QWidget* mainWindow, const QString& picture);

    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

}  // namespace oryn7px
