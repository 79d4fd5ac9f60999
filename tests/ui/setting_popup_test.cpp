// The key-assignment popup through its real widgets: one test per tab, and the frame's buttons.
#include <QTemporaryDir>

#include "core/base/utf16.h"
#include "core/i18n/us_keyboard_layout.h"
#include "core/layout/setting_popup_layout.h"
#include "core/pages/main_page/setting_popup_model.h"
#include "keyboard_walk.h"
#include "main_window_fixture.h"
#include "ui/pages/setting_popup_dlg.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px::test {
namespace {

class RecordingForwarding final : public KeyForwarding {
public:
    void ForwardKeysToKeyTab() override { keysToKeyTab = true; }
    void StopForwarding() override { keysToKeyTab = false; }
    bool keysToKeyTab = false;
};

class SettingPopupTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        MacroEntry& macro = state->MacroTable[7];
        macro.dwSize = 4104;
        macro.dwMagic = kMacroMagic;
        macro.dwMacroId = 0x16000042;
        SetFixedText(macro.szName, u"Reload");
    }
    std::unique_ptr<CSettingDlg> Open(int button, int32_t function) {
        return std::make_unique<CSettingDlg>(
            &owner, button, u"Menu", function, false,
            CSettingDlg::Services{strings, messages, layout, *library, forwarding, false,
                                  [this](int row, QWidget*) { return browsed[static_cast<std::size_t>(row)]; }});
    }
    static void ClickRow(CListBoxEx* list, int row) {
        list->setCurrentRow(row);
        Flush();
    }
    // Shown and in front, as the main page opens it.
    std::unique_ptr<CSettingDlg> OpenInFront(int button, int32_t function) {
        auto popup = Open(button, function);
        popup->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(popup.get()));
        return popup;
    }

    RecordingWidget owner;
    UsKeyboardLayout layout;
    RecordingForwarding forwarding;
    std::array<QString, 4> browsed;
};

TEST_F(SettingPopupTest, KeyTabTakesModifiersAndAKey) {
    auto popup = Open(3, 8);
    EXPECT_TRUE(forwarding.keysToKeyTab);
    EXPECT_TRUE(popup->KeyTab()->isVisibleTo(popup.get()));
    QTest::keyPress(popup.get(), Qt::Key_Control);
    QTest::keyRelease(popup.get(), Qt::Key_Control);
    EXPECT_TRUE(popup->KeyTab()->ModifierBox(KeyModifier::kCtrl)->GetChecked()) << "a release does not toggle back";
    popup->OnHookKey(0x41, 0);  // A, as the hooks bring it
    popup->KeyTab()->ModifierBox(KeyModifier::kShift)->click();
    popup->OkButton()->click();
    EXPECT_EQ(popup->result(), QDialog::Accepted);
    EXPECT_EQ(popup->Model().Result().nAssignType, 5);
    EXPECT_EQ(popup->Model().Result().nAssignValue, 0x00040300);
    EXPECT_FALSE(forwarding.keysToKeyTab);
}

TEST_F(SettingPopupTest, MacroTabListsTheGamesMacros) {
    auto popup = Open(3, 8);
    popup->TabButton(2)->click();
    EXPECT_FALSE(forwarding.keysToKeyTab);
    EXPECT_TRUE(popup->MacroTab()->isVisibleTo(popup.get()));
    EXPECT_EQ(popup->MacroTab()->GameList()->count(), 22);
    EXPECT_EQ(popup->MacroTab()->GameList()->currentRow(), -1);
    ClickRow(popup->MacroTab()->GameList(), 21);
    ASSERT_EQ(popup->MacroTab()->MacroList()->count(), 1);
    EXPECT_EQ(popup->MacroTab()->MacroList()->RowText(0), "Reload");
    ClickRow(popup->MacroTab()->MacroList(), 0);
    popup->OkButton()->click();
    EXPECT_EQ(popup->result(), QDialog::Accepted);
    EXPECT_EQ(popup->Model().Result().nAssignType, 6);
    EXPECT_EQ(popup->Model().Result().nAssignValue, 0x16000042);
}

TEST_F(SettingPopupTest, BasicTabGivesTheRowsCode) {
    auto popup = Open(1, 4);
    popup->TabButton(3)->click();
    EXPECT_EQ(popup->BasicTab()->List()->count(), 24);
    EXPECT_EQ(popup->BasicTab()->List()->RowText(21), Text("str_mute"));
    ClickRow(popup->BasicTab()->List(), 21);
    popup->OkButton()->click();
    EXPECT_EQ(popup->result(), QDialog::Accepted);
    EXPECT_EQ(popup->Model().Result().nAssignType, 0);
    EXPECT_EQ(popup->Model().Result().nAssignValue, 39);
}

TEST_F(SettingPopupTest, HostTabBrowsesAndRefusesAPathThatIsNotThere) {
    QTemporaryDir folder;
    const QString program = folder.filePath("tool");
    QFile(program).open(QIODevice::WriteOnly);
    auto popup = Open(2, 2);
    popup->TabButton(4)->click();
    browsed[1] = folder.filePath("missing");
    popup->HostTab()->BrowseButton(1)->click();
    EXPECT_TRUE(popup->HostTab()->Radio(1)->GetChecked());
    EXPECT_EQ(popup->HostTab()->PathText(1), browsed[1]);
    popup->OkButton()->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_NE(QString::fromStdU16String(messages.boxes[0]).indexOf("does not exist"), -1);
    EXPECT_EQ(popup->Model().End(), PopupEnd::kOpen);
    browsed[1] = program;
    popup->HostTab()->BrowseButton(1)->click();
    popup->OkButton()->click();
    EXPECT_EQ(popup->result(), QDialog::Accepted);
    EXPECT_EQ(popup->Model().Result().nAssignType, 19);
    EXPECT_EQ(popup->Model().Result().nAssignValue, 0x00D20006);
    EXPECT_EQ(QString::fromStdU16String(popup->Model().Result().szAssignText), program);
}

TEST_F(SettingPopupTest, CancelledDialogKeepsThePath) {
    auto popup = Open(2, 2);
    popup->TabButton(4)->click();
    browsed[0] = "/usr/share/sounds/a.wav";
    popup->HostTab()->BrowseButton(0)->click();
    browsed[0].clear();
    popup->HostTab()->BrowseButton(0)->click();
    EXPECT_EQ(popup->HostTab()->PathText(0), "/usr/share/sounds/a.wav");
}

TEST_F(SettingPopupTest, HostTabIsHiddenOnTheDpiButton) {
    auto popup = Open(7, 146);
    EXPECT_FALSE(popup->TabButton(4)->isVisibleTo(popup.get()));
    EXPECT_TRUE(popup->TabButton(3)->isVisibleTo(popup.get()));
}

TEST_F(SettingPopupTest, DisableBoxHidesEveryTab) {
    auto popup = Open(2, 2);
    popup->DisableBox()->click();
    EXPECT_TRUE(popup->DisableBox()->GetChecked());
    for (QWidget* tab : {static_cast<QWidget*>(popup->KeyTab()), static_cast<QWidget*>(popup->MacroTab()),
                         static_cast<QWidget*>(popup->BasicTab()), static_cast<QWidget*>(popup->HostTab())})
        EXPECT_FALSE(tab->isVisibleTo(popup.get()));
    for (int t = 1; t <= 4; ++t) EXPECT_FALSE(popup->TabButton(t)->GetChecked());
    popup->OkButton()->click();
    EXPECT_EQ(popup->Model().Result().nAssignType, 121);
    EXPECT_EQ(popup->Model().Result().nAssignValue, 7);
}

TEST_F(SettingPopupTest, DefaultCloseAndEnterKey) {
    auto byDefault = Open(0, 2);
    byDefault->DefaultButton()->click();
    EXPECT_EQ(byDefault->result(), QDialog::Accepted);
    EXPECT_EQ(byDefault->Model().Result().nAssignValue, 1);
    auto closed = Open(0, 2);
    closed->show();
    QTest::keyClick(closed.get(), Qt::Key_Escape);
    QTest::keyClick(closed.get(), Qt::Key_Return);
    EXPECT_TRUE(closed->isVisible()) << "Enter and Esc do not end the popup";
    closed->CloseButton()->click();
    EXPECT_EQ(closed->result(), QDialog::Rejected);
    EXPECT_FALSE(closed->isVisible());
}

namespace sp = setting_popup;
using test::Focus;
using test::Key;
using test::Stop;

QPoint InTabWindow(const LayoutRect& r) { return test::TopLeft(r) + test::TopLeft(sp::kTabPageArea); }

TEST_F(SettingPopupTest, TabGoesRoundTheTabsTheShownTabWindowAndTheFrame) {
    struct Case {
        int tab;
        std::vector<Stop> window;
    };
    std::vector<Stop> hostRows;
    for (std::size_t row = 0; row < sp::kHostRadios.size(); ++row) {
        hostRows.push_back({test::Numbered("host radio ", row), InTabWindow(sp::kHostRadios[row])});
        hostRows.push_back({test::Numbered("browse ", row), InTabWindow(sp::kHostBrowse[row])});
    }
    const std::vector<Case> cases{
        {2, {{"game list", InTabWindow(sp::kGameList)}, {"macro list", InTabWindow(sp::kMacroList)}}},
        {3, {{"basic list", InTabWindow(sp::kBasicList)}}},
        {4, hostRows},
    };
    auto popup = OpenInFront(2, 2);
    for (const Case& c : cases) {
        popup->TabButton(c.tab)->click();
        ASSERT_FALSE(popup->CapturesKeys());
        popup->setFocus();
        std::vector<Stop> stops;
        for (std::size_t t = 0; t < sp::kTabs.size(); ++t) stops.push_back({test::Numbered("tab ", t), test::TopLeft(sp::kTabs[t])});
        stops.insert(stops.end(), c.window.begin(), c.window.end());
        stops.insert(stops.end(), {{"disable", test::TopLeft(sp::kDisableBox)},
                                   {"default", test::TopLeft(sp::kDefaultButton)},
                                   {"ok", test::TopLeft(sp::kOkButton)},
                                   {"close", test::TopLeft(sp::kCloseButton)}});
        EXPECT_EQ(test::Walk(popup.get(), stops, Qt::Key_Tab, stops.size() + 1), test::RoundForward(stops)) << c.tab;
        EXPECT_EQ(test::Walk(popup.get(), stops, Qt::Key_Backtab, stops.size() + 1), test::RoundBack(stops)) << c.tab;
    }
}

TEST_F(SettingPopupTest, WhileTheKeyTabCapturesTabAndArrowsAreKeysAndItSaysHowToLeave) {
    auto popup = OpenInFront(3, 8);
    ASSERT_TRUE(popup->CapturesKeys());
    struct Case {
        Qt::Key key;
        uint32_t virtualKey;
    };
    for (const Case c : {Case{Qt::Key_Tab, 0x09}, Case{Qt::Key_Backtab, 0x09}, Case{Qt::Key_Left, 0x25},
                         Case{Qt::Key_Down, 0x28}}) {
        Key(c.key);
        EXPECT_EQ(popup->Model().ChosenKey(), c.virtualKey) << c.key;
        EXPECT_EQ(Focus(), popup.get()) << c.key;
    }
    for (Qt::Key dropped : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        Key(dropped);
        EXPECT_EQ(popup->Model().ChosenKey(), 0x28u) << dropped;
        EXPECT_TRUE(popup->isVisible()) << dropped;
    }
    // The key tab says so, and how to leave.
    const QImage keyTab = popup->KeyTab()->grab().toImage();
    for (const CaptionPlace& line : sp::kKeyCaptureCaptions) {
        EXPECT_FALSE(strings.Caption(line.id).empty());
        EXPECT_GT(test::BrightestGrey(keyTab, ToQRect(line.box)), test::kNoInkGrey) << CaptionKeyOf(line.id).name;
    }

    // A click on another tab leaves: Tab moves the focus again and is no key.
    QTest::mouseClick(popup->TabButton(2), Qt::LeftButton);
    EXPECT_FALSE(popup->CapturesKeys());
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focus(), popup->TabButton(3));
    EXPECT_EQ(popup->Model().ChosenKey(), 0x28u);
}

TEST_F(SettingPopupTest, ArrowsChooseAmongTheHostRowsAndMoveInTheLists) {
    auto popup = OpenInFront(2, 2);
    popup->TabButton(4)->click();
    popup->HostTab()->Radio(0)->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Down);
    EXPECT_EQ(Focus(), popup->HostTab()->Radio(1));
    EXPECT_TRUE(popup->Model().HostChecked(1));
    EXPECT_TRUE(popup->HostTab()->Radio(1)->GetChecked());

    popup->TabButton(3)->click();
    popup->BasicTab()->List()->setFocus(Qt::TabFocusReason);
    Flush();
    EXPECT_EQ(popup->Model().SelectedBasic(), -1) << "reaching the list chooses nothing";
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(popup->Model().SelectedBasic(), 1);
}

TEST_F(SettingPopupTest, EnterAndEscapePressNothingAndSpacePressesTheFocusedButton) {
    auto popup = OpenInFront(0, 2);
    popup->TabButton(3)->click();
    for (QWidget* focused : {static_cast<QWidget*>(popup->OkButton()), static_cast<QWidget*>(popup->CloseButton())}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            focused->setFocus(Qt::TabFocusReason);
            Key(key);
            EXPECT_TRUE(popup->isVisible()) << key;
            EXPECT_EQ(popup->Model().End(), PopupEnd::kOpen) << key;
        }
    }
    popup->DisableBox()->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Space);
    EXPECT_TRUE(popup->Model().DisableChecked());
    Key(Qt::Key_Space);  // kept behind the box, the key tab takes the keys: Space presses nothing
    EXPECT_TRUE(popup->Model().DisableChecked());
    popup->DisableBox()->click();
    popup->TabButton(3)->click();
    popup->CloseButton()->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Space);
    EXPECT_EQ(popup->result(), QDialog::Rejected);
    EXPECT_FALSE(popup->isVisible());
}

}  // namespace
}  // namespace oryn7px::test
