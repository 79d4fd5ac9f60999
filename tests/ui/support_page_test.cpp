// The support page offscreen: versions, captions, hints and tooltips, the update question from the
// local check and from the firmware-check thread, restore defaults, export and import dialogs, web
// link.
#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <thread>

#include "core/layout/support_page_layout.h"
#include "core/firmware/firmware_checker.h"
#include "core/firmware/firmware_texts.h"
#include "core/firmware/update_description.h"
#include "core/firmware/firmware_fixture.h"
#include "main_window_fixture.h"
#include "ui/frame/gui_user_messages.h"
#include "ui/frame/info_dialog.h"
#include "ui/frame/qt_answer_timer.h"
#include "ui/pages/support_page_dlg.h"
#include "ui/skin/caption_board.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px::test {
namespace {

using testing::FakeDownloader;
using testing::RecordingShell;
using testing::UpdateXml;

constexpr const char* kUpdateUrl = "http://127.0.0.1:1/update.xml";
constexpr const char* kImageUrl = "http://127.0.0.1:1/fw.bin";

// Receives what QDesktopServices would hand to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

// Acts on the next modal window of type T from inside its loop. Polls from a timer, which also
// fires in nested loops: a box opened from within a wait would trap a waiting poller.
template <typename T>
void WhenModal(std::function<void(T&)> act) {
    auto* poll = new QTimer;
    auto* deadline = new QElapsedTimer;
    deadline->start();
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, act = std::move(act)] {
        T* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window == nullptr && deadline->elapsed() < 5000) return;
        poll->stop();
        poll->deleteLater();
        delete deadline;
        if (window != nullptr) act(*window);
    });
    poll->start(10);
}

class SupportPageTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        strings.LoadLanguageFile(Program() / "Language" / "en.xml");
        state->bChinese = 0;
        page = std::make_unique<CDlgSupport>(PageContext{&parent, state->profile,
                                                         std::span<uint32_t, kButtonCount>(state->ButtonMacroId),
                                                         state->bChinese, *library, *store, strings, gui, nullptr,
                                                         QString::fromStdString(Program().string()),
                                                         [this](const QString& program, const QStringList& arguments) {
                                                             started.push_back(program + " " + arguments.join(' '));
                                                             return true;
                                                         },
                                                         state->MacroTable, keyboardLayout, *statistics, nullptr,
                                                         false, &checker});
        std::filesystem::create_directories(files.folder);
        checker.AttachMainWindow(mainTarget);
    }
    void TearDown() override {
        page.reset();
        checker.Stop();
        EXPECT_TRUE(QTest::qWaitFor([this] { return checker.WaitForEnd(std::chrono::milliseconds(0)); }, 5000));
        MainWindowTest::TearDown();
    }
    void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    RecordingWidget parent;
    QtMessageTarget mainTarget{&parent};
    GuiUserMessages gui{strings};
    FakeDownloader downloader{clock};
    RecordingShell shell;
    DeviceState deviceState;
    UpdateFiles files{UpdateFolderBelow(Program())};
    QtAnswerTimer timer{[this] { checker.OnAnswerTimer(); }};
    FirmwareChecker checker{FirmwareCheckLinks{downloader, writer, strings, gui, shell, timer, deviceState,
                                               [this] { return state->bChinese == 1; }, Program(), files, kUpdateUrl}};
    std::unique_ptr<CDlgSupport> page;
};

TEST_F(SupportPageTest, PaintsBothVersions) {
    EXPECT_EQ(page->DriverVersionText(), "V1.0.0");
    const std::vector<std::pair<uint32_t, QString>> cases = {{0, "Unknown"}, {5, "V 0.0.5"}, {42, "V 0.4.2"}, {103, "V 1.0.3"}};
    const QRect textBox = ToQRect(support_page::kFirmwareVersionText).intersected(page->rect()).adjusted(0, 0, 0, -170);
    QImage unknown;
    for (const auto& [version, text] : cases) {
        page->OnFirmwareVersion(version);
        EXPECT_EQ(page->FirmwareVersionText(), text);
        const QImage shown = page->grab(textBox).toImage();
        if (version == 0) unknown = shown;
        else EXPECT_NE(shown, unknown) << text.toStdString();
    }
    // The text is drawn in its light blue.
    const QImage driver = page->grab(ToQRect(support_page::kDriverVersionText).adjusted(0, 0, 0, -170)).toImage();
    bool blue = false;
    for (int y = 0; y < driver.height() && !blue; ++y)
        for (int x = 0; x < driver.width() && !blue; ++x) blue = driver.pixelColor(x, y) == QColor(0xC1, 0xD2, 0xEE);
    EXPECT_TRUE(blue);
}

TEST_F(SupportPageTest, ControlsSitAtTheirRectanglesWithTooltipsAndHints) {
    const std::vector<std::pair<CGDIBitmapBtn*, QString>> buttons = {
        {page->UpdateButton(), "Firmware update"}, {page->WebButton(), "Tavik website"},
        {page->ImportButton(), "Import settings"}, {page->ExportButton(), "Export settings"},
        {page->DefaultsButton(), "Restore defaults"}};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].first->geometry(), ToQRect(support_page::kControls[i].rect));
        EXPECT_EQ(buttons[i].first->toolTip(), buttons[i].second);
    }
    EXPECT_EQ(page->UpdateButton()->Caption().text, "Update");
    strings.LoadLanguageFile(Program() / "Language" / "sc.xml");
    page->Relabel();
    EXPECT_EQ(page->UpdateButton()->Caption().text, QStringLiteral("固件更新"));
    for (const support_page::Control& control : support_page::kControls) {
        parent.messages.clear();
        QWidget* at = page->childAt(ToQRect(control.rect).center());
        ASSERT_NE(at, nullptr);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), at->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(at, &move);
        Flush();
        Flush();
        // The button reports the move and passes it on to the page: the same hint, maybe twice.
        const std::vector<Message> hints = parent.Received(UM_SHOW_HINT);
        ASSERT_FALSE(hints.empty()) << control.hintId;
        for (const Message& hint : hints) EXPECT_EQ(hint, (Message{UM_SHOW_HINT, 0, control.hintId}));
    }
}

QStringList Sorted(QStringList texts) {
    texts.sort();
    return texts;
}

// The headings, buttons and labels in the loaded language: English, then German from its file;
// the pictures beneath the headings carry no text of their own.
TEST_F(SupportPageTest, CaptionsFollowTheUiLanguage) {
    for (const char* name : support_page::kSkinFiles) {
        const QImage picture = SkinPicture(QString::fromLatin1(name));
        for (const CaptionPlace& heading : {support_page::kCaptions[0], support_page::kCaptions[1]}) {
            EXPECT_LT(BrightestGrey(picture, ToQRect(heading.box)), kNoInkGrey)
                << name << " has ink under " << CaptionKeyOf(heading.id).name;
        }
    }
    const auto pageCaptions = [this] {
        QStringList texts;
        for (const CaptionPlace& place : support_page::kCaptions) texts << CaptionText(strings, place);
        return Sorted(texts);
    };
    const QStringList english = Sorted(DrawnCaptions(*page));
    EXPECT_EQ(english, pageCaptions());
    EXPECT_TRUE(english.contains(QStringLiteral("VERSIONS")));

    strings.LoadLanguageFile(Program() / "Language" / "ger.xml");
    page->Relabel();
    const QStringList german = Sorted(DrawnCaptions(*page));
    EXPECT_EQ(german, pageCaptions());
    for (const char* word : {"VERSIONEN", "KONFIGURATION", "Aktualisieren", "Importieren", "Treiberversion"})
        EXPECT_TRUE(german.contains(QString::fromUtf8(word))) << word;
    for (const QString& text : english) {
        if (!pageCaptions().contains(text)) EXPECT_FALSE(german.contains(text)) << text.toStdString();
    }
    EXPECT_EQ(page->DefaultsButton()->Caption().text, QStringLiteral("Standard"));
}

TEST_F(SupportPageTest, TheLocalCheckAsksAndHandsOverOnOk) {
    testing::WriteAll(files.Description(), testing::Bytes(UpdateXml("104", kImageUrl)));
    page->OnFirmwareVersion(103);
    QString asked;
    bool hadCancel = false;
    WhenModal<CDlgInfo>([&](CDlgInfo& box) {
        asked = box.Text();
        hadCancel = box.HasCancel();
        QTest::mouseClick(box.OkButton(), Qt::LeftButton);
    });
    Click(page->UpdateButton());
    EXPECT_EQ(asked, QString::fromStdU16String(UpdateQuestionText(false)));
    EXPECT_TRUE(hadCancel);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0], "run " + (Program() / "FWUpdate/RoruziVI").string() + " [0] in " + files.folder.string());
    Flush();
    EXPECT_EQ(parent.Received(WM_CLOSE).size(), 1u);
    EXPECT_EQ(checker.bFwCheckIdle, 1);
}

TEST_F(SupportPageTest, TheThreadsQuestionIsShownOnTheUiThread) {
    downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl));
    checker.Start(mainTarget);
    page->OnFirmwareVersion(103);
    QString asked;
    bool onUiThread = false;
    WhenModal<CDlgInfo>([&](CDlgInfo& box) {
        asked = box.Text();
        onUiThread = box.thread() == QApplication::instance()->thread();
        box.close();
    });
    Click(page->UpdateButton());
    ASSERT_TRUE(QTest::qWaitFor([this] { return checker.bFwCheckIdle == 1; }, 5000));
    EXPECT_EQ(asked, QString::fromStdU16String(UpdateQuestionText(false)));
    EXPECT_TRUE(onUiThread);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_FALSE(timer.IsActive());
    checker.Stop();
    EXPECT_TRUE(QTest::qWaitFor([this] { return checker.WaitForEnd(std::chrono::milliseconds(0)); }, 5000));
}

TEST(QtAnswerTimerTest, FiresOnTheUiThreadUnlessStoppedFromAnyThread) {
    int fired = 0;
    QtAnswerTimer timer([&] { ++fired; });
    timer.Start(100);
    std::thread([&] { timer.Stop(); }).join();
    QTest::qWait(250);
    EXPECT_EQ(fired, 0);
    timer.Start(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired == 1; }, 2000));
}

TEST_F(SupportPageTest, RestoreDefaultsAsksFirst) {
    for (bool accept : {false, true}) {
        parent.messages.clear();
        QString asked;
        WhenModal<CDlgInfo>([&](CDlgInfo& box) {
            asked = box.Text();
            if (accept) QTest::mouseClick(box.OkButton(), Qt::LeftButton);
            else box.close();
        });
        Click(page->DefaultsButton());
        Flush();
        EXPECT_EQ(asked, "Do you want to restore the default setting?");
        EXPECT_EQ(parent.Received(UM_RESTORE_DEFAULTS).size(), accept ? 1u : 0u);
    }
}

// Types the path as a user would: selectFile() leaves the name empty while the dialog's model is
// still reading a last visited folder that no longer exists, and an empty name is never accepted.
void ChooseFile(QFileDialog& dialog, const QString& path) {
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name == nullptr) {
        ADD_FAILURE() << "the file dialog has no name field";
        dialog.reject();
        return;
    }
    name->setText(path);
    static_cast<QDialog&>(dialog).accept();
}

TEST_F(SupportPageTest, ExportThenImportThroughTheFileDialogs) {
    store->LoadProfileIndex();
    const QString exported = QString::fromStdString((Data() / "mine").string());
    QStringList filters;
    QString suffix;
    WhenModal<QFileDialog>([&](QFileDialog& dialog) {
        filters = dialog.nameFilters();
        suffix = dialog.defaultSuffix();
        ChooseFile(dialog, exported);
    });
    Click(page->ExportButton());
    EXPECT_EQ(filters, QStringList{"CFG Files(*.cfg)"});
    EXPECT_EQ(suffix, "cfg");
    ASSERT_TRUE(std::filesystem::exists(Data() / "mine.cfg"));
    EXPECT_EQ(std::filesystem::file_size(Data() / "mine.cfg"), kExportFileSize);

    WhenModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    Click(page->ImportButton());
    EXPECT_TRUE(started.empty());

    WhenModal<QFileDialog>([&](QFileDialog& dialog) {
        ChooseFile(dialog, exported + ".cfg");
    });
    Click(page->ImportButton());
    Flush();
    EXPECT_EQ(started, std::vector<QString>{QString::fromStdString((Program() / "Start").string()) + " "});
    EXPECT_EQ(parent.Received(WM_CLOSE).size(), 1u);
    EXPECT_NE(messages.boxes.back().find(u"import success!"), std::u16string::npos);
}

TEST_F(SupportPageTest, TheWebButtonOpensTheVendorsSite) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    Click(page->WebButton());
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(catcher.opened, QList<QUrl>{QUrl(QString::fromLatin1(kVendorWebSite))});
}

}  // namespace
}  // namespace oryn7px::test

#include "support_page_test.moc"
