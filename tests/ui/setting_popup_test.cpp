// The key-assignment popup through its real widgets: one test per tab, and the frame's buttons.
#include <QTemporaryDir>

#include "core/base/utf16.h"
#include "core/i18n/us_keyboard_layout.h"
#include "core/pages/main_page/setting_popup_model.h"
#include "main_window_fixture.h"
#include "ui/pages/setting_popup_dlg.h"

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

}  // namespace
}  // namespace oryn7px::test
