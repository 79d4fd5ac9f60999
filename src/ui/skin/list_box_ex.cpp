#include "ui/skin/list_box_ex.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "core/base/messages.h"
#include "core/layout/skin_arithmetic.h"
#include "ui/skin/edit_keys.h"
#include "ui/skin/focus_mark.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace {

constexpr int kValueRole = Qt::UserRole;

class RowPainter final : public QStyledItemDelegate {
public:
    explicit RowPainter(CListBoxEx* list) : QStyledItemDelegate(list), list_(list) {}

    // A click on a row with a tick box, or Space on it, turns its tick.
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem&,
                     const QModelIndex& index) override {
        if (!list_->ShowsTicks() || !(index.flags() & Qt::ItemIsUserCheckable)) return false;
        const bool click = event->type() == QEvent::MouseButtonRelease &&
                           static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
        const bool space = event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Space;
        if (!click && !space) return false;
        const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        return model->setData(index, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), list_->RowHeight()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const bool enabled = index.flags() & Qt::ItemIsEnabled;
        const QRect row = option.rect;
        if (selected)
            painter->fillRect(row, list_->SelectedBackground());
        else
            painter->fillRect(row, list_->Background());

        int textLeft = row.left() + 5;
        const uint32_t kind = RowPictureKind(index.data(kValueRole).toUInt());
        if (list_->ShowsTicks()) {
            const QSize size = list_->PictureSize();
            const QImage& tick = list_->TickPicture(index.data(Qt::CheckStateRole).toInt() == Qt::Checked, selected);
            SmoothScaledPictures(*painter);
            const int top = row.top() + (row.height() - size.height()) / 2;
            if (!tick.isNull()) painter->drawImage(QRect(QPoint(row.left() + 5, top), size), tick);
            textLeft = row.left() + size.width() + 10;
        } else if (list_->PictureSwitch() != 0 && kind >= 1 && kind <= 5) {
            const QSize size = list_->PictureSize();
            const QImage& picture = list_->RowPicture(kind, selected);
            SmoothScaledPictures(*painter);
            if (!picture.isNull()) painter->drawImage(QRect(QPoint(row.left() + 5, row.top() + 1), size), picture);
            textLeft = row.left() + size.width() + 10;
        }
        QColor text = selected ? list_->SelectedTextColour() : list_->TextColour();
        if (!enabled) text = list_->palette().color(QPalette::Disabled, QPalette::ButtonText);
        painter->setPen(text);
        painter->setFont(list_->font());
        const QRect textArea(textLeft, row.top(), row.right() - textLeft, row.height());
        const QString shown = painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, textArea.width());
        painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }

private:
    CListBoxEx* list_;
};

}  // namespace

CListBoxEx::CListBoxEx(QWidget* parent)
    : QListWidget(parent),
      background_(palette().color(QPalette::Inactive, QPalette::Window)),
      selectedBackground_(palette().color(QPalette::Highlight)),
      textColour_(palette().color(QPalette::WindowText)),
      selectedTextColour_(palette().color(QPalette::HighlightedText)) {
    setItemDelegate(new RowPainter(this));
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFont(SkinFont(QStringLiteral("MS Shell Dlg"), 14, 400));
    SetColours(background_.color(), selectedBackground_);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) Notify(UM_LIST_SELCHANGE, row);
    });
}

void CListBoxEx::Create(const QRect& rect, QWidget* parent, int controlId) {
    setParent(parent);
    setGeometry(rect);
    nControlId_ = controlId;
    show();
}

void CListBoxEx::AddRow(const QString& text, uint32_t pictureKind, uint32_t value, bool startEditing) {
    auto* item = new QListWidgetItem(text);
    item->setData(kValueRole, PackRowValue(pictureKind, value));
    addItem(item);
    nPictureSwitch_ = pictureKind;
    SelectQuietly(count() - 1);
    viewport()->update();
    if (startEditing) StartEdit(count() - 1);
}

void CListBoxEx::InsertRow(int index, uint32_t pictureKind, const QString& text, uint32_t value) {
    auto* item = new QListWidgetItem(text);
    item->setData(kValueRole, PackRowValue(pictureKind, value));
    const QSignalBlocker quiet(this);
    insertItem(index, item);
}

void CListBoxEx::ReplaceRow(int index, uint32_t pictureKind, const QString& text, uint32_t value) {
    if (index < 0 || index >= count()) return;
    {
        const QSignalBlocker quiet(this);
        delete takeItem(index);
    }
    InsertRow(index, pictureKind, text, value);
    SelectQuietly(index);
}

void CListBoxEx::AddTickRow(const QString& text, bool ticked) {
    bTicks_ = true;
    auto* item = new QListWidgetItem(text);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    addItem(item);
    viewport()->update();
}

bool CListBoxEx::RowTicked(int index) const {
    const QListWidgetItem* row = item(index);
    return row && row->checkState() == Qt::Checked;
}

void CListBoxEx::SetRowTicked(int index, bool ticked) {
    if (QListWidgetItem* row = item(index)) row->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

uint32_t CListBoxEx::RowValue(int index) const {
    const QListWidgetItem* row = item(index);
    return row ? row->data(kValueRole).toUInt() : 0;
}

QString CListBoxEx::RowText(int index) const {
    const QListWidgetItem* row = item(index);
    return row ? row->text() : QString();
}

void CListBoxEx::SetColours(const QColor& background, const QColor& selectedBackground) {
    background_ = QBrush(background);
    selectedBackground_ = selectedBackground;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background);
    setPalette(colours);
    viewport()->update();
}

void CListBoxEx::SetTextColours(const QColor& text, const QColor& selectedText) {
    textColour_ = text;
    selectedTextColour_ = selectedText;
    viewport()->update();
}

void CListBoxEx::SetRowHeight(int height) {
    nRowHeight_ = height;
    doItemsLayout();
}

void CListBoxEx::SetNotificationTarget(QObject* target, bool use) {
    notifyTarget_ = target;
    bUseNotifyTarget_ = use;
}

const QImage& CListBoxEx::RowPicture(uint32_t kind, bool selected) {
    const QString file = QString::fromStdString(RowPictureFile(kind, selected));
    auto found = pictures_.find(file);
    if (found == pictures_.end()) found = pictures_.insert(file, file.isEmpty() ? QImage() : LoadSkinImage(file));
    return *found;
}

const QImage& CListBoxEx::TickPicture(bool ticked, bool selected) {
    const QString file = QString::fromStdString(RowTickFile(ticked, selected));
    auto found = pictures_.find(file);
    if (found == pictures_.end()) found = pictures_.insert(file, LoadSkinImage(file));
    return *found;
}

void CListBoxEx::StartEdit(int row) {
    QListWidgetItem* target = item(row);
    if (!target) return;
    CloseEditBox();
    nEditedRow_ = row;
    auto* box = new QLineEdit(viewport());
    editBox_ = box;
    box->setFrame(false);
    box->setMaxLength(20);
    box->setProperty(kTakesEditKeys, true);
    box->setFont(font());
    box->setText(target->text());
    box->selectAll();
    box->setGeometry(visualItemRect(target));
    box->installEventFilter(this);
    connect(box, &QLineEdit::editingFinished, this, &CListBoxEx::CommitEdit);
    box->show();
    box->setFocus();
}

void CListBoxEx::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (!ShowsFocusMark(this)) return;
    QPainter painter(viewport());
    PaintFocusMark(painter, viewport()->rect());
}

void CListBoxEx::focusInEvent(QFocusEvent* event) {
    // Qt makes the first row current when the keyboard reaches a list without one; here that
    // would choose it. Only an arrow key or a click chooses a row.
    const bool hadRow = currentIndex().isValid();
    {
        const QSignalBlocker quiet(this);
        QListWidget::focusInEvent(event);
        if (!hadRow) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void CListBoxEx::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (bEditable_ && index.isValid()) StartEdit(index.row());
}

bool CListBoxEx::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editBox_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        CancelEdit();
        return true;
    }
    return QListWidget::eventFilter(watched, event);
}

void CListBoxEx::SelectQuietly(int row) {
    const QSignalBlocker quiet(this);
    setCurrentRow(row);
    viewport()->update();
}

void CListBoxEx::Notify(uint32_t message, int row) {
    QObject* target = bUseNotifyTarget_ && notifyTarget_ ? notifyTarget_ : parent();
    PostMessageTo(target, {message, static_cast<uintptr_t>(nControlId_), row});
}

void CListBoxEx::CommitEdit() {
    const int row = nEditedRow_;
    if (row < 0 || !editBox_) return;
    const QString text = editBox_->text();
    nEditedRow_ = -1;
    if (QListWidgetItem* edited = item(row)) edited->setText(text);
    SelectQuietly(row);
    CloseEditBox();
    Notify(UM_LIST_EDITED, row);
}

void CListBoxEx::CancelEdit() {
    const int row = nEditedRow_;
    nEditedRow_ = -1;
    CloseEditBox();
    if (row >= 0) SelectQuietly(row);
}

void CListBoxEx::CloseEditBox() {
    if (!editBox_) return;
    QLineEdit* box = editBox_;
    editBox_ = nullptr;
    // Closed by Enter or Escape the list takes the focus back; closed because the focus went
    // elsewhere (a click, Tab), it stays there.
    const bool hadFocus = box->hasFocus();
    box->disconnect(this);
    box->removeEventFilter(this);
    if (hadFocus) setFocus();
    box->hide();
    box->deleteLater();
}

}  // namespace oryn7px
