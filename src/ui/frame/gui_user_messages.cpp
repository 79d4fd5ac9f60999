#include "ui/frame/gui_user_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <functional>

#include "ui/frame/info_dialog.h"

namespace oryn7px {

namespace {

// Runs `show` on the UI thread and returns its answer.
int OnUiThread(const std::function<int()>& show) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() == app->thread()) return show();
    int answer = kBoxCancel;
    QMetaObject::invokeMethod(app, [&] { answer = show(); }, Qt::BlockingQueuedConnection);
    return answer;
}

}  // namespace

int GuiUserMessages::ShowInfoBox(std::u16string_view text, bool ask) {
    const QString shown = QString::fromStdU16String(std::u16string(text));
    return OnUiThread([&] { return oryn7px::ShowInfoBox(shown, ask, strings_); });
}

int GuiUserMessages::ShowCountDownBox(std::u16string_view text) {
    const QString shown = QString::fromStdU16String(std::u16string(text));
    return OnUiThread([&] { return oryn7px::ShowCountDownBox(shown, strings_); });
}

void GuiUserMessages::ShowInfoCaptionBox(std::u16string_view text) {
    const QString shown = QString::fromStdU16String(std::u16string(text));
    OnUiThread([&] {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Info"), shown, QMessageBox::Ok);
        box.exec();
        return kBoxOk;
    });
}

}  // namespace oryn7px
