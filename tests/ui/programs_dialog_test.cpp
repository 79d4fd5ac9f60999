// The dialog "Programs for profile N" on its own: what it lists and ticks, a typed name, the two
// boxes, its words in the UI language, its keyboard and what assistive technology reads.
#include <QAccessible>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/i18n/languages.h"
#include "core/i18n/string_table.h"
#include "core/interfaces/user_messages.h"
#include "platform/linux/iconv_code_page_converter.h"
#include "ui/frame/programs_dialog.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/focus_chain.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/list_box_ex.h"
#include "ui/skin/skin_resources.h"
#include "accessible_tree.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

class RecordingBoxes final : public UserMessages {
public:
    int ShowInfoBox(std::u16string_view text, bool) override {
        boxes.emplace_back(text);
        return kBoxOk;
    }
    int ShowCountDownBox(std::u16string_view text) override { return ShowInfoBox(text, false); }
    void ShowInfoCaptionBox(std::u16string_view text) override { ShowInfoBox(text, false); }
    std::vector<std::u16string> boxes;
};

ProgramRules SavedRules() {
    ProgramRules rules;
    rules.enabled = true;
    rules.programs[1] = {"game.exe"};
    rules.programs[2] = {"shooter"};
    return rules;
}

const std::vector<ForegroundProgram> kWindows{{"zeal", "Zeal", 5, "docs"}, {"shooter", "Shooter", 6, ""}};

class ProgramsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(QStringLiteral(ORYN7PX_TEST_PROGRAM_DIR));
        UseLanguage(kLanguageEnglish);
    }
    void TearDown() override { SetProgramFolder(QString()); }
    void UseLanguage(int number) { strings.LoadLanguageFile(LanguageFilePath(ORYN7PX_TEST_PROGRAM_DIR, number)); }

    std::unique_ptr<CDlgPrograms> Open(int profile, const ProgramRules& rules = SavedRules()) {
        return std::make_unique<CDlgPrograms>(nullptr, ProgramsForProfile(rules, profile, kWindows, 0),
                                              QStringLiteral("Profiles that follow the program: X11"), strings, boxes);
    }
    // Runs the dialog modally, does `act` once its loop runs, and returns what exec returned.
    static int Run(CDlgPrograms& dialog, const std::function<void()>& act) {
        QTimer::singleShot(0, &dialog, act);
        return dialog.exec();
    }
    static std::vector<std::pair<QString, bool>> Rows(const CListBoxEx& list) {
        std::vector<std::pair<QString, bool>> rows;
        for (int row = 0; row < list.count(); ++row) rows.emplace_back(list.RowText(row), list.RowTicked(row));
        return rows;
    }
    static void ClickRow(CListBoxEx& list, int row) {
        const QRect box = list.visualItemRect(list.item(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, box.center());
    }

    IconvCodePageConverter converter;
    StringTable strings{converter};
    RecordingBoxes boxes;
};

TEST_F(ProgramsDialogTest, ListsTheProfilesProgramsTickedThenTheOtherWindows) {
    const auto dialog = Open(2);
    EXPECT_EQ(dialog->Title(), QStringLiteral("Programs for profile 2"));
    EXPECT_EQ(Rows(*dialog->List()), (std::vector<std::pair<QString, bool>>{
                                         {"game.exe", true}, {"shooter", false}, {"zeal", false}}));
    EXPECT_FALSE(dialog->DefaultBox()->GetChecked());
    EXPECT_TRUE(dialog->DefaultBox()->isEnabled());
    EXPECT_TRUE(dialog->FollowBox()->GetChecked());
    EXPECT_EQ(dialog->Status(), QStringLiteral("Profiles that follow the program: X11"));
    EXPECT_EQ(dialog->size(), QSize(420, 420));
}

TEST_F(ProgramsDialogTest, ClicksAndSpaceTickRowsAndOkTakesTheTicksAndBoxes) {
    const auto dialog = Open(2);
    CListBoxEx& list = *dialog->List();
    const int result = Run(*dialog, [&] {
        ClickRow(list, 0);  // game.exe off
        ClickRow(list, 2);  // zeal on
        list.setFocus();
        list.setCurrentRow(1);
        QTest::keyClick(&list, Qt::Key_Space);  // shooter on
        QTest::mouseClick(dialog->DefaultBox(), Qt::LeftButton);
        QTest::mouseClick(dialog->FollowBox(), Qt::LeftButton);
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    ProgramRules saved = SavedRules();
    dialog->Choice().ApplyTo(saved);
    EXPECT_EQ(saved.programs[1], (std::vector<std::string>{"shooter", "zeal"}));
    EXPECT_TRUE(saved.programs[2].empty());
    EXPECT_EQ(saved.defaultProfile, 2);
    EXPECT_FALSE(saved.enabled);
}

TEST_F(ProgramsDialogTest, ATypedNameIsAddedTickedAndABadOneIsRefusedWithABox) {
    const auto dialog = Open(2);
    dialog->NameBox()->setText(QStringLiteral("wine-game.exe"));
    QTest::mouseClick(dialog->AddButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->NameBox()->text().isEmpty());
    dialog->NameBox()->setText(QStringLiteral("ZEAL"));
    QTest::keyClick(dialog->NameBox(), Qt::Key_Return);  // Enter in the box adds too
    dialog->NameBox()->setText(QStringLiteral("/opt/game/run"));
    QTest::mouseClick(dialog->AddButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->NameBox()->text(), QStringLiteral("/opt/game/run"));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].find(u"not a path"), std::u16string::npos);
    EXPECT_EQ(Rows(*dialog->List()), (std::vector<std::pair<QString, bool>>{{"game.exe", true},
                                                                           {"shooter", false},
                                                                           {"zeal", true},
                                                                           {"wine-game.exe", true}}));
}

TEST_F(ProgramsDialogTest, TheDefaultProfilesBoxIsTickedAndCannotBeUnticked) {
    const auto dialog = Open(1);
    EXPECT_TRUE(dialog->DefaultBox()->GetChecked());
    EXPECT_FALSE(dialog->DefaultBox()->isEnabled());
}

TEST_F(ProgramsDialogTest, EnterAndEscapeLeaveItOpenCancelAndCloseChangeNothing) {
    for (const bool byClose : {false, true}) {
        const auto dialog = Open(2);
        bool openAfterKeys = false;
        const int result = Run(*dialog, [&] {
            ClickRow(*dialog->List(), 2);
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
            QTest::keyClick(dialog.get(), Qt::Key_Return);
            openAfterKeys = dialog->isVisible();
            QTest::mouseClick(byClose ? dialog->CloseButton() : dialog->CancelButton(), Qt::LeftButton);
        });
        EXPECT_TRUE(openAfterKeys);
        EXPECT_EQ(result, QDialog::Rejected);
    }
    // A close from the window manager or the close sequence ends it too.
    const auto dialog = Open(2);
    EXPECT_EQ(Run(*dialog, [&] { dialog->close(); }), QDialog::Rejected);
}

TEST_F(ProgramsDialogTest, ItsWordsAreTheUiLanguagesWithTheProfilesNumber) {
    UseLanguage(kLanguageSimplifiedChinese);
    const auto dialog = Open(3);
    EXPECT_EQ(dialog->Title(), QStringLiteral("配置 3 对应的程序"));
    const QStringList drawn = DrawnCaptions(*dialog);
    for (const char16_t* caption : {u"勾选选用此配置的程序：", u"添加", u"作为其他所有程序的默认配置", u"随程序切换配置", u"确定", u"取消"})
        EXPECT_TRUE(drawn.contains(QString::fromStdU16String(caption))) << drawn.join(u'|').toStdString();
}

TEST_F(ProgramsDialogTest, TabGoesRoundEveryControlInReadingOrder) {
    const auto dialog = Open(2);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    const FocusOrder order = dialog->KeyboardOrder();
    std::vector<QWidget*> reached;
    for (std::size_t i = 0; i < order.chain.size() + 1; ++i) {
        QTest::keyClick(dialog.get(), Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget());
    }
    std::vector<QWidget*> expected(order.chain);
    expected.push_back(order.chain.front());
    EXPECT_EQ(reached, expected);
    EXPECT_EQ(order.chain, (std::vector<QWidget*>{dialog->List(), dialog->NameBox(), dialog->AddButton(),
                                                  dialog->DefaultBox(), dialog->FollowBox(), dialog->OkButton(),
                                                  dialog->CancelButton(), dialog->CloseButton()}));
}

TEST_F(ProgramsDialogTest, EveryControlHasARoleAndANameAndTheRowsSayTheirTicks) {
    const auto dialog = Open(2);
    dialog->show();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(dialog.get());
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Programs for profile 2"));
    for (QWidget* control : dialog->KeyboardOrder().chain) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(node, nullptr);
        EXPECT_NE(node->role(), QAccessible::NoRole) << test::Describe(node).toStdString();
        EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << test::Describe(node).toStdString();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog->FollowBox())->role(), QAccessible::CheckBox);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(dialog->FollowBox())->state().checked);
    // The rows, and the status text as a label.
    std::vector<QString> checkedRows, labels;
    for (QAccessibleInterface* node : test::Descendants(dialog.get())) {
        if (node->state().checkable && node->state().checked) checkedRows.push_back(node->text(QAccessible::Name));
        if (node->role() == QAccessible::StaticText) labels.push_back(node->text(QAccessible::Name));
    }
    EXPECT_NE(std::find(checkedRows.begin(), checkedRows.end(), QStringLiteral("game.exe")), checkedRows.end());
    EXPECT_EQ(std::find(checkedRows.begin(), checkedRows.end(), QStringLiteral("zeal")), checkedRows.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), dialog->Status()), labels.end());
}

}  // namespace
}  // namespace oryn7px
