// The main window as host of the five pages: built when first needed, one shown at a time, all
// told what happens to the profile and the window.
#include "ui/frame/main_dialog.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/picture_cache.h"

namespace oryn7px {

CPageDlg* CQ580ZDriverDlg::Page(int page) {
    if (page < 1 || page > kPageCount || bClosing_ || !pageContext_) return nullptr;
    if (!pages_[page - 1]) {
        BuildPage(page);
        ReleaseUnusedPictures();
    }
    return pages_[page - 1];
}

void CQ580ZDriverDlg::BuildPage(int page) {
    // Built late, a page reads the profile, language and firmware version as they are now.
    CPageDlg* built = PageTable()[page - 1].create(*pageContext_);
    built->setVisible(false);
    TakeFocus(built->KeyboardOrder());
    // Nothing follows the program in front while a page records the keyboard.
    connect(built, &CPageDlg::KeyboardTaken, this, [this](bool taken) {
        if (follower_) follower_->RecordingMacro(taken);
    });
    if (firmwareVersion_) built->OnFirmwareVersion(*firmwareVersion_);
    pages_[page - 1] = built;
    NamePage(page);
}

std::vector<CPageDlg*> CQ580ZDriverDlg::BuiltPages() const {
    std::vector<CPageDlg*> built;
    for (CPageDlg* page : pages_) {
        if (page) built.push_back(page);
    }
    return built;
}

void CQ580ZDriverDlg::CreatePages() {
    SettingsState& state = services_.state;
    pageContext_.emplace(PageContext{this,
                                     state.profile,
                                     std::span<uint32_t, kButtonCount>(state.ButtonMacroId),
                                     state.bChinese,
                                     services_.library,
                                     services_.store,
                                     services_.strings,
                                     services_.messages,
                                     services_.hooks,
                                     services_.programFolder,
                                     services_.startProgram,
                                     state.MacroTable,
                                     services_.keyboardLayout,
                                     services_.statistics,
                                     services_.cursor,
                                     bStartUpChinese_,
                                     services_.firmware,
                                     services_.desktopInput,
                                     services_.pointer.Support()});
    for (int i = 0; i < kPageCount; ++i) {
        if (PageTable()[i].builtAtStartUp) BuildPage(i + 1);
    }
    SwitchPage(1);
    // The others once the window is up: it appears sooner, and they are there before a click.
    // Queued ahead of the start-up language switch, they take the start-up layout like the rest.
    QMetaObject::invokeMethod(
        this, [this] { for (int i = 1; i <= kPageCount; ++i) Page(i); }, Qt::QueuedConnection);
}

void CQ580ZDriverDlg::ReleasePages() {
    // The close may come while a page waits in a dialog it opened (the session ends, SIGTERM):
    // the pages go with the window, once every loop has returned, never under their own feet.
    for (CPageDlg*& page : pages_) {
        if (page) page->hide();
        page = nullptr;
    }
}

void CQ580ZDriverDlg::SwitchPage(int page) {
    if (bClosing_) return;
    CPageDlg* shown = Page(page);
    for (CPageDlg* built : BuiltPages()) {
        if (built != shown) built->OnLeaving();
    }
    nSelectedPage_ = page;
    for (int i = 1; i <= kPageCount; ++i) tabs_[i - 1]->SetHighlighted(i == page);
    for (CPageDlg* built : BuiltPages()) built->setVisible(built == shown);
    const bool applicable = shown->AllowsApply();
    for (CIrrButton* button : profileButtons_) button->setEnabled(applicable);
    applyButton_->setEnabled(applicable);
    shown->OnShown();
}

void CQ580ZDriverDlg::RefreshPagesFromProfile() {
    for (CPageDlg* page : BuiltPages()) page->RefreshFromProfile();
}

}  // namespace oryn7px
