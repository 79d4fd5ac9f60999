#include "core/pages/macro_page/macro_page_model.h"

#include <algorithm>

#include "core/base/utf16.h"
#include "core/device/input_hooks.h"
#include "core/device/protocol/macro_encoder.h"
#include "core/pages/macro_page/macro_categories.h"

namespace oryn7px::macro_page {

namespace {

constexpr uint32_t kReleasedFlag = 0x80;
constexpr uint32_t kLowTickMask = 0xFFFFFF;

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

}  // namespace

MacroPageModel::MacroPageModel(MacroLibrary& library, InputHooks* hooks, MessageTarget* self, Clock& clock,
                               UserMessages& messages, const int32_t& bChinese)
    : library_(library), hooks_(hooks), self_(self), clock_(clock), messages_(messages), bChinese_(bChinese) {}

// ---- categories and the macro list

void MacroPageModel::ShowCategory(uint32_t category) {
    if (!IsCategory(category)) return;
    if (recording_) StopRecording();
    CloseEditor();
    category_ = category;
    macros_ = library_.ListMacros(category);
    // The list selects each line it adds, so the last one stays selected.
    selectedMacro_ = static_cast<int>(macros_.size()) - 1;
    LoadSelectedMacro();
}

std::optional<uint32_t> MacroPageModel::SelectedMacroId() const {
    if (selectedMacro_ < 0 || selectedMacro_ >= static_cast<int>(macros_.size())) return std::nullopt;
    return macros_[static_cast<std::size_t>(selectedMacro_)].id;
}

void MacroPageModel::SelectMacro(int index) {
    if (index < -1 || index >= static_cast<int>(macros_.size())) return;
    if (recording_) StopRecording();
    CloseEditor();
    selectedMacro_ = index;
    LoadSelectedMacro();
}

void MacroPageModel::LoadSelectedMacro() {
    lines_.clear();
    selectedLine_ = -1;
    repeat_ = RepeatChoice::kPlayCount;
    countText_ = u"1";
    const auto id = SelectedMacroId();
    if (!id) return;
    const MacroEntry* entry = library_.FindMacro(*id);
    // Macros of this category never show their events.
    if (entry != nullptr && MacroCategory(entry->dwMacroId) == kHiddenEventsCategory) entry = nullptr;
    if (entry == nullptr) return;
    repeat_ = ChoiceOfRepeat(entry->dwRepeat);
    countText_ = CountTextOfRepeat(entry->dwRepeat);
    const uint32_t count = std::min<uint32_t>(entry->dwEventCount, kMaxMacroEvents);
    for (uint32_t i = 0; i < count; ++i) {
        const auto line = LineOfEvent(entry->dwEvents[i]);
        if (!line) break;  // an unknown kind ends the list
        lines_.push_back(*line);
    }
}

uint32_t MacroPageModel::FreshMacroId() {
    uint32_t low = clock_.TickCount() & kLowTickMask;
    // Two macros created in the same millisecond, or 4.6 hours of ticks apart, would share an id,
    // and storing one would overwrite the other: take the next free value instead.
    for (uint32_t tries = 0; tries <= kLowTickMask; ++tries, low = (low + 1) & kLowTickMask) {
        const uint32_t id = (category_ << 24) | low;
        const bool listed = std::any_of(macros_.begin(), macros_.end(), [id](const MacroListItem& m) { return m.id == id; });
        if (!listed && library_.FindMacro(id) == nullptr) return id;
    }
    return (category_ << 24) | low;
}

std::u16string MacroPageModel::NewMacroName() const { return Chinese() ? u"新建宏" : u"New Macro"; }

void MacroPageModel::NewMacro() {
    if (recording_) return;
    CloseEditor();
    macros_.push_back({FreshMacroId(), NewMacroName()});
    selectedMacro_ = static_cast<int>(macros_.size()) - 1;
    LoadSelectedMacro();
}

bool MacroPageModel::DeleteMacro() {
    const auto id = SelectedMacroId();
    if (!id || recording_) return false;
    // A new macro that never reached the library only leaves the list.
    const bool stored = library_.FindMacro(*id) != nullptr;
    if (stored && !library_.DeleteMacro(*id)) return false;
    if (!stored && library_.IsMacroInUse(*id)) return false;
    CloseEditor();
    macros_.erase(macros_.begin() + selectedMacro_);
    selectedMacro_ = -1;
    lines_.clear();
    selectedLine_ = -1;
    return true;
}

void MacroPageModel::RenameMacro(int index, std::u16string_view name) {
    if (index < 0 || index >= static_cast<int>(macros_.size())) return;
    MacroListItem& item = macros_[static_cast<std::size_t>(index)];
    // The list keeps what the library can hold.
    MacroEntry holder{};
    SetFixedText(holder.szName, name);
    item.name = std::u16string(FixedText(holder.szName));
    library_.RenameMacro(item.id, item.name);
}

MacroImportResult MacroPageModel::ImportMacro(const std::filesystem::path& file) {
    if (recording_) return MacroImportResult::kInvalid;
    const MacroImport imported = library_.ImportMacro(file);
    switch (imported.result) {
        case MacroImportResult::kInvalid: break;  // the library said why
        case MacroImportResult::kReplaced: {
            // Ids stay unique: the macro with this id was replaced where it stands.
            library_.SaveMacroLibrary();
            CloseEditor();
            const auto listed = std::find_if(macros_.begin(), macros_.end(),
                                             [&](const MacroListItem& item) { return item.id == imported.id; });
            if (listed == macros_.end()) break;
            listed->name = imported.name;
            selectedMacro_ = static_cast<int>(listed - macros_.begin());
            LoadSelectedMacro();
            break;
        }
        case MacroImportResult::kLibraryFull:
            Refuse(u"The macro library is full (500 macros); nothing was imported.", u"宏库已满（500 个宏），未导入。");
            break;
        case MacroImportResult::kImported:
            // Saved now: an import is an edit like any other, and must survive the program.
            library_.SaveMacroLibrary();
            CloseEditor();
            macros_.push_back({imported.id, imported.name});
            selectedMacro_ = static_cast<int>(macros_.size()) - 1;
            LoadSelectedMacro();
            break;
    }
    return imported.result;
}

bool MacroPageModel::ExportMacro(const std::filesystem::path& file) {
    const auto id = SelectedMacroId();
    return id && library_.ExportMacro(*id, file);
}

// ---- the event list

void MacroPageModel::SelectLine(int index) {
    if (index < -1 || index >= static_cast<int>(lines_.size())) return;
    if (index != selectedLine_ && mode_ != EditMode::kIdle) CloseEditor();
    selectedLine_ = index;
}

StoreOutcome MacroPageModel::SetLines(std::vector<EventLine> lines) {
    lines_ = std::move(lines);
    selectedLine_ = -1;
    return StoreEventList();
}

void MacroPageModel::DeleteLine() {
    if (recording_ || selectedLine_ < 0 || selectedLine_ >= static_cast<int>(lines_.size())) return;
    CloseEditor();
    lines_.erase(lines_.begin() + selectedLine_);
    selectedLine_ = std::min(selectedLine_, static_cast<int>(lines_.size()) - 1);
    // The last line gone leaves the stored macro as it was.
    if (!lines_.empty()) StoreEventList();
}

StoreOutcome MacroPageModel::StoreEventList() {
    const auto id = SelectedMacroId();
    if (lines_.empty() || !id) return StoreOutcome::kNothingToStore;
    const int before = static_cast<int>(lines_.size());
    MergeAdjacentDelays(lines_);
    if (static_cast<int>(lines_.size()) != before) selectedLine_ = std::min(selectedLine_, static_cast<int>(lines_.size()) - 1);

    if (lines_.size() > kMaxMacroEvents) {
        Refuse(u"The macro has more than 1000 lines; the change stays in the list but is not stored.",
               u"宏超过 1000 行；修改只保留在列表中，未保存。");
        return StoreOutcome::kRefused;
    }
    const MacroEntry entry =
        BuildMacroEntry(lines_, *id, macros_[static_cast<std::size_t>(selectedMacro_)].name, RepeatValue(repeat_, countText_));
    MacroEncodeError error;
    if (!EncodeMacro(entry, &error)) {
        Refuse(Ascii(error.message) + u" The change stays in the list but is not stored.",
               u"宏太长，超出鼠标的宏存储空间；修改只保留在列表中，未保存。");
        return StoreOutcome::kRefused;
    }
    if (!library_.HasRoomFor(*id)) {
        Refuse(u"The macro library is full (500 macros); this macro is not stored.", u"宏库已满（500 个宏），此宏未保存。");
        return StoreOutcome::kRefused;
    }
    return library_.StoreMacro(entry) ? StoreOutcome::kStored : StoreOutcome::kRefused;
}

// ---- line editors

bool MacroPageModel::EditorShown(Editor editor) const {
    if (mode_ == EditMode::kIdle) return false;
    return IsInsertMode(mode_) || EditorOf(mode_) == editor;
}

bool MacroPageModel::EditorActive(Editor editor) const { return mode_ != EditMode::kIdle && EditorOf(mode_) == editor; }

void MacroPageModel::SetMode(EditMode mode) {
    mode_ = mode;
    CaptureKeys(mode == EditMode::kInsertKey || mode == EditMode::kModifyKey);
}

void MacroPageModel::CaptureKeys(bool on) {
    if (hooks_ == nullptr) return;
    if (on) hooks_->SetHookOwner(self_);
    hooks_->SetHookForwarding(on, false);
}

void MacroPageModel::CloseEditor() {
    if (mode_ == EditMode::kIdle) return;
    SetMode(EditMode::kIdle);
}

void MacroPageModel::StartInsert() {
    if (recording_ || !SelectedMacroId()) return;
    capturedKey_ = 0;
    SetMode(EditMode::kInsertKey);
}

void MacroPageModel::StartModify() {
    if (recording_ || selectedLine_ < 0 || selectedLine_ >= static_cast<int>(lines_.size())) return;
    const EventLine& line = lines_[static_cast<std::size_t>(selectedLine_)];
    // The editor opens on the line's own value, so confirming unchanged keeps it.
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

void MacroPageModel::ChooseEditor(Editor editor) {
    if (!IsInsertMode(mode_)) return;
    switch (editor) {
        case Editor::kKey: SetMode(EditMode::kInsertKey); break;
        case Editor::kDelay: SetMode(EditMode::kInsertDelay); break;
        case Editor::kMove: SetMode(EditMode::kInsertMove); break;
    }
}

void MacroPageModel::ConfirmKey() {
    const bool inserting = mode_ == EditMode::kInsertKey;
    if (!inserting && mode_ != EditMode::kModifyKey) return;
    const bool hasLine = selectedLine_ >= 0 && selectedLine_ < static_cast<int>(lines_.size());
    if (capturedKey_ != 0 && inserting) {
        // Without a selected line the pair goes at the end, so an empty macro can get its first key.
        const std::size_t at = hasLine ? static_cast<std::size_t>(selectedLine_) : lines_.size();
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                      {EventLine{kLineKeyDown, capturedKey_}, EventLine{kLineKeyUp, capturedKey_}});
        if (hasLine) selectedLine_ += 2;
    } else if (capturedKey_ != 0 && hasLine) {
        EventLine& line = lines_[static_cast<std::size_t>(selectedLine_)];
        if (IsKeyLine(line.type)) line.value = capturedKey_;
    }
    CloseEditor();
    StoreEventList();
}

void MacroPageModel::AddDelayAt(std::size_t index, uint32_t milliseconds) {
    auto add = [milliseconds](EventLine& line) { line.value = std::min(line.value + milliseconds, kMaxDelayMs); };
    if (lines_[index - 1].type == kLineDelay) {
        add(lines_[index - 1]);
    } else if (lines_[index].type == kLineDelay) {
        add(lines_[index]);
    } else {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), EventLine{kLineDelay, std::min(milliseconds, kMaxDelayMs)});
        ++selectedLine_;
    }
}

void MacroPageModel::ConfirmDelay() {
    const uint32_t milliseconds = ReadDecimal(delayText_) & 0xFFFFFF;
    const bool hasLine = selectedLine_ >= 0 && selectedLine_ < static_cast<int>(lines_.size());
    if (mode_ == EditMode::kInsertDelay) {
        // A delay before the first line would be dropped at store: nothing to insert there.
        if (hasLine && selectedLine_ >= 1) AddDelayAt(static_cast<std::size_t>(selectedLine_), milliseconds);
    } else if (mode_ == EditMode::kModifyDelay && hasLine) {
        EventLine& line = lines_[static_cast<std::size_t>(selectedLine_)];
        if (line.type == kLineDelay) line.value = std::min(milliseconds, kMaxModifiedDelay);
    } else {
        return;
    }
    CloseEditor();
    StoreEventList();
}

void MacroPageModel::ConfirmMove() {
    const uint32_t move = PackMove(MoveFieldValue(moveXText_), MoveFieldValue(moveYText_));
    const bool hasLine = selectedLine_ >= 0 && selectedLine_ < static_cast<int>(lines_.size());
    if (mode_ == EditMode::kInsertMove) {
        if (!hasLine) {
            lines_.push_back({kLineMove, move});
        } else if (selectedLine_ >= 1) {
            lines_.insert(lines_.begin() + selectedLine_, EventLine{kLineMove, move});
            ++selectedLine_;
        }
    } else if (mode_ == EditMode::kModifyMove && hasLine) {
        EventLine& line = lines_[static_cast<std::size_t>(selectedLine_)];
        if (line.type == kLineMove) line.value = move;
    } else {
        return;
    }
    CloseEditor();
    StoreEventList();
}

std::u16string MacroPageModel::KeyFieldText() const { return capturedKey_ == 0 ? u"" : KeyText(capturedKey_); }

void MacroPageModel::SetMoveText(bool y, std::u16string_view text) { (y ? moveYText_ : moveXText_) = TidyMoveText(text); }

void MacroPageModel::StepMove(bool y, int step) {
    const int value = std::clamp(MoveFieldValue(MoveText(y)) + step, -kMaxMove, kMaxMove);
    SetMoveText(y, Ascii(std::to_string(value)));
}

// ---- recording and key capture

std::u16string MacroPageModel::RecordButtonText() const {
    if (recording_) return Chinese() ? u"停止录制" : u"Stop Record";
    return Chinese() ? u"开始录制" : u"Start Record";
}

void MacroPageModel::Refuse(std::u16string_view english, std::u16string_view chinese) {
    messages_.ShowInfoBox(Chinese() ? chinese : english, false);
}

void MacroPageModel::ToggleRecording() {
    if (recording_) {
        StopRecording();
        return;
    }
    if (mode_ == EditMode::kInsertKey || mode_ == EditMode::kModifyKey) {
        Refuse(u"It is Modifying or inserting a button,you can not record", u"正在修改/插入一个键，无法录制");
        return;
    }
    if (mode_ == EditMode::kInsertDelay || mode_ == EditMode::kModifyDelay) {
        Refuse(u"It is Modifying or inserting a delay,you can not record", u"正在修改/插入一个延时，无法录制");
        return;
    }
    CaptureKeys(false);
    mode_ = EditMode::kIdle;
    capturedKey_ = 0;
    delayText_.clear();
    moveXText_ = u"0";
    moveYText_ = u"0";
    if (SelectedMacroId()) StartRecording();
}

void MacroPageModel::StartRecording() {
    recording_ = true;
    lines_.clear();
    selectedLine_ = -1;
    recordCounter_ = 0;
    lastEventTime_.reset();
    lastRecordedKey_.reset();
    CaptureKeys(true);
}

void MacroPageModel::StopRecording() {
    recording_ = false;
    CaptureKeys(false);
    StoreEventList();
}

bool MacroPageModel::AcceptsPadInput() const {
    return recording_ || mode_ == EditMode::kInsertKey || mode_ == EditMode::kModifyKey;
}

void MacroPageModel::OnHookInput(uint32_t virtualKey, uint32_t flags) {
    // Only keys: mouse forwarding stays off, and button codes are far above the key range.
    if (virtualKey == 0 || virtualKey > 0xFF) return;
    const bool released = (flags & kReleasedFlag) != 0;
    if (recording_) {
        Record(virtualKey, released);
    } else if (mode_ == EditMode::kInsertKey || mode_ == EditMode::kModifyKey) {
        capturedKey_ = virtualKey;
    }
}

void MacroPageModel::Record(uint32_t virtualKey, bool released) {
    // A held key repeats its press: only the first one counts.
    const std::pair<uint32_t, bool> key{virtualKey, released};
    if (lastRecordedKey_ == key) return;
    lastRecordedKey_ = key;
    if (recordCounter_ >= kRecordCounterLimit) return;
    if (!skipDelays_) {
        const uint32_t now = clock_.TickCount();
        if (lastEventTime_) lines_.push_back({kLineDelay, std::min(now - *lastEventTime_, kMaxDelayMs)});
        lastEventTime_ = now;
    }
    lines_.push_back({released ? kLineKeyUp : kLineKeyDown, virtualKey});
    recordCounter_ += 2;
}

// ---- repeat

void MacroPageModel::SetRepeatChoice(RepeatChoice choice) {
    repeat_ = choice;
    StoreEventList();
}

void MacroPageModel::SetCountText(std::u16string_view text) {
    countText_ = text;
    StoreEventList();
}

bool MacroPageModel::TidyCountField() {
    const std::u16string tidy = TidyCountText(countText_);
    if (tidy == countText_) return false;
    countText_ = tidy;
    return true;
}

void MacroPageModel::EndEditing() {
    if (recording_) StopRecording();
    CloseEditor();
}

}  // namespace oryn7px::macro_page
