#pragma once
// The dialog "Programs for profile N", opened by a right click on a profile button: the programs
// with windows now and those the profile lists, to tick; a name to type for a program without a
// window; the profile as the default for every other program; following on or off. It changes
// no file: the main window writes the choice after OK.
#include <QDialog>
#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "core/app/programs_for_profile.h"
#include "core/i18n/string_table.h"
#include "core/interfaces/user_messages.h"
#include "ui/skin/caption_board.h"
#include "ui/skin/focus_chain.h"

namespace oryn7px {

class CBitmapEdit;
class CGDIBitmapBtn;
class CListBoxEx;

class CDlgPrograms final : public QDialog, public CaptionOwner {
    Q_OBJECT
public:
    // `status`: which desktop tells the program in front, or why none does, and any trouble with
    // the rules file, for people.
    CDlgPrograms(QWidget* parent, ProgramsForProfile choice, const QString& status, const StringTable& strings,
                 UserMessages& messages);

    // As the user left it; the ticks are taken from the list at OK.
    const ProgramsForProfile& Choice() const { return choice_; }
    QString Title() const;
    QString Status() const { return strStatus_; }

    CListBoxEx* List() const { return list_; }
    CBitmapEdit* NameBox() const { return nameBox_; }
    CGDIBitmapBtn* AddButton() const { return add_; }
    CGDIBitmapBtn* DefaultBox() const { return defaultBox_; }
    CGDIBitmapBtn* FollowBox() const { return followBox_; }
    CGDIBitmapBtn* OkButton() const { return ok_; }
    CGDIBitmapBtn* CancelButton() const { return cancel_; }
    CGDIBitmapBtn* CloseButton() const { return close_; }
    // The list, the name box and Add, the two boxes, OK, Cancel and the close button.
    FocusOrder KeyboardOrder() const;

    const CaptionBoard& Captions() const override { return captions_; }
    // The status text.
    std::vector<ShownCaption> PaintedTexts() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // Escape, as Enter, never ends the dialog: its buttons do, and a close (the window manager's,
    // the close sequence's) cancels it.
    void reject() override {}
    void closeEvent(QCloseEvent* event) override;

private:
    CGDIBitmapBtn* AddButtonAt(const LayoutRect& rect, bool checkBox);
    void AddTypedName();
    void Finish(int result);

    ProgramsForProfile choice_;
    QString strStatus_;
    const StringTable& strings_;
    UserMessages& messages_;
    CaptionBoard captions_;
    QImage normal_;
    CListBoxEx* list_ = nullptr;
    CBitmapEdit* nameBox_ = nullptr;
    CGDIBitmapBtn* add_ = nullptr;
    CGDIBitmapBtn* defaultBox_ = nullptr;
    CGDIBitmapBtn* followBox_ = nullptr;
    CGDIBitmapBtn* ok_ = nullptr;
    CGDIBitmapBtn* cancel_ = nullptr;
    CGDIBitmapBtn* close_ = nullptr;
};

}  // namespace oryn7px
