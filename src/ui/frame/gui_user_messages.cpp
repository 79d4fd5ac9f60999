#include "ui/frame/gui_user_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <functional>

#include "core/base/utf16.h"
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

// A dialog already open waits for a click nobody will give: each is closed (its Cancel), and a
// box's message goes to `report` so it is not lost with the box.
void CloseOpenDialogs(const std::function<void(std::string_view)>& report) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog == nullptr || !dialog->isVisible() || !dialog->isModal()) continue;
        if (const auto* box = qobject_cast<CDlgInfo*>(dialog); box != nullptr && report) {
            report(box->Text().toStdString());
        } else if (const auto* plainBox = qobject_cast<QMessageBox*>(dialog); plainBox != nullptr && report) {
            report(plainBox->text().toStdString());
        }
        dialog->close();
    }
}

}  // namespace

void GuiUserMessages::BeginUnattended(std::function<void(std::string_view)> report) {
    if (unattended_) return;
    report_ = std::move(report);
    unattended_ = true;
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return;
    QMetaObject::invokeMethod(app, [this] { CloseOpenDialogs(report_); });
}

bool GuiUserMessages::ReportedUnattended(std::u16string_view text) {
    if (!unattended_) return false;
    if (report_) report_(Utf16ToUtf8(text));
    return true;
}

int GuiUserMessages::ShowInfoBox(std::u16string_view text, bool ask) {
    if (ReportedUnattended(text)) return ask ? kBoxCancel : kBoxOk;
    const QString shown = QString::fromStdU16String(std::u16string(text));
    return OnUiThread([&] { return oryn7px::ShowInfoBox(shown, ask, strings_); });
}

int GuiUserMessages::ShowCountDownBox(std::u16string_view text) {
    if (ReportedUnattended(text)) return kBoxOk;
    const QString shown = QString::fromStdU16String(std::u16string(text));
    return OnUiThread([&] { return oryn7px::ShowCountDownBox(shown, strings_); });
}

void GuiUserMessages::ShowInfoCaptionBox(std::u16string_view text) {
    if (ReportedUnattended(text)) return;
    const QString shown = QString::fromStdU16String(std::u16string(text));
    OnUiThread([&] {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Info"), shown, QMessageBox::Ok);
        box.exec();
        return kBoxOk;
    });
}

}  // namespace oryn7px
