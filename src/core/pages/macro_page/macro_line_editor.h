#pragma once
// The event list's line editors (key, delay, mouse move): which one is open, what it holds, and
// how its confirm changes the list. Storing the list afterwards is the page's business.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/pages/macro_page/macro_key_capture.h"
#include "core/pages/macro_page/macro_lines.h"

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

class MacroLineEditor {
public:
    explicit MacroLineEditor(KeyCapture& capture) : capture_(capture) {}

    EditMode Mode() const { return mode_; }
    // Inserting shows all three editors, modifying only the line's own.
    bool Shown(Editor editor) const;
    bool Active(Editor editor) const;
    // A key insert or modify: keys from the hooks and the pads become the captured key.
    bool CapturesKey() const { return mode_ == EditMode::kInsertKey || mode_ == EditMode::kModifyKey; }
    bool EditsDelay() const { return mode_ == EditMode::kInsertDelay || mode_ == EditMode::kModifyDelay; }

    void StartInsert();
    // The editor of the line's kind opens on the line's own value, so confirming unchanged keeps it.
    void StartModify(const EventLine& line);
    // Switches between the three editors while inserting.
    void Choose(Editor editor);
    // Each confirm changes `events` and closes the editor; false, with nothing changed and the
    // editor left open, when the editor is not the open one or has no line to work on.
    bool ConfirmKey(EventList& events);
    bool ConfirmDelay(EventList& events);
    bool ConfirmMove(EventList& events);
    void Close();
    // Closed and emptied, key capture off: a recording is about to start.
    void Reset();

    uint32_t CapturedKey() const { return capturedKey_; }
    void CaptureKey(uint32_t virtualKey) { capturedKey_ = virtualKey; }
    std::u16string KeyFieldText() const;
    const std::u16string& DelayText() const { return delayText_; }
    void SetDelayText(std::u16string_view text) { delayText_ = text; }
    const std::u16string& MoveText(bool y) const { return y ? moveYText_ : moveXText_; }
    // The field after its text rules (which may change what the user typed).
    void SetMoveText(bool y, std::u16string_view text);
    void StepMove(bool y, int step);

private:
    void SetMode(EditMode mode);

    KeyCapture& capture_;
    EditMode mode_ = EditMode::kIdle;
    uint32_t capturedKey_ = 0;
    std::u16string delayText_;
    std::u16string moveXText_ = u"0";
    std::u16string moveYText_ = u"0";
};

}  // namespace oryn7px::macro_page
