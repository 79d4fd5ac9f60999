#include "ui/frame/programs_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "core/app/app_texts.h"
#include "core/base/utf16.h"
#include "core/layout/programs_dialog_layout.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/caption_painter.h"
#include "ui/skin/focus_mark.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/list_box_ex.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"
#include "ui/skin/skin_scroll_wnd.h"

namespace oryn7px {

namespace {

namespace pd = programs_dialog;

const QColor kStatusColour{0x9A, 0xA4, 0xB0};
const QColor kListText{0xBD, 0xBD, 0xC8};
const QColor kListBackground{0x1E, 0x25, 0x2E};
const QColor kListSelected{0x00, 0x93, 0xD1};

std::array<CaptionPlace, pd::kCaptions.size()> CaptionsFor(int profile) {
    std::array<CaptionPlace, pd::kCaptions.size()> places = pd::kCaptions;
    places[0].number = profile;
    return places;
}

}  // namespace

CDlgPrograms::CDlgPrograms(QWidget* parent, ProgramsForProfile choice, const QString& status,
                           const StringTable& strings, UserMessages& messages)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      choice_(std::move(choice)),
      strStatus_(status),
      strings_(strings),
      messages_(messages),
      normal_(SkinPicture(QString::fromLatin1(pd::kPictures.normal))) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(Q(ProgramsWindowTitle()));
    setFixedSize(normal_.isNull() ? QSize(pd::kWidth, pd::kHeight) : LogicalSize(normal_));
    if (QWidget* host = parent ? parent->window() : nullptr)
        move(host->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    const QImage down = SkinPicture(QString::fromLatin1(pd::kPictures.down));
    const QImage over = SkinPicture(QString::fromLatin1(pd::kPictures.over));

    close_ = AddButtonAt(pd::kCloseButton, false);
    close_->setAccessibleName(Q(strings_.Text("str_close")));
    connect(close_, &QAbstractButton::clicked, this, [this] { Finish(QDialog::Rejected); });

    list_ = new CListBoxEx;
    list_->Create(ToQRect(pd::kList), this, pd::kListId);
    list_->SetColours(kListBackground, kListSelected);
    list_->SetTextColours(kListText, Qt::white);
    list_->SetRowHeight(pd::kListRowHeight);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const ProgramChoice& program : choice_.Programs())
        list_->AddTickRow(QString::fromStdString(program.name), program.ticked);
    CSkinScrollWnd::Wrap(list_, LoadSkinImage(QStringLiteral("ScrollBar.png")));

    nameBox_ = new CBitmapEdit;
    nameBox_->Create(ToQRect(pd::kNameBox), this, 0);
    nameBox_->SetBackground(ToQRect(pd::kNameBox), normal_);
    connect(nameBox_, &QLineEdit::returnPressed, this, &CDlgPrograms::AddTypedName);
    add_ = AddButtonAt(pd::kAddButton, false);
    connect(add_, &QAbstractButton::clicked, this, &CDlgPrograms::AddTypedName);

    defaultBox_ = AddButtonAt(pd::kDefaultBox, true);
    defaultBox_->SetChecked(choice_.IsDefault());
    defaultBox_->setEnabled(choice_.CanChangeDefault());
    connect(defaultBox_, &QAbstractButton::clicked, this, [this] { choice_.SetDefault(defaultBox_->GetChecked()); });
    followBox_ = AddButtonAt(pd::kFollowBox, true);
    followBox_->SetChecked(choice_.Following());
    connect(followBox_, &QAbstractButton::clicked, this, [this] { choice_.SetFollowing(followBox_->GetChecked()); });

    ok_ = AddButtonAt(pd::kOkButton, false);
    connect(ok_, &QAbstractButton::clicked, this, [this] { Finish(QDialog::Accepted); });
    cancel_ = AddButtonAt(pd::kCancelButton, false);
    connect(cancel_, &QAbstractButton::clicked, this, [this] { Finish(QDialog::Rejected); });
    for (CGDIBitmapBtn* button : {close_, add_, defaultBox_, followBox_, ok_, cancel_})
        button->SetPictures(button->geometry(), normal_, over, down, normal_);

    const auto places = CaptionsFor(choice_.Profile());
    captions_.Show(*this, places, strings_);
    // The title, the list's heading and the name's label are painted: assistive technology reads
    // them as the names of the dialog, the list and the box.
    setAccessibleName(Title());
    list_->setAccessibleName(CaptionText(strings_, places[1]));
    nameBox_->setAccessibleName(CaptionText(strings_, places[2]));
    new KeyboardUse(this, KeyboardUse::InUse(parent));
    TakeFocus(KeyboardOrder());
    // The dialog holds the focus itself: the first Tab goes to the list.
    setFocus(Qt::OtherFocusReason);
}

CGDIBitmapBtn* CDlgPrograms::AddButtonAt(const LayoutRect& rect, bool checkBox) {
    auto* button = new CGDIBitmapBtn;
    button->Create(ToQRect(rect), this, 0);
    button->SetMode(checkBox, checkBox);
    return button;
}

QString CDlgPrograms::Title() const {
    CaptionPlace title = pd::kTitleCaption;
    title.number = choice_.Profile();
    return CaptionText(strings_, title);
}

void CDlgPrograms::AddTypedName() {
    const std::variant<std::size_t, std::string> added = choice_.Add(nameBox_->text().toStdString());
    if (const auto* problem = std::get_if<std::string>(&added)) {
        messages_.ShowInfoBox(Utf8ToUtf16(*problem), false);
        return;
    }
    const int row = static_cast<int>(std::get<std::size_t>(added));
    if (row == list_->count()) list_->AddTickRow(QString::fromStdString(choice_.Programs()[row].name), true);
    list_->SetRowTicked(row, true);
    list_->scrollToItem(list_->item(row));
    nameBox_->clear();
}

void CDlgPrograms::Finish(int result) {
    for (int row = 0; row < list_->count(); ++row) choice_.Tick(static_cast<std::size_t>(row), list_->RowTicked(row));
    done(result);
}

// Top to bottom; the close button last, as in the other dialogs.
FocusOrder CDlgPrograms::KeyboardOrder() const {
    FocusOrder order;
    order.chain = {list_, nameBox_, add_, defaultBox_, followBox_, ok_, cancel_, close_};
    return order;
}

bool CDlgPrograms::focusNextPrevChild(bool next) { return MoveFocus(this, KeyboardOrder(), next); }

void CDlgPrograms::keyPressEvent(QKeyEvent* event) {
    // Not QDialog's: Enter and Escape never end the dialog.
    QWidget::keyPressEvent(event);
}

void CDlgPrograms::closeEvent(QCloseEvent* event) {
    event->accept();
    Finish(QDialog::Rejected);
}

std::vector<ShownCaption> CDlgPrograms::PaintedTexts() const {
    return {{strStatus_, ToQRect(pd::kStatus), CaptionStyle::Hint, CaptionAlign::Left}};
}

void CDlgPrograms::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    if (normal_.isNull()) {
        painter.fillRect(rect(), QColor(0x1A, 0x20, 0x28));
    } else {
        painter.drawImage(0, 0, normal_);
    }
    captions_.Paint(painter);
    painter.setPen(kStatusColour);
    painter.setFont(SkinFont(QStringLiteral("MS Shell Dlg"), 12, 400));
    painter.drawText(ToQRect(pd::kStatus), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, strStatus_);
}

}  // namespace oryn7px
