#include "core/pages/macro_page/macro_page_model.h"

#include <algorithm>

#include "core/base/utf16.h"
#include "core/device/protocol/macro_encoder.h"
#include "core/pages/macro_page/macro_categories.h"
#include "core/settings/stored_text_limits.h"

namespace oryn7px::macro_page {

namespace {

constexpr uint32_t kReleasedFlag = 0x80;
constexpr uint32_t kLowTickMask = 0xFFFFFF;

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

MacroPageModel::MacroPageModel(MacroLibrary& library, InputHooks* hooks, MessageTarget* self, Clock& clock,
                               UserMessages& messages, const int32_t& bChinese)
    : library_(library), clock_(clock), messages_(messages), bChinese_(bChinese), keyCapture_(hooks, self) {}

// ---- categories and the macro list

void MacroPageModel::ShowCategory(uint32_t category) {
    if (!IsCategory(category)) return;
    if (Recording()) StopRecording();
    editor_.Close();
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
    if (Recording()) StopRecording();
    editor_.Close();
    selectedMacro_ = index;
    LoadSelectedMacro();
}

void MacroPageModel::LoadSelectedMacro() {
    events_ = {};
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
        events_.lines.push_back(*line);
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
    if (Recording()) return;
    editor_.Close();
    macros_.push_back({FreshMacroId(), NewMacroName()});
    selectedMacro_ = static_cast<int>(macros_.size()) - 1;
    LoadSelectedMacro();
}

bool MacroPageModel::DeleteMacro() {
    const auto id = SelectedMacroId();
    if (!id || Recording()) return false;
    // A new macro that never reached the library only leaves the list.
    const bool stored = library_.FindMacro(*id) != nullptr;
    if (stored && !library_.DeleteMacro(*id)) return false;
    if (!stored && library_.IsMacroInUse(*id)) return false;
    editor_.Close();
    macros_.erase(macros_.begin() + selectedMacro_);
    selectedMacro_ = -1;
    events_ = {};
    return true;
}

bool MacroPageModel::RenameMacro(int index, std::u16string_view name) {
    if (index < 0 || index >= static_cast<int>(macros_.size())) return false;
    if (const auto problem = MacroNameProblem(name, Chinese())) {
        messages_.ShowInfoBox(*problem, false);
        return false;
    }
    MacroListItem& item = macros_[static_cast<std::size_t>(index)];
    item.name = std::u16string(name);
    return library_.RenameMacro(item.id, item.name);
}

MacroImportResult MacroPageModel::ImportMacro(const std::filesystem::path& file) {
    if (Recording()) return MacroImportResult::kInvalid;
    const MacroImport imported = library_.ImportMacro(file);
    switch (imported.result) {
        case MacroImportResult::kInvalid: break;  // the library said why
        case MacroImportResult::kReplaced: {
            // Ids stay unique: the macro with this id was replaced where it stands.
            library_.SaveMacroLibrary();
            editor_.Close();
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
            editor_.Close();
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
    if (index < -1 || index >= static_cast<int>(events_.lines.size())) return;
    if (index != events_.selected) editor_.Close();
    events_.selected = index;
}

StoreOutcome MacroPageModel::SetLines(std::vector<EventLine> lines) {
    events_ = {std::move(lines), -1};
    return StoreEventList();
}

void MacroPageModel::DeleteLine() {
    if (Recording() || !events_.HasSelection()) return;
    editor_.Close();
    std::vector<EventLine>& lines = events_.lines;
    lines.erase(lines.begin() + events_.selected);
    events_.selected = std::min(events_.selected, static_cast<int>(lines.size()) - 1);
    // The last line gone leaves the stored macro as it was.
    if (!lines.empty()) StoreEventList();
}

StoreOutcome MacroPageModel::StoreEventList() {
    const auto id = SelectedMacroId();
    std::vector<EventLine>& lines = events_.lines;
    if (lines.empty() || !id) return StoreOutcome::kNothingToStore;
    const int before = static_cast<int>(lines.size());
    MergeAdjacentDelays(lines);
    if (static_cast<int>(lines.size()) != before) events_.selected = std::min(events_.selected, static_cast<int>(lines.size()) - 1);

    if (lines.size() > kMaxMacroEvents) {
        Refuse(u"The macro has more than 1000 lines; the change stays in the list but is not stored.",
               u"宏超过 1000 行；修改只保留在列表中，未保存。");
        return StoreOutcome::kRefused;
    }
    const MacroEntry entry =
        BuildMacroEntry(lines, *id, macros_[static_cast<std::size_t>(selectedMacro_)].name, RepeatValue(repeat_, countText_));
    if (const auto encoded = EncodeMacro(entry); !encoded) {
        Refuse(Ascii(encoded.Failure().message) + u" The change stays in the list but is not stored.",
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

void MacroPageModel::StartInsert() {
    if (Recording() || !SelectedMacroId()) return;
    editor_.StartInsert();
}

void MacroPageModel::StartModify() {
    if (Recording() || !events_.HasSelection()) return;
    editor_.StartModify(events_.Selected());
}

void MacroPageModel::ChooseEditor(Editor editor) { editor_.Choose(editor); }

void MacroPageModel::ConfirmKey() {
    if (editor_.ConfirmKey(events_)) StoreEventList();
}

void MacroPageModel::ConfirmDelay() {
    if (editor_.ConfirmDelay(events_)) StoreEventList();
}

void MacroPageModel::ConfirmMove() {
    if (editor_.ConfirmMove(events_)) StoreEventList();
}

// ---- recording and key capture

void MacroPageModel::Refuse(std::u16string_view english, std::u16string_view chinese) {
    messages_.ShowInfoBox(Chinese() ? chinese : english, false);
}

void MacroPageModel::ToggleRecording() {
    if (Recording()) {
        StopRecording();
        return;
    }
    if (editor_.CapturesKey()) {
        Refuse(u"It is Modifying or inserting a button,you can not record", u"正在修改/插入一个键，无法录制");
        return;
    }
    if (editor_.EditsDelay()) {
        Refuse(u"It is Modifying or inserting a delay,you can not record", u"正在修改/插入一个延时，无法录制");
        return;
    }
    editor_.Reset();
    if (SelectedMacroId()) recorder_.Start(events_);
}

void MacroPageModel::StopRecording() {
    recorder_.Stop();
    StoreEventList();
}

bool MacroPageModel::AcceptsPadInput() const { return Recording() || editor_.CapturesKey(); }

void MacroPageModel::OnHookInput(uint32_t virtualKey, uint32_t flags) {
    // Only keys: mouse forwarding stays off, and button codes are far above the key range.
    if (virtualKey == 0 || virtualKey > 0xFF) return;
    if (Recording()) {
        recorder_.Record(events_, virtualKey, (flags & kReleasedFlag) != 0);
    } else if (editor_.CapturesKey()) {
        editor_.CaptureKey(virtualKey);
    }
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
    if (Recording()) StopRecording();
    editor_.Close();
}

}  // namespace oryn7px::macro_page
