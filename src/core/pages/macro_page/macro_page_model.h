#pragma once
// The macro manager's rules without a screen: the category on show, the macro list, the event
// list of the selected macro with its line editors, the recorder and the repeat choice. Every
// change to the event list is stored in the library at once. The page widget and the command
// line drive the same model.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/clock.h"
#include "core/base/message.h"
#include "core/pages/macro_page/macro_lines.h"
#include "core/platform/user_messages.h"
#include "core/settings/macro_library.h"

namespace oryn7px {
class InputHooks;
}

namespace oryn7px::macro_page {

enum class EditMode {
    kIdle = 0,
    kInsertKey = 1,
    kInsertDelay = 2,
    kModifyKey = 3,
    kModifyDelay = 4,
    kInsertMove = 5,
    kModifyMove = 6,
};

enum class Editor { kKey, kDelay, kMove };

enum class StoreOutcome { kNothingToStore, kStored, kRefused };

// Recording accepts key events while the counter (2 per event) is below this.
inline constexpr uint32_t kRecordCounterLimit = 247;

class MacroPageModel {
public:
    // `self` receives the hook messages while the model captures or records; `hooks` may be null
    // where the desktop's input cannot be seen. `bChinese` is read whenever a text is needed.
    MacroPageModel(MacroLibrary& library, InputHooks* hooks, MessageTarget* self, Clock& clock,
                   UserMessages& messages, const int32_t& bChinese);

    // Categories and the macro list.
    void ShowCategory(uint32_t category);
    uint32_t Category() const { return category_; }
    const std::vector<MacroListItem>& Macros() const { return macros_; }
    int SelectedMacro() const { return selectedMacro_; }
    std::optional<uint32_t> SelectedMacroId() const;
    // Another macro: a recording is stopped and stored first, an open editor closed.
    void SelectMacro(int index);
    // A line "New Macro" with a fresh id; the library gets it with its first stored event.
    void NewMacro();
    std::u16string NewMacroName() const;
    bool DeleteMacro();
    // The macro line's text was edited in place.
    void RenameMacro(int index, std::u16string_view name);
    MacroImportResult ImportMacro(const std::filesystem::path& file);
    bool ExportMacro(const std::filesystem::path& file);

    // The event list.
    const std::vector<EventLine>& Lines() const { return lines_; }
    int SelectedLine() const { return selectedLine_; }
    // Selecting another line closes an open editor.
    void SelectLine(int index);
    // Replaces the whole list (the command line's events) and stores it.
    StoreOutcome SetLines(std::vector<EventLine> lines);
    void DeleteLine();
    StoreOutcome StoreEventList();

    // Line editors.
    EditMode Mode() const { return mode_; }
    bool EditorShown(Editor editor) const;
    bool EditorActive(Editor editor) const;
    void StartInsert();
    void StartModify();
    void ChooseEditor(Editor editor);
    void ConfirmKey();
    void ConfirmDelay();
    void ConfirmMove();
    uint32_t CapturedKey() const { return capturedKey_; }
    std::u16string KeyFieldText() const;
    const std::u16string& DelayText() const { return delayText_; }
    void SetDelayText(std::u16string_view text) { delayText_ = text; }
    const std::u16string& MoveText(bool y) const { return y ? moveYText_ : moveXText_; }
    // The field after its text rules (which may change what the user typed).
    void SetMoveText(bool y, std::u16string_view text);
    void StepMove(bool y, int step);

    // Recording and key capture.
    bool Recording() const { return recording_; }
    uint32_t RecordCounter() const { return recordCounter_; }
    void ToggleRecording();
    bool SkipDelays() const { return skipDelays_; }
    void SetSkipDelays(bool skip) { skipDelays_ = skip; }
    // A key event from the hooks (or a pad): flags bit 7 set on release.
    void OnHookInput(uint32_t virtualKey, uint32_t flags);
    // Pads are accepted only while recording or capturing a key.
    bool AcceptsPadInput() const;
    std::u16string RecordButtonText() const;
    // New, delete, insert, delete-line and modify are off while recording.
    bool EditButtonsEnabled() const { return !recording_; }

    // How often the macro plays.
    RepeatChoice Repeat() const { return repeat_; }
    void SetRepeatChoice(RepeatChoice choice);
    const std::u16string& CountText() const { return countText_; }
    // The user changed the count field: the list is stored.
    void SetCountText(std::u16string_view text);
    // The count field's periodic tidy; true when its text changed (nothing is stored).
    bool TidyCountField();

    // The page leaves the screen or the program closes: stop recording (stored), close editors.
    void EndEditing();

private:
    bool Chinese() const { return bChinese_ == 1; }
    void LoadSelectedMacro();
    void CloseEditor();
    void SetMode(EditMode mode);
    void CaptureKeys(bool on);
    void StartRecording();
    void StopRecording();
    void Record(uint32_t virtualKey, bool released);
    uint32_t FreshMacroId();
    void Refuse(std::u16string_view english, std::u16string_view chinese);
    void AddDelayAt(std::size_t index, uint32_t milliseconds);

    MacroLibrary& library_;
    InputHooks* hooks_;
    MessageTarget* self_;
    Clock& clock_;
    UserMessages& messages_;
    const int32_t& bChinese_;

    uint32_t category_ = 22;
    std::vector<MacroListItem> macros_;
    int selectedMacro_ = -1;
    std::vector<EventLine> lines_;
    int selectedLine_ = -1;

    EditMode mode_ = EditMode::kIdle;
    uint32_t capturedKey_ = 0;
    std::u16string delayText_;
    std::u16string moveXText_ = u"0";
    std::u16string moveYText_ = u"0";

    bool recording_ = false;
    bool skipDelays_ = false;
    uint32_t recordCounter_ = 0;
    std::optional<uint32_t> lastEventTime_;
    std::optional<std::pair<uint32_t, bool>> lastRecordedKey_;

    RepeatChoice repeat_ = RepeatChoice::kPlayCount;
    std::u16string countText_ = u"1";
};

}  // namespace oryn7px::macro_page
