#include "ui/pages/macro_page_dlg.h"

#include <QIntValidator>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/base/messages.h"
#include "core/i18n/string_table.h"
#include "core/pages/macro_page/macro_categories.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/list_box_ex.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {

using namespace macro_page;

namespace {

bool IsSwallowedKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Space;
}

QRect HintRect(const QRect& rect) { return rect.adjusted(-1, -1, 1, 1); }

}  // namespace

CDlgMacro::CDlgMacro(const PageContext& context)
    : CPageDlg(context.mainWindow, PicturesFor(context.startUpChinese)),
      mainWindow_(context.mainWindow),
      library_(context.library),
      strings_(context.strings),
      bChinese_(context.bChinese),
      bChineseLayout_(context.startUpChinese),
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
    // The repeat choices and the editor choices are two groups of radio buttons; the record
    // button's caption says whether it records.
    for (Control radio : {kRepeatCount, kRepeatFFFE, kRepeatFFFF, kKeyChoice, kDelayChoice, kMoveChoice})
        buttons_[radio]->SetRole(QAccessible::RadioButton);
    buttons_[kRecord]->SetRole(QAccessible::PushButton);
    // The arrows beside the move fields are bare pictures, the same in every language.
    const std::pair<Control, const char*> arrows[] = {{kXUp, "X +"}, {kXDown, "X \u2212"}, {kYUp, "Y +"}, {kYDown, "Y \u2212"}};
    for (const auto& [arrow, name] : arrows) buttons_[arrow]->setAccessibleName(QString::fromUtf8(name));
    const QColor categoryText{QRgb(kCategoryTextColour)};
    buttons_[kCategory]->SetTextColours(categoryText, Qt::white, categoryText);
    // Recording shows the record button's pressed look: its text stays light on it.
    buttons_[kRecord]->SetTextColours(QColor(QRgb(kListTextColour)), Qt::white, QColor(0xFF, 0xD6, 0xD6));
    for (Control pad : {kLeftPad, kMiddlePad, kRightPad}) buttons_[pad]->SetPressNotify(true);

    AddField(kCountField, layout_.countField, kCountFieldId, kCountFieldChars);
    AddField(kKeyField, layout_.keyField, 0, 32)->setReadOnly(true);
    AddField(kDelayField, layout_.delayField, kDelayFieldId, kDelayFieldChars);
    AddField(kXField, layout_.xField, kMoveXFieldId, kMoveFieldChars);
    AddField(kYField, layout_.yField, kMoveYFieldId, kMoveFieldChars);
    fields_[kCountField]->setValidator(new QIntValidator(0, 99999, fields_[kCountField]));
    fields_[kDelayField]->setValidator(new QIntValidator(0, 9999, fields_[kDelayField]));

    CreateLists();
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
    for (int i = 0; i < kMacroControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        connect(buttons_[control], &QAbstractButton::clicked, this, [this, control] { OnClicked(control); });
    }
    connect(fields_[kCountField], &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetCountText(text.toStdU16String());
        Sync();
    });
    ConnectEditorFields();
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
    for (const ControlTooltip& tip : kControlTooltips) {
        buttons_[tip.control]->SetTooltip(tip.key ? Q(strings_.Text(tip.key)) : QString::fromUtf16(tip.fixed), true);
    }
    ShowCaptions(CaptionsFor(bChineseLayout_), strings_);
    NameUncaptionedControls();
    Sync();
}

// The fields and lists are named by the captions beside them.
void CDlgMacro::NameUncaptionedControls() {
    const auto caption = [this](CaptionId id) { return Q(strings_.Caption(id)); };
    fields_[kCountField]->setAccessibleName(caption(CaptionId::PlayCount));
    fields_[kKeyField]->setAccessibleName(caption(CaptionId::Key));
    fields_[kDelayField]->setAccessibleName(caption(CaptionId::DelayMs));
    fields_[kXField]->setAccessibleName(QStringLiteral("X"));
    fields_[kYField]->setAccessibleName(QStringLiteral("Y"));
    macroList_->setAccessibleName(caption(CaptionId::Macros));
    eventList_->setAccessibleName(caption(CaptionId::KeyList));
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

// The three panels left to right, each top to bottom: the library, the key list, the recorder
// with its line editors. The key field only shows what the recorder took.
FocusOrder CDlgMacro::KeyboardOrder() const {
    const auto controls = [this](std::initializer_list<Control> list) {
        std::vector<QWidget*> widgets;
        for (Control c : list) widgets.push_back(buttons_[c]);
        return widgets;
    };
    FocusOrder order;
    order.chain = {buttons_[kCategory],    macroList_,           buttons_[kNewMacro],   buttons_[kDeleteMacro],
                   buttons_[kImportMacro], buttons_[kExportMacro], eventList_,          buttons_[kInsertLine],
                   buttons_[kDeleteLine],  buttons_[kModifyLine],  buttons_[kRecord],   buttons_[kSkipDelays],
                   buttons_[kRepeatCount], fields_[kCountField],   buttons_[kRepeatFFFE], buttons_[kRepeatFFFF],
                   buttons_[kLeftPad],     buttons_[kMiddlePad],   buttons_[kRightPad], buttons_[kKeyChoice],
                   buttons_[kKeyConfirm],  buttons_[kDelayChoice], fields_[kDelayField], buttons_[kDelayConfirm],
                   buttons_[kMoveChoice],  fields_[kXField],       buttons_[kXUp],      buttons_[kXDown],
                   fields_[kYField],       buttons_[kYUp],         buttons_[kYDown],    buttons_[kMoveConfirm]};
    order.groups = {RadioGroup(controls({kRepeatCount, kRepeatFFFE, kRepeatFFFF})),
                    RadioGroup(controls({kKeyChoice, kDelayChoice, kMoveChoice})),
                    FocusRow(controls({kLeftPad, kMiddlePad, kRightPad}))};
    return order;
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

// ---- messages

bool CDlgMacro::event(QEvent* event) {
    static const MessageMap<CDlgMacro> kMessageMap{
        {MENUEX_CHOICE_MESSAGE, &CDlgMacro::OnCategoryChosen}, {UM_LIST_SELCHANGE, &CDlgMacro::OnListSelChange},
        {UM_LIST_EDITED, &CDlgMacro::OnListEdited},           {UM_HOOK_INPUT, &CDlgMacro::OnHookInput},
        {UM_BUTTON_MOUSE, &CDlgMacro::OnButtonMouse},         {WM_MOUSEMOVE, &CDlgMacro::OnMouseMoveMessage},
    };
    return kMessageMap.Dispatch(*this, event) || CPageDlg::event(event);
}

void CDlgMacro::OnMouseMoveMessage(const Message& message) {
    ShowHintAt(QPoint(static_cast<int16_t>(message.lParam & 0xFFFF), static_cast<int16_t>((message.lParam >> 16) & 0xFFFF)));
}

// ---- mouse and keys

int CDlgMacro::HintAt(const QPoint& p) const {
    for (const ControlHint& entry : kControlHints) {
        const CGDIBitmapBtn* button = buttons_[entry.control];
        if (!button->isHidden() && HintRect(button->geometry()).contains(p)) return entry.hint;
    }
    if (HintRect(buttons_[kRecord]->geometry()).contains(p)) return model_.Recording() ? kStopRecordHint : kRecordHint;
    for (const FieldHint& entry : kFieldHints) {
        const CBitmapEdit* field = fields_[entry.field];
        if (!field->isHidden() && HintRect(field->geometry()).contains(p)) return entry.hint;
    }
    for (const AreaHint& entry : kAreaHints) {
        if (HintRect(ToQRect(entry.area)).contains(p)) return entry.hint;
    }
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
    PaintClosedEditors();
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
        if (event->type() == QEvent::KeyPress && JumpToMoveFieldEnd(watched, *key)) return true;
    }
    return CPageDlg::eventFilter(watched, event);
}

// ---- showing the model

void CDlgMacro::Sync() {
    update(ToQRect(kEditorArea));
    buttons_[kCategory]->SetText(QStringLiteral("  ") + Q(CategoryName(model_.Category(), bChinese_ == 1)));
    SyncRecorder();
    SyncRepeat();
    SyncLists();
    SyncEditors();
}

void CDlgMacro::SyncRepeat() {
    buttons_[kRepeatCount]->SetChecked(model_.Repeat() == RepeatChoice::kPlayCount);
    buttons_[kRepeatFFFE]->SetChecked(model_.Repeat() == RepeatChoice::kRepeatFFFE);
    buttons_[kRepeatFFFF]->SetChecked(model_.Repeat() == RepeatChoice::kRepeatFFFF);
    const QString count = Q(model_.CountText());
    if (fields_[kCountField]->text() != count) fields_[kCountField]->setText(count);
}

}  // namespace oryn7px
