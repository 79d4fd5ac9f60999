// The message boxes and the progress window as assistive technology reads them: the message and
// the buttons of a box, in the UI language; the progress as a percentage.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "accessible_tree.h"
#include "core/base/messages.h"
#include "core/i18n/languages.h"
#include "core/i18n/string_table.h"
#include "platform/linux/iconv_code_page_converter.h"
#include "ui/frame/gui_user_messages.h"
#include "ui/frame/info_dialog.h"
#include "ui/frame/progress_dialog.h"
#include "ui/skin/message_event.h"
#include "ui/skin/skin_resources.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

constexpr int kGerman = 5;

// What a box says to assistive technology: its role and name, then each child's role and name.
struct Reading {
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    std::vector<std::pair<QAccessible::Role, QString>> children;

    bool Has(QAccessible::Role role, const QString& name) const {
        return std::find(children.begin(), children.end(), std::pair{role, name}) != children.end();
    }
};

Reading Read(QWidget* box) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
    Reading reading{node->role(), node->text(QAccessible::Name), {}};
    for (QAccessibleInterface* child : test::Descendants(node))
        reading.children.emplace_back(child->role(), child->text(QAccessible::Name));
    return reading;
}

class AccessibleBoxesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(QStringLiteral(ORYN7PX_TEST_PROGRAM_DIR));
        UseLanguage(kLanguageEnglish);
    }
    void TearDown() override { SetProgramFolder(QString()); }
    void UseLanguage(int number) { strings.LoadLanguageFile(LanguageFilePath(ORYN7PX_TEST_PROGRAM_DIR, number)); }
    QString Caption(CaptionId id) const { return QString::fromStdU16String(strings.Caption(id)); }
    QString Text(const char* key) const { return QString::fromStdU16String(strings.Text(key)); }

    // Reads the modal box `show` opens, then closes it.
    Reading ReadModalBox(const std::function<void()>& show) {
        Reading reading;
        QTimer::singleShot(0, [&reading] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            reading = Read(box);
            box->close();
        });
        show();
        return reading;
    }

    IconvCodePageConverter converter;
    StringTable strings{converter};
};

TEST_F(AccessibleBoxesTest, TheProgramsBoxReadsItsMessageAndButtonsInTheUiLanguage) {
    const QString message = QStringLiteral("Restore the default settings?");
    GuiUserMessages messages(strings);
    for (int language : {kLanguageEnglish, kGerman}) {
        UseLanguage(language);
        const Reading box = ReadModalBox([&] { messages.ShowInfoBox(message.toStdU16String(), true); });
        EXPECT_EQ(box.role, QAccessible::Dialog) << language;
        EXPECT_EQ(box.name, Caption(CaptionId::BoxTips)) << language;
        EXPECT_TRUE(box.Has(QAccessible::StaticText, message)) << language;
        EXPECT_TRUE(box.Has(QAccessible::PushButton, Caption(CaptionId::BoxOk))) << language;
        EXPECT_TRUE(box.Has(QAccessible::PushButton, Caption(CaptionId::BoxCancel))) << language;
        EXPECT_TRUE(box.Has(QAccessible::PushButton, Text("str_close"))) << language;
    }
    EXPECT_EQ(Caption(CaptionId::BoxCancel), QStringLiteral("Abbrechen"));
}

// The count-down's OK says how many seconds are left.
TEST_F(AccessibleBoxesTest, TheCountDownIsReadOnItsButton) {
    CDlgInfo box(QStringLiteral("The ORYN7PX gaming mouse cannot be found."), false, true, strings);
    box.OnCountDownTick();
    box.OnCountDownTick();
    const Reading reading = Read(&box);
    EXPECT_TRUE(reading.Has(QAccessible::PushButton, box.OkText())) << box.OkText().toStdString();
    EXPECT_NE(box.OkText(), Caption(CaptionId::BoxOk));
}

TEST_F(AccessibleBoxesTest, ThePlainInfoBoxReadsItsMessageAndOk) {
    GuiUserMessages messages(strings);
    const Reading box = ReadModalBox([&] { messages.ShowInfoCaptionBox(u"Settings exported."); });
    EXPECT_EQ(box.name, QStringLiteral("Info"));
    EXPECT_TRUE(box.Has(QAccessible::StaticText, QStringLiteral("Settings exported.")));
    EXPECT_TRUE(box.Has(QAccessible::PushButton, QStringLiteral("OK")));
}

TEST_F(AccessibleBoxesTest, TheProgressWindowReadsItsPercentage) {
    CDlgProgress progress(strings);
    QVariant value, minimum, maximum;
    QString percentage, name;
    QTimer::singleShot(0, &progress, [&] {
        PostMessageTo(&progress, {UM_APPLY_PROGRESS, 40, 0});
        test::Flush();
        for (QAccessibleInterface* node : test::Descendants(&progress)) {
            if (node->role() != QAccessible::ProgressBar) continue;
            value = node->valueInterface()->currentValue();
            minimum = node->valueInterface()->minimumValue();
            maximum = node->valueInterface()->maximumValue();
            percentage = node->text(QAccessible::Value);
            name = node->text(QAccessible::Name);
        }
        PostMessageTo(&progress, {WM_CLOSE, 0, 0});
    });
    progress.RunModal();
    EXPECT_EQ(value.toInt(), 40);
    EXPECT_EQ(minimum.toInt(), 0);
    EXPECT_EQ(maximum.toInt(), 100);
    EXPECT_EQ(percentage, QStringLiteral("40%"));
    EXPECT_EQ(name, Caption(CaptionId::Updating));
}

}  // namespace
}  // namespace oryn7px
