#pragma once
// The macro manager and recorder: the library by category, the selected macro's event list with
// its line editors, the recorder and the repeat choice. The rules live in the page model; this
// widget shows its state and hands it the user's clicks, keys and hook messages. Its parts live in
// files of their own: the lists, the line editors and the recorder.
#include <QTimer>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>

#include "core/layout/macro_page_layout.h"
#include "core/base/clock.h"
#include "core/pages/macro_page/macro_page_model.h"
#include "ui/pages/category_menu.h"
#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"
#include "ui/skin/message_event.h"

class QKeyEvent;

namespace oryn7px {

class CBitmapEdit;
class CGDIBitmapBtn;
class CListBoxEx;

class CDlgMacro : public CPageDlg {
    Q_OBJECT
public:
    // The controls, by what they do (tests and hints name them this way).
    using Control = macro_page::MacroControl;
    using Field = macro_page::MacroField;
    using enum macro_page::MacroControl;
    using enum macro_page::MacroField;

    explicit CDlgMacro(const PageContext& context);
    ~CDlgMacro() override;

    void OnLeaving() override;
    void BeforeApply() override;
    void Relabel() override;
    void OnSessionEnding() override;
    void OnClosing() override;
    FocusOrder KeyboardOrder() const override;
    bool TakesKeyboard() const override { return model_.Recording(); }

    // The line editors' hint while none is open.
    std::vector<ShownCaption> PaintedTexts() const override;

    macro_page::MacroPageModel& Model() { return model_; }
    CGDIBitmapBtn* Button(Control control) const { return buttons_[control]; }
    CBitmapEdit* Edit(Field field) const { return fields_[field]; }
    CListBoxEx* MacroList() const { return macroList_; }
    CListBoxEx* EventList() const { return eventList_; }
    const macro_page::MacroPageLayout& Layout() const { return layout_; }
    // The hint the page posts for a point of the page; 0 where there is none.
    int HintAt(const QPoint& pagePoint) const;

protected:
    // The file dialogs of import and export; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> AskImportFile();
    virtual std::optional<std::filesystem::path> AskExportFile(const QString& macroName);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The page: controls, clicks, messages, hints and keys (macro_page_dlg.cpp).
    void CreateControls();
    CGDIBitmapBtn* AddButton(Control control, const LayoutRect& rect, bool checkDisplay);
    CBitmapEdit* AddField(Field field, const LayoutRect& rect, int controlId, int maxChars);
    void Connect();
    void NameUncaptionedControls();
    void OnClicked(Control control);
    void ShowHintAt(const QPoint& pagePoint);
    void OnMouseMoveMessage(const Message& message);
    void Sync();
    void SyncRepeat();

    // The category, the macro list and the event list; import and export (macro_page_dlg_lists.cpp).
    void CreateLists();
    void OpenCategoryMenu();
    void OnCategoryChosen(const Message& message);
    void OnListSelChange(const Message& message);
    void OnListEdited(const Message& message);
    void Import();
    void Export();
    void SyncLists();

    // The line editors (macro_page_dlg_editors.cpp).
    void ConnectEditorFields();
    // Left at the start of a move field jumps to the end of its text; true when it did.
    bool JumpToMoveFieldEnd(QObject* watched, const QKeyEvent& key);
    void PaintClosedEditors();
    void SyncEditors();

    // The recorder: record button, skip-delays, pads and the hooks' keys (macro_page_dlg_recorder.cpp).
    void OnHookInput(const Message& message);
    void OnButtonMouse(const Message& message);
    void SyncRecorder();

    QWidget* mainWindow_;
    MacroLibrary& library_;
    StringTable& strings_;
    const int32_t& bChinese_;
    const bool bChineseLayout_;  // the start-up layout, fixed for the run
    const macro_page::MacroPageLayout& layout_;
    QtMessageTarget selfTarget_{this};
    RealClock clock_;
    macro_page::MacroPageModel model_;
    CategoryMenu categoryMenu_;
    std::array<CGDIBitmapBtn*, macro_page::kMacroControlCount> buttons_{};
    std::array<CBitmapEdit*, macro_page::kMacroFieldCount> fields_{};
    CListBoxEx* macroList_ = nullptr;
    CListBoxEx* eventList_ = nullptr;
    QTimer countTidy_;
    bool bToldRecording_ = false;  // what KeyboardTaken last said
};

}  // namespace oryn7px
