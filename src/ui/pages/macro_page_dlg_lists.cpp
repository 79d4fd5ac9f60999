// The macro page's category and its two lists: the macros of the category on show and the
// selected macro's event lines; rename in place, import and export.
#include <QFileDialog>
#include <QLineEdit>
#include <QSignalBlocker>
#include <tuple>

#include "core/base/messages.h"
#include "core/layout/skin_arithmetic.h"
#include "ui/pages/macro_page_dlg.h"
#include "ui/skin/list_box_ex.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"
#include "ui/skin/skin_scroll_wnd.h"

namespace oryn7px {

using namespace macro_page;

namespace {

const QString kFileFilter = QStringLiteral("CFG Files(*.cfg)");

}  // namespace

void CDlgMacro::CreateLists() {
    const QImage scrollSkin = LoadSkinImage(QStringLiteral("ScrollBar.png"));
    for (auto [list, rect, id] : {std::tuple{&macroList_, layout_.macroList, kMacroListId},
                                  std::tuple{&eventList_, layout_.eventList, kEventListId}}) {
        *list = new CListBoxEx(this);
        (*list)->Create(ToQRect(rect), this, id);
        (*list)->SetNotificationTarget(this, true);
        (*list)->SetColours(QColor(QRgb(kListBackgroundColour)), QColor(QRgb(kListSelectedColour)));
        (*list)->SetTextColours(QColor(QRgb(kListTextColour)), Qt::white);
        // The in-place edit box takes the list's colours.
        QPalette colours = (*list)->palette();
        colours.setColor(QPalette::Text, Qt::white);
        (*list)->setPalette(colours);
        (*list)->viewport()->setMouseTracking(true);
        (*list)->viewport()->installEventFilter(this);
        (*list)->installEventFilter(this);
        if (!scrollSkin.isNull()) CSkinScrollWnd::Wrap(*list, scrollSkin);
    }
    macroList_->SetEditable(true);
}

void CDlgMacro::OpenCategoryMenu() {
    const QRect button = ToQRect(layout_.category);
    categoryMenu_.Open(this, mapToGlobal(QPoint(button.left() + 1, button.bottom() + 2)), bChinese_ == 1);
}

void CDlgMacro::OnCategoryChosen(const Message& message) {
    categoryMenu_.Close();
    model_.ShowCategory(static_cast<uint32_t>(message.wParam));
    Sync();
}

void CDlgMacro::OnListSelChange(const Message& message) {
    const int row = static_cast<int>(message.lParam);
    if (message.wParam == kMacroListId) model_.SelectMacro(row);
    if (message.wParam == kEventListId) model_.SelectLine(row);
    Sync();
}

void CDlgMacro::OnListEdited(const Message& message) {
    if (message.wParam != kMacroListId) return;
    const int row = static_cast<int>(message.lParam);
    model_.RenameMacro(row, macroList_->RowText(row).toStdU16String());
    Sync();
}

std::optional<std::filesystem::path> CDlgMacro::AskImportFile() {
    const QString file = QFileDialog::getOpenFileName(this, QString(), QString(), kFileFilter);
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

std::optional<std::filesystem::path> CDlgMacro::AskExportFile(const QString& macroName) {
    QString file = QFileDialog::getSaveFileName(this, QString(), macroName + QStringLiteral(".cfg"), kFileFilter);
    if (file.isEmpty()) return std::nullopt;
    if (!file.endsWith(QStringLiteral(".cfg"), Qt::CaseInsensitive)) file += QStringLiteral(".cfg");
    return std::filesystem::path(file.toStdString());
}

void CDlgMacro::Import() {
    if (const auto file = AskImportFile()) model_.ImportMacro(*file);
}

void CDlgMacro::Export() {
    const int selected = model_.SelectedMacro();
    if (selected < 0) return;
    const QString name = Q(model_.Macros()[static_cast<std::size_t>(selected)].name);
    if (const auto file = AskExportFile(name)) model_.ExportMacro(*file);
}

void CDlgMacro::SyncLists() {
    const auto& macros = model_.Macros();
    bool same = macroList_->count() == static_cast<int>(macros.size());
    for (int i = 0; same && i < macroList_->count(); ++i) {
        same = macroList_->RowValue(i) == macros[static_cast<std::size_t>(i)].id &&
               macroList_->RowText(i) == Q(macros[static_cast<std::size_t>(i)].name);
    }
    if (!same && macroList_->EditedRow() < 0) {
        const QSignalBlocker quiet(macroList_);
        macroList_->clear();
        for (const MacroListItem& item : macros) macroList_->AddRow(Q(item.name), 0, item.id);
    }
    {
        const QSignalBlocker quiet(macroList_);
        macroList_->setCurrentRow(model_.SelectedMacro());
    }

    const auto& lines = model_.Lines();
    same = eventList_->count() == static_cast<int>(lines.size());
    for (int i = 0; same && i < eventList_->count(); ++i) {
        const EventLine& line = lines[static_cast<std::size_t>(i)];
        same = eventList_->RowValue(i) == PackRowValue(line.type, line.value) && eventList_->RowText(i) == Q(LineText(line));
    }
    const QSignalBlocker quiet(eventList_);
    if (!same) {
        eventList_->clear();
        for (const EventLine& line : lines) eventList_->AddRow(Q(LineText(line)), line.type, line.value);
    }
    eventList_->setCurrentRow(model_.SelectedLine());
    if (model_.Recording() && !lines.empty()) eventList_->scrollToBottom();
}

}  // namespace oryn7px
