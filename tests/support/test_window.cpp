// A window with the app id and title given on its command line, for the window trackers' tests:
// test_window APP_ID TITLE
#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>

namespace {

// A surface shows only once it has content.
class FilledWindow final : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(QRect(QPoint(), size()), Qt::darkCyan); }
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) return 2;
    QGuiApplication::setDesktopFileName(QString::fromUtf8(argv[1]));
    FilledWindow window;
    window.setTitle(QString::fromUtf8(argv[2]));
    window.resize(200, 100);
    window.show();
    return app.exec();
}
