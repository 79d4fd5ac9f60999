// The macro page's line editors: which of their controls show and take input, the texts of their
// fields, the move fields' keys, and the empty panel in their place while none is open.
#include <QKeyEvent>
#include <QPainter>
#include <vector>

#include "ui/pages/macro_page_dlg.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

using namespace macro_page;

void CDlgMacro::ConnectEditorFields() {
    connect(fields_[kDelayField], &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetDelayText(text.toStdU16String()); });
    for (Field field : {kXField, kYField}) {
        connect(fields_[field], &QLineEdit::textEdited, this, [this, field](const QString& text) {
            model_.SetMoveText(field == kYField, text.toStdU16String());
            Sync();
        });
    }
}

bool CDlgMacro::JumpToMoveFieldEnd(QObject* watched, const QKeyEvent& key) {
    if (key.key() != Qt::Key_Left || (watched != fields_[kXField] && watched != fields_[kYField])) return false;
    auto* edit = static_cast<QLineEdit*>(watched);
    if (edit->cursorPosition() != 0 || edit->hasSelectedText()) return false;
    edit->setCursorPosition(static_cast<int>(edit->text().size()));
    return true;
}

void CDlgMacro::PaintClosedEditors() {
    if (model_.Mode() != EditMode::kIdle) return;
    // No editor open: its controls are hidden, so their place shows an empty panel and a hint.
    QPainter painter(this);
    const QRect area = ToQRect(kEditorArea);
    painter.fillRect(area, QColor(QRgb(kRecorderPanelColour)));
    for (const ShownCaption& hint : PaintedTexts()) hint.Paint(painter);
}

std::vector<ShownCaption> CDlgMacro::PaintedTexts() const {
    if (model_.Mode() != EditMode::kIdle) return {};
    const CaptionPlace& hint = kEditorHintCaption[0];
    return {{CaptionText(strings_, hint), ToQRect(hint.box), hint.style, hint.align}};
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
