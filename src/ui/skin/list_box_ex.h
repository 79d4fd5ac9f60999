#pragma once
// Owner-drawn list with its own colours, small pictures before the text, selection
// notification (0x465) and in-place editing of a row's text (0x470). Its rows may carry tick
// boxes instead of pictures, ticked by a click on the row or Space.
#include <QBrush>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QListWidget>
#include <QPointer>

class QLineEdit;

namespace oryn7px {

class CListBoxEx : public QListWidget {
    Q_OBJECT
public:
    explicit CListBoxEx(QWidget* parent = nullptr);

    void Create(const QRect& rect, QWidget* parent, int controlId);
    int ControlId() const { return nControlId_; }

    // Adds at the end, selects it, and sets the picture switch to `pictureKind`.
    void AddRow(const QString& text, uint32_t pictureKind, uint32_t value, bool startEditing = false);
    void InsertRow(int index, uint32_t pictureKind, const QString& text, uint32_t value);
    void ReplaceRow(int index, uint32_t pictureKind, const QString& text, uint32_t value);
    // A row with a tick box: the list shows tick boxes from then on.
    void AddTickRow(const QString& text, bool ticked);
    bool RowTicked(int index) const;
    void SetRowTicked(int index, bool ticked);
    bool ShowsTicks() const { return bTicks_; }
    uint32_t RowValue(int index) const;
    QString RowText(int index) const;

    void SetColours(const QColor& background, const QColor& selectedBackground);
    void SetTextColours(const QColor& text, const QColor& selectedText);
    void SetRowHeight(int height);
    void SetEditable(bool editable) { bEditable_ = editable; }
    // Notifications go to `target` instead of the parent while `use` is set.
    void SetNotificationTarget(QObject* target, bool use);

    uint32_t PictureSwitch() const { return nPictureSwitch_; }
    int EditedRow() const { return nEditedRow_; }
    QLineEdit* EditBox() const { return editBox_; }
    void StartEdit(int row);

    // Drawing rules, used by the row painter.
    const QBrush& Background() const { return background_; }
    QColor SelectedBackground() const { return selectedBackground_; }
    QColor TextColour() const { return textColour_; }
    QColor SelectedTextColour() const { return selectedTextColour_; }
    int RowHeight() const { return nRowHeight_; }
    QSize PictureSize() const { return {16, 16}; }
    const QImage& RowPicture(uint32_t kind, bool selected);
    const QImage& TickPicture(bool ticked, bool selected);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectQuietly(int row);
    void Notify(uint32_t message, int row);
    void CommitEdit();
    void CancelEdit();
    void CloseEditBox();

    int nControlId_ = 0;
    QBrush background_;
    QColor selectedBackground_;
    QColor textColour_;
    QColor selectedTextColour_;
    int nRowHeight_ = 20;
    uint32_t nPictureSwitch_ = 1;
    bool bEditable_ = false;
    bool bTicks_ = false;
    QObject* notifyTarget_ = nullptr;
    bool bUseNotifyTarget_ = false;
    int nEditedRow_ = -1;
    QPointer<QLineEdit> editBox_;
    QHash<QString, QImage> pictures_;  // row pictures and tick boxes by file
};

}  // namespace oryn7px
