#include "ui/pages/dlg_macro.h"

#include <QDir>
#include <QFileDialog>
#include <QIntValidator>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <tuple>

#include "core/base/messages.h"
#include "core/i18n/string_table.h"
#include "core/pages/macro_page/macro_categories.h"
#include "core/skin/skin_arithmetic.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/list_box_ex.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"
#include "ui/skin/skin_scroll_wnd.h"

namespace oryn7px {

using namespace macro_page;

namespace {

const QColor kListBackground{0x12, 0x16, 0x1C};
const QColor kListSelected{0x00, 0x6E, 0x9E};
const QColor kListText{0xBD, 0xBD, 0xC8};
const QColor kCategoryText{0xE8, 0xED, 0xF2};

const QString kFileFilter = QStringLiteral("CFG Files(*.cfg)");

// The fixed hints of the controls that have one (the record button's depends on recording).
struct ControlHint {
    CDlgMacro::Control control;
    int hint;
};
constexpr std::array kControlHints{
    ControlHint{CDlgMacro::kNewMacro, 40},    ControlHint{CDlgMacro::kDeleteMacro, 41},
    ControlHint{CDlgMacro::kInsertLine, 42},  ControlHint{CDlgMacro::kDeleteLine, 43},
    ControlHint{CDlgMacro::kModifyLine, 44},  ControlHint{CDlgMacro::kSkipDelays, 47},
    ControlHint{CDlgMacro::kLeftPad, 49},     ControlHint{CDlgMacro::kMiddlePad, 50},
    ControlHint{CDlgMacro::kRightPad, 51},    ControlHint{CDlgMacro::kKeyChoice, 52},
    ControlHint{CDlgMacro::kDelayChoice, 53},
};
constexpr int kRecordHint = 45;
constexpr int kStopRecordHint = 46;
constexpr int kCountFieldHint = 48;
constexpr int kKeyFieldHint = 52;
constexpr int kDelayFieldHint = 53;
constexpr int kCategoryHint = 86;
constexpr int kMacroListHint = 87;
constexpr int kEventListHint = 88;

// Tooltips: a language key, or a fixed text that is the same in every language.
struct Tooltip {
    CDlgMacro::Control control;
    const char* key;
    const char16_t* fixed;
};
constexpr std::array kTooltips{
    Tooltip{CDlgMacro::kNewMacro, "str_new_macro", nullptr},   Tooltip{CDlgMacro::kDeleteMacro, "str_del_macro", nullptr},
    Tooltip{CDlgMacro::kImportMacro, nullptr, u"导入宏"},      Tooltip{CDlgMacro::kExportMacro, nullptr, u"导出宏"},
    Tooltip{CDlgMacro::kInsertLine, "str_macro_new", nullptr}, Tooltip{CDlgMacro::kDeleteLine, "str_macro_del", nullptr},
    Tooltip{CDlgMacro::kModifyLine, "str_macro_modify", nullptr}, Tooltip{CDlgMacro::kSkipDelays, "str_macro_delay", nullptr},
    Tooltip{CDlgMacro::kLeftPad, "str_click", nullptr},        Tooltip{CDlgMacro::kMiddlePad, "str_middle", nullptr},
    Tooltip{CDlgMacro::kRightPad, "str_menu", nullptr},        Tooltip{CDlgMacro::kKeyChoice, "str_macro_msg6", nullptr},
    Tooltip{CDlgMacro::kKeyConfirm, "str_macro_msg6", nullptr}, Tooltip{CDlgMacro::kDelayChoice, "str_macro_msg7", nullptr},
    Tooltip{CDlgMacro::kDelayConfirm, "str_macro_msg7", nullptr},
};

// The virtual key each pad records.
uint32_t PadKey(CDlgMacro::Control pad) {
    if (pad == CDlgMacro::kLeftPad) return 0x01;
    return pad == CDlgMacro::kMiddlePad ? 0x04 : 0x02;
}

bool IsSwallowedKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Space;
}

QRect HintRect(const LayoutRect& rect) { return ToQRect(rect).adjusted(-1, -1, 1, 1); }

}  // namespace

CDlgMacro::CDlgMacro(const PageContext& context)
    : CPageDlg(context.mainWindow, PicturesFor(context.bChinese == 1)),
      mainWindow_(context.mainWindow),
      library_(context.library),
      strings_(context.strings),
      bChinese_(context.bChinese),
      bChineseLayout_(context.bChinese == 1),
      layout_(LayoutFor(bChineseLayout_)),
      model_(context.library, context.hooks, &selfTarget_, clock_, context.messages, context.bChinese),
      categoryMenu_(context.programFolder) {
    setMouseTracking(true);
    CreateControls();
    Connect();
    countTidy_.setInterval(kCountTidyMs);
    connect(&countTidy_, &QTimer::timeout, this, [this] {
        if (model_.TidyCountField()) Sync();
    });
    countTidy_.start();
    model_.ShowCategory(kOwnCategory);
    Relabel();
    Sync();
}

CDlgMacro::~CDlgMacro() = default;

// ---- building

void CDlgMacro::CreateControls() {
    const StatePictures& names = PicturesFor(bChineseLayout_);
    const QImage normal = Picture();
    const QImage down = SkinPicture(QString::fromLatin1(names.down));
    const QImage over = SkinPicture(QString::fromLatin1(names.over));
    // Disabled controls show a dimmed cut of the normal picture.
    QImage disabled = normal.convertToFormat(QImage::Format_ARGB32);
    {
        QPainter dim(&disabled);
        dim.fillRect(disabled.rect(), QColor(0x0D, 0x10, 0x15, 150));
    }
    struct ButtonPlace {
        Control control;
        LayoutRect rect;
        bool checkDisplay;
    };
    const ButtonPlace places[] = {
        {kCategory, layout_.category, false},     {kNewMacro, layout_.newMacro, false},
        {kDeleteMacro, layout_.deleteMacro, false}, {kImportMacro, layout_.importMacro, false},
        {kExportMacro, layout_.exportMacro, false}, {kInsertLine, layout_.insertLine, false},
        {kDeleteLine, layout_.deleteLine, false}, {kModifyLine, layout_.modifyLine, false},
        {kRecord, layout_.record, true},          {kSkipDelays, layout_.skipDelays, true},
        {kRepeatCount, layout_.repeatCount, true}, {kRepeatFFFE, layout_.repeatFFFE, true},
        {kRepeatFFFF, layout_.repeatFFFF, true},  {kLeftPad, layout_.leftPad, false},
        {kMiddlePad, layout_.middlePad, false},   {kRightPad, layout_.rightPad, false},
        {kKeyChoice, layout_.keyChoice, true},    {kKeyConfirm, layout_.keyConfirm, false},
        {kDelayChoice, layout_.delayChoice, true}, {kDelayConfirm, layout_.delayConfirm, false},
        {kMoveChoice, layout_.moveChoice, true},  {kXUp, layout_.xUp, false},
        {kXDown, layout_.xDown, false},           {kYUp, layout_.yUp, false},
        {kYDown, layout_.yDown, false},           {kMoveConfirm, layout_.moveConfirm, false},
    };
    for (const ButtonPlace& place : places) {
        CGDIBitmapBtn* button = AddButton(place.control, place.rect, place.checkDisplay);
        button->SetPictures(ToQRect(place.rect), normal, over.isNull() ? normal : over, down.isNull() ? normal : down,
                            disabled);
    }
    buttons_[kCategory]->SetTextColours(kCategoryText, Qt::white, kCategoryText);
    // Recording shows the record button's pressed look: its text stays light on it.
    buttons_[kRecord]->SetTextColours(kListText, Qt::white, QColor(0xFF, 0xD6, 0xD6));
    for (Control pad : {kLeftPad, kMiddlePad, kRightPad}) buttons_[pad]->SetPressNotify(true);

    AddField(kCountField, layout_.countField, kCountFieldId, kCountFieldChars);
    AddField(kKeyField, layout_.keyField, 0, 32)->setReadOnly(true);
    AddField(kDelayField, layout_.delayField, kDelayFieldId, kDelayFieldChars);
    AddField(kXField, layout_.xField, kMoveXFieldId, kMoveFieldChars);
    AddField(kYField, layout_.yField, kMoveYFieldId, kMoveFieldChars);
    fields_[kCountField]->setValidator(new QIntValidator(0, 99999, fields_[kCountField]));
    fields_[kDelayField]->setValidator(new QIntValidator(0, 9999, fields_[kDelayField]));

    const QImage scrollSkin = LoadSkinImage(QStringLiteral("ScrollBar.png"));
    for (auto [list, rect, id] : {std::tuple{&macroList_, layout_.macroList, kMacroListId},
                                  std::tuple{&eventList_, layout_.eventList, kEventListId}}) {
        *list = new CListBoxEx(this);
        (*list)->Create(ToQRect(rect), this, id);
        (*list)->SetNotificationTarget(this, true);
        (*list)->SetColours(kListBackground, kListSelected);
        (*list)->SetTextColours(kListText, Qt::white);
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

CGDIBitmapBtn* CDlgMacro::AddButton(Control control, const LayoutRect& rect, bool checkDisplay) {
    auto* button = new CGDIBitmapBtn(this);
    button->Create(ToQRect(rect), this, static_cast<int>(control));
    button->SetMode(checkDisplay, false);
    buttons_[control] = button;
    return button;
}

CBitmapEdit* CDlgMacro::AddField(Field field, const LayoutRect& rect, int controlId, int maxChars) {
    auto* edit = new CBitmapEdit(this);
    edit->Create(ToQRect(rect), this, controlId);
    edit->setFrame(false);
    edit->setMaxLength(maxChars);
    edit->SetFontHeight(12);
    edit->SetBackground(ToQRect(rect), Picture());
    // Dark text on the light field the artwork draws.
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Text, QColor(0x10, 0x14, 0x1A));
    edit->setPalette(colours);
    edit->setMouseTracking(true);
    edit->installEventFilter(this);
    fields_[field] = edit;
    return edit;
}

void CDlgMacro::Connect() {
    for (int i = 0; i < kButtonCount; ++i) {
        const auto control = static_cast<Control>(i);
        connect(buttons_[control], &QAbstractButton::clicked, this, [this, control] { OnClicked(control); });
    }
    connect(fields_[kCountField], &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetCountText(text.toStdU16String());
        Sync();
    });
    connect(fields_[kDelayField], &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetDelayText(text.toStdU16String()); });
    for (Field field : {kXField, kYField}) {
        connect(fields_[field], &QLineEdit::textEdited, this, [this, field](const QString& text) {
            model_.SetMoveText(field == kYField, text.toStdU16String());
            Sync();
        });
    }
}

// ---- the page contract

void CDlgMacro::OnLeaving() {
    categoryMenu_.Close();
    model_.EndEditing();
    Sync();
}

void CDlgMacro::BeforeApply() {
    const std::u16string typed = fields_[kCountField]->text().toStdU16String();
    if (typed != model_.CountText()) model_.SetCountText(typed);
}

void CDlgMacro::Relabel() {
    for (const Tooltip& tip : kTooltips) {
        buttons_[tip.control]->SetTooltip(tip.key ? Q(strings_.Text(tip.key)) : QString::fromUtf16(tip.fixed), true);
    }
    Sync();
}

void CDlgMacro::OnSessionEnding() {
    model_.EndEditing();
    library_.SaveMacroLibrary();
}

void CDlgMacro::OnClosing() {
    categoryMenu_.Close();
    model_.EndEditing();
    library_.SaveMacroLibrary();
}

// ---- user actions

void CDlgMacro::OnClicked(Control control) {
    switch (control) {
        case kCategory: OpenCategoryMenu(); return;
        case kNewMacro:
            model_.NewMacro();
            Sync();
            // The new line opens for its name at once.
            if (model_.SelectedMacro() >= 0) macroList_->StartEdit(model_.SelectedMacro());
            return;
        case kDeleteMacro: model_.DeleteMacro(); break;
        case kImportMacro: Import(); break;
        case kExportMacro: Export(); break;
        case kInsertLine: model_.StartInsert(); break;
        case kDeleteLine: model_.DeleteLine(); break;
        case kModifyLine: model_.StartModify(); break;
        case kRecord: model_.ToggleRecording(); break;
        case kSkipDelays: model_.SetSkipDelays(!model_.SkipDelays()); break;
        case kRepeatCount: model_.SetRepeatChoice(RepeatChoice::kPlayCount); break;
        case kRepeatFFFE: model_.SetRepeatChoice(RepeatChoice::kRepeatFFFE); break;
        case kRepeatFFFF: model_.SetRepeatChoice(RepeatChoice::kRepeatFFFF); break;
        case kKeyChoice: model_.ChooseEditor(Editor::kKey); break;
        case kDelayChoice: model_.ChooseEditor(Editor::kDelay); break;
        case kMoveChoice: model_.ChooseEditor(Editor::kMove); break;
        case kKeyConfirm: model_.ConfirmKey(); break;
        case kDelayConfirm:
            model_.SetDelayText(fields_[kDelayField]->text().toStdU16String());
            model_.ConfirmDelay();
            break;
        case kMoveConfirm: model_.ConfirmMove(); break;
        case kXUp: model_.StepMove(false, +1); break;
        case kXDown: model_.StepMove(false, -1); break;
        case kYUp: model_.StepMove(true, +1); break;
        case kYDown: model_.StepMove(true, -1); break;
        default: return;  // pads report through their press messages
    }
    Sync();
}

void CDlgMacro::OpenCategoryMenu() {
    const QRect button = ToQRect(layout_.category);
    categoryMenu_.Open(this, mapToGlobal(QPoint(button.left() + 1, button.bottom() + 2)), bChinese_ == 1);
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

// ---- messages

bool CDlgMacro::event(QEvent* event) {
    static const MessageMap<CDlgMacro> kMessageMap{
        {MENUEX_CHOICE_MESSAGE, &CDlgMacro::OnCategoryChosen}, {UM_LIST_SELCHANGE, &CDlgMacro::OnListSelChange},
        {UM_LIST_EDITED, &CDlgMacro::OnListEdited},           {UM_HOOK_INPUT, &CDlgMacro::OnHookInput},
        {UM_BUTTON_MOUSE, &CDlgMacro::OnButtonMouse},         {WM_MOUSEMOVE, &CDlgMacro::OnMouseMoveMessage},
    };
    return kMessageMap.Dispatch(*this, event) || CPageDlg::event(event);
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

void CDlgMacro::OnHookInput(const Message& message) {
    model_.OnHookInput(static_cast<uint32_t>(message.wParam), static_cast<uint32_t>(message.lParam));
    Sync();
}

void CDlgMacro::OnButtonMouse(const Message& message) {
    for (Control pad : {kLeftPad, kMiddlePad, kRightPad}) {
        if (message.lParam != WindowHandle(buttons_[pad]) || !model_.AcceptsPadInput()) continue;
        // A pad acts as the mouse button it shows: the same path as a key from the hooks.
        const intptr_t flags = message.wParam == WM_LBUTTONDOWN ? 0x00 : 0x80;
        PostMessageTo(this, {UM_HOOK_INPUT, PadKey(pad), flags});
    }
}

void CDlgMacro::OnMouseMoveMessage(const Message& message) {
    ShowHintAt(QPoint(static_cast<int16_t>(message.lParam & 0xFFFF), static_cast<int16_t>((message.lParam >> 16) & 0xFFFF)));
}

// ---- mouse and keys

int CDlgMacro::HintAt(const QPoint& p) const {
    for (const ControlHint& entry : kControlHints) {
        const CGDIBitmapBtn* button = buttons_[entry.control];
        if (!button->isHidden() && button->geometry().adjusted(-1, -1, 1, 1).contains(p)) return entry.hint;
    }
    if (buttons_[kRecord]->geometry().adjusted(-1, -1, 1, 1).contains(p)) {
        return model_.Recording() ? kStopRecordHint : kRecordHint;
    }
    const std::pair<Field, int> fieldHints[] = {{kCountField, kCountFieldHint}, {kKeyField, kKeyFieldHint}, {kDelayField, kDelayFieldHint}};
    for (const auto& [field, hint] : fieldHints) {
        if (!fields_[field]->isHidden() && fields_[field]->geometry().adjusted(-1, -1, 1, 1).contains(p)) return hint;
    }
    if (HintRect(kCategoryHintArea).contains(p)) return kCategoryHint;
    if (HintRect(kMacroListHintArea).contains(p)) return kMacroListHint;
    if (HintRect(kEventListTitleHintArea).contains(p) || HintRect(kEventListHintArea).contains(p)) return kEventListHint;
    return 0;
}

void CDlgMacro::ShowHintAt(const QPoint& pagePoint) {
    if (const int hint = HintAt(pagePoint); hint != 0) PostMessageTo(mainWindow_, {UM_SHOW_HINT, 0, hint});
}

void CDlgMacro::mouseMoveEvent(QMouseEvent* event) {
    ShowHintAt(event->position().toPoint());
    CPageDlg::mouseMoveEvent(event);
}

void CDlgMacro::paintEvent(QPaintEvent* event) {
    CPageDlg::paintEvent(event);
    if (model_.Mode() != EditMode::kIdle) return;
    // No editor open: its controls are hidden, so their place shows an empty panel and a hint.
    QPainter painter(this);
    const QRect area = ToQRect(kEditorArea);
    painter.fillRect(area, QColor(QRgb(kRecorderPanelColour)));
    painter.setPen(kListText.darker(130));
    painter.setFont(SkinFont(QStringLiteral("MS Shell Dlg"), 12, 400));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                     bChinese_ == 1 ? QStringLiteral("选择一行后插入或修改") : QStringLiteral("Select a line, then insert or modify it"));
}

void CDlgMacro::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) categoryMenu_.Close();
    CPageDlg::mousePressEvent(event);
}

bool CDlgMacro::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && event->type() == QEvent::MouseMove) {
        ShowHintAt(widget->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsSwallowedKey(key->key())) return true;
        // In the move fields, Left at the start of the text jumps to its end.
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Left &&
            (watched == fields_[kXField] || watched == fields_[kYField]) && edit->cursorPosition() == 0 &&
            !edit->hasSelectedText()) {
            edit->setCursorPosition(static_cast<int>(edit->text().size()));
            return true;
        }
    }
    return CPageDlg::eventFilter(watched, event);
}

// ---- showing the model

void CDlgMacro::Sync() {
    update(ToQRect(kEditorArea));
    buttons_[kCategory]->SetText(QStringLiteral("  ") + Q(CategoryName(model_.Category(), bChinese_ == 1)));
    buttons_[kRecord]->SetText(Q(model_.RecordButtonText()));
    buttons_[kRecord]->SetChecked(model_.Recording());
    for (Control control : {kNewMacro, kDeleteMacro, kInsertLine, kDeleteLine, kModifyLine}) {
        buttons_[control]->setEnabled(model_.EditButtonsEnabled());
    }
    buttons_[kSkipDelays]->SetChecked(model_.SkipDelays());
    buttons_[kRepeatCount]->SetChecked(model_.Repeat() == RepeatChoice::kPlayCount);
    buttons_[kRepeatFFFE]->SetChecked(model_.Repeat() == RepeatChoice::kRepeatFFFE);
    buttons_[kRepeatFFFF]->SetChecked(model_.Repeat() == RepeatChoice::kRepeatFFFF);
    const QString count = Q(model_.CountText());
    if (fields_[kCountField]->text() != count) fields_[kCountField]->setText(count);
    SyncLists();
    SyncEditors();
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

void CDlgMacro::SyncEditors() {
    struct EditorControls {
        Editor editor;
        Control choice;
        std::vector<Control> buttons;
        std::vector<Field> fields;
    };
    const EditorControls editors[] = {
        {Editor::kKey, kKeyChoice, {kKeyConfirm}, {kKeyField}},
        {Editor::kDelay, kDelayChoice, {kDelayConfirm}, {kDelayField}},
        {Editor::kMove, kMoveChoice, {kXUp, kXDown, kYUp, kYDown, kMoveConfirm}, {kXField, kYField}},
    };
    for (const EditorControls& e : editors) {
        const bool shown = model_.EditorShown(e.editor);
        const bool active = model_.EditorActive(e.editor);
        buttons_[e.choice]->setVisible(shown);
        buttons_[e.choice]->SetChecked(active);
        for (Control c : e.buttons) {
            buttons_[c]->setVisible(shown);
            buttons_[c]->setEnabled(active);
        }
        for (Field f : e.fields) {
            fields_[f]->setVisible(shown);
            fields_[f]->setEnabled(active);
        }
    }
    const std::pair<Field, QString> texts[] = {{kKeyField, Q(model_.KeyFieldText())},
                                               {kDelayField, Q(model_.DelayText())},
                                               {kXField, Q(model_.MoveText(false))},
                                               {kYField, Q(model_.MoveText(true))}};
    for (const auto& [field, text] : texts) {
        if (fields_[field]->text() != text) fields_[field]->setText(text);
    }
}

}  // namespace oryn7px
