#pragma once
// The macro manager's rules without a screen: the category on show, the macro list, the event
// list of the selected macro and the repeat choice. The line editors and the recorder are classes
// of their own; the model keeps them in step with the list and stores every change to it in the
// library at once. The page widget and the command line drive the same model.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/clock.h"
#include "core/base/message.h"
#include "core/i18n/caption_keys.h"
#include "core/pages/macro_page/macro_key_capture.h"
#include "core/pages/macro_page/macro_line_editor.h"
#include "core/pages/macro_page/macro_lines.h"
#include "core/pages/macro_page/macro_recorder.h"
#include "core/interfaces/user_messages.h"
#include "core/settings/macro_library.h"

namespace oryn7px {
class InputHooks;
}

namespace oryn7px::macro_page {

enum class StoreOutcome { kNothingToStore, kStored, kRefused };

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
    // Refuses (and says why) an empty name or one longer than the library holds.
    bool RenameMacro(int index, std::u16string_view name);
    MacroImportResult ImportMacro(const std::filesystem::path& file);
    bool ExportMacro(const std::filesystem::path& file);

    // The event list.
    const std::vector<EventLine>& Lines() const { return events_.lines; }
    int SelectedLine() const { return events_.selected; }
    // Selecting another line closes an open editor.
    void SelectLine(int index);
    // Replaces the whole list (the command line's events) and stores it.
    StoreOutcome SetLines(std::vector<EventLine> lines);
    void DeleteLine();
    StoreOutcome StoreEventList();

    // Line editors.
    EditMode Mode() const { return editor_.Mode(); }
    bool EditorShown(Editor editor) const { return editor_.Shown(editor); }
    bool EditorActive(Editor editor) const { return editor_.Active(editor); }
    void StartInsert();
    void StartModify();
    void ChooseEditor(Editor editor);
    void ConfirmKey();
    void ConfirmDelay();
    void ConfirmMove();
    uint32_t CapturedKey() const { return editor_.CapturedKey(); }
    std::u16string KeyFieldText() const { return editor_.KeyFieldText(); }
    const std::u16string& DelayText() const { return editor_.DelayText(); }
    void SetDelayText(std::u16string_view text) { editor_.SetDelayText(text); }
    const std::u16string& MoveText(bool y) const { return editor_.MoveText(y); }
    // The field after its text rules (which may change what the user typed).
    void SetMoveText(bool y, std::u16string_view text) { editor_.SetMoveText(y, text); }
    void StepMove(bool y, int step) { editor_.StepMove(y, step); }

    // Recording and key capture.
    bool Recording() const { return recorder_.Recording(); }
    uint32_t RecordCounter() const { return recorder_.Counter(); }
    void ToggleRecording();
    bool SkipDelays() const { return recorder_.SkipDelays(); }
    void SetSkipDelays(bool skip) { recorder_.SetSkipDelays(skip); }
    // A key event from the hooks (or a pad): flags bit 7 set on release.
    void OnHookInput(uint32_t virtualKey, uint32_t flags);
    // Pads are accepted only while recording or capturing a key.
    bool AcceptsPadInput() const;
    // What the record button says a click does.
    CaptionId RecordCaption() const { return Recording() ? CaptionId::StopRecord : CaptionId::StartRecord; }
    // New, delete, insert, delete-line and modify are off while recording.
    bool EditButtonsEnabled() const { return !Recording(); }

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
    void StopRecording();
    uint32_t FreshMacroId();
    void Refuse(std::u16string_view english, std::u16string_view chinese);

    MacroLibrary& library_;
    Clock& clock_;
    UserMessages& messages_;
    const int32_t& bChinese_;

    uint32_t category_ = 22;
    std::vector<MacroListItem> macros_;
    int selectedMacro_ = -1;
    EventList events_;

    KeyCapture keyCapture_;
    MacroLineEditor editor_{keyCapture_};
    MacroRecorder recorder_{keyCapture_, clock_};

    RepeatChoice repeat_ = RepeatChoice::kPlayCount;
    std::u16string countText_ = u"1";
};

}  // namespace oryn7px::macro_page
