#include "core/pages/macro_page/macro_line_editor.h"

#include <algorithm>

namespace oryn7px::macro_page {

namespace {

bool IsInsertMode(EditMode mode) {
    return mode == EditMode::kInsertKey || mode == EditMode::kInsertDelay || mode == EditMode::kInsertMove;
}

Editor EditorOf(EditMode mode) {
    switch (mode) {
        case EditMode::kInsertDelay: case EditMode::kModifyDelay: return Editor::kDelay;
        case EditMode::kInsertMove: case EditMode::kModifyMove: return Editor::kMove;
        default: return Editor::kKey;
    }
}

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// A delay added at `index`: into the delay just before it, else the one at it, else a new line.
void AddDelayAt(EventList& events, std::size_t index, uint32_t milliseconds) {
    std::vector<EventLine>& lines = events.lines;
    auto add = [milliseconds](EventLine& line) { line.value = std::min(line.value + milliseconds, kMaxDelayMs); };
    if (lines[index - 1].type == kLineDelay) {
        add(lines[index - 1]);
    } else if (lines[index].type == kLineDelay) {
        add(lines[index]);
    } else {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), EventLine{kLineDelay, std::min(milliseconds, kMaxDelayMs)});
        ++events.selected;
    }
}

}  // namespace

bool MacroLineEditor::Shown(Editor editor) const {
    if (mode_ == EditMode::kIdle) return false;
    return IsInsertMode(mode_) || EditorOf(mode_) == editor;
}

bool MacroLineEditor::Active(Editor editor) const { return mode_ != EditMode::kIdle && EditorOf(mode_) == editor; }

void MacroLineEditor::SetMode(EditMode mode) {
    mode_ = mode;
    capture_.Set(CapturesKey());
}

void MacroLineEditor::Close() {
    if (mode_ == EditMode::kIdle) return;
    SetMode(EditMode::kIdle);
}

void MacroLineEditor::Reset() {
    capture_.Set(false);
    mode_ = EditMode::kIdle;
    capturedKey_ = 0;
    delayText_.clear();
    moveXText_ = u"0";
    moveYText_ = u"0";
}

void MacroLineEditor::StartInsert() {
    capturedKey_ = 0;
    SetMode(EditMode::kInsertKey);
}

void MacroLineEditor::StartModify(const EventLine& line) {
    if (IsKeyLine(line.type)) {
        capturedKey_ = line.value;
        SetMode(EditMode::kModifyKey);
    } else if (line.type == kLineDelay) {
        delayText_ = Ascii(std::to_string(line.value));
        SetMode(EditMode::kModifyDelay);
    } else {
        moveXText_ = Ascii(std::to_string(MoveX(line.value)));
        moveYText_ = Ascii(std::to_string(MoveY(line.value)));
        SetMode(EditMode::kModifyMove);
    }
}

void MacroLineEditor::Choose(Editor editor) {
    if (!IsInsertMode(mode_)) return;
    switch (editor) {
        case Editor::kKey: SetMode(EditMode::kInsertKey); break;
        case Editor::kDelay: SetMode(EditMode::kInsertDelay); break;
        case Editor::kMove: SetMode(EditMode::kInsertMove); break;
    }
}

bool MacroLineEditor::ConfirmKey(EventList& events) {
    const bool inserting = mode_ == EditMode::kInsertKey;
    if (!inserting && mode_ != EditMode::kModifyKey) return false;
    const bool hasLine = events.HasSelection();
    if (capturedKey_ != 0 && inserting) {
        // Without a selected line the pair goes at the end, so an empty macro can get its first key.
        const std::size_t at = hasLine ? static_cast<std::size_t>(events.selected) : events.lines.size();
        events.lines.insert(events.lines.begin() + static_cast<std::ptrdiff_t>(at),
                            {EventLine{kLineKeyDown, capturedKey_}, EventLine{kLineKeyUp, capturedKey_}});
        if (hasLine) events.selected += 2;
    } else if (capturedKey_ != 0 && hasLine) {
        EventLine& line = events.Selected();
        if (IsKeyLine(line.type)) line.value = capturedKey_;
    }
    Close();
    return true;
}

bool MacroLineEditor::ConfirmDelay(EventList& events) {
    const uint32_t milliseconds = ReadDecimal(delayText_) & 0xFFFFFF;
    const bool hasLine = events.HasSelection();
    if (mode_ == EditMode::kInsertDelay) {
        // A delay before the first line would be dropped at store: nothing to insert there.
        if (hasLine && events.selected >= 1) AddDelayAt(events, static_cast<std::size_t>(events.selected), milliseconds);
    } else if (mode_ == EditMode::kModifyDelay && hasLine) {
        EventLine& line = events.Selected();
        if (line.type == kLineDelay) line.value = std::min(milliseconds, kMaxModifiedDelay);
    } else {
        return false;
    }
    Close();
    return true;
}

bool MacroLineEditor::ConfirmMove(EventList& events) {
    const uint32_t move = PackMove(MoveFieldValue(moveXText_), MoveFieldValue(moveYText_));
    const bool hasLine = events.HasSelection();
    if (mode_ == EditMode::kInsertMove) {
        if (!hasLine) {
            events.lines.push_back({kLineMove, move});
        } else if (events.selected >= 1) {
            events.lines.insert(events.lines.begin() + events.selected, EventLine{kLineMove, move});
            ++events.selected;
        }
    } else if (mode_ == EditMode::kModifyMove && hasLine) {
        EventLine& line = events.Selected();
        if (line.type == kLineMove) line.value = move;
    } else {
        return false;
    }
    Close();
    return true;
}

std::u16string MacroLineEditor::KeyFieldText() const { return capturedKey_ == 0 ? u"" : KeyText(capturedKey_); }

void MacroLineEditor::SetMoveText(bool y, std::u16string_view text) { (y ? moveYText_ : moveXText_) = TidyMoveText(text); }

void MacroLineEditor::StepMove(bool y, int step) {
    const int value = std::clamp(MoveFieldValue(MoveText(y)) + step, -kMaxMove, kMaxMove);
    SetMoveText(y, Ascii(std::to_string(value)));
}

}  // namespace oryn7px::macro_page
