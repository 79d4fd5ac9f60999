#include "core/device/protocol/macro_encoder.h"

#include <algorithm>

namespace oryn7px {

namespace {

struct UsagePair {
    uint8_t usage;
    uint8_t virtualKey;
};

// Searched by virtual key in this order, so Enter (0x0D) gives 0x28 before keypad Enter.
constexpr auto kUsageTable = [] {
    std::array<UsagePair, 113> table{};
    std::size_t n = 0;
    auto add = [&](uint8_t usage, uint8_t vk) { table[n++] = {usage, vk}; };
    for (uint8_t u = 0x00; u <= 0x03; ++u) add(u, 0x00);
    for (uint8_t u = 0x04; u <= 0x1D; ++u) add(u, static_cast<uint8_t>(0x41 + u - 0x04));
    for (uint8_t u = 0x1E; u <= 0x26; ++u) add(u, static_cast<uint8_t>(0x31 + u - 0x1E));
    add(0x27, 0x30);
    constexpr uint8_t punctuation[] = {0x0D, 0x1B, 0x08, 0x09, 0x20, 0xBD, 0xBB, 0xDB, 0xDD,
                                       0xDC, 0x00, 0xBA, 0xDE, 0xC0, 0xBC, 0xBE, 0xBF, 0x14};
    for (uint8_t i = 0; i < sizeof punctuation; ++i) add(static_cast<uint8_t>(0x28 + i), punctuation[i]);
    for (uint8_t u = 0x3A; u <= 0x45; ++u) add(u, static_cast<uint8_t>(0x70 + u - 0x3A));
    constexpr uint8_t navigation[] = {0x2C, 0x91, 0x13, 0x2D, 0x24, 0x21, 0x2E,
                                      0x23, 0x22, 0x27, 0x25, 0x28, 0x26, 0x90};
    for (uint8_t i = 0; i < sizeof navigation; ++i) add(static_cast<uint8_t>(0x46 + i), navigation[i]);
    constexpr uint8_t keypad[] = {0x6F, 0x6A, 0x6D, 0x6B, 0x0D};
    for (uint8_t i = 0; i < sizeof keypad; ++i) add(static_cast<uint8_t>(0x54 + i), keypad[i]);
    for (uint8_t u = 0x59; u <= 0x61; ++u) add(u, static_cast<uint8_t>(0x61 + u - 0x59));
    add(0x62, 0x60);
    add(0x63, 0x6E);
    add(0x64, 0x00);
    add(0x65, 0x5D);
    constexpr uint8_t modifiers[] = {0xA2, 0xA0, 0xA4, 0x5B, 0xA3, 0xA1, 0xA5, 0x5C};
    for (uint8_t i = 0; i < sizeof modifiers; ++i) add(static_cast<uint8_t>(0xE0 + i), modifiers[i]);
    add(0xF0, 0x01);
    add(0xF1, 0x02);
    add(0xF2, 0x04);
    return table;
}();

struct LongDelay {
    uint8_t unitCode;
    uint16_t count;
};

// The long delay form: the finest unit whose 16-bit count can hold the delay.
std::optional<LongDelay> LongDelayFor(uint32_t ms) {
    if (ms <= 1310700) return LongDelay{1, static_cast<uint16_t>(std::max<uint32_t>(ms, 20) / 20)};
    if (ms <= 3276750) return LongDelay{2, static_cast<uint16_t>(ms / 50)};
    if (ms <= 6553500) return LongDelay{3, static_cast<uint16_t>(ms / 100)};
    return std::nullopt;
}

class ImageWriter {
public:
    explicit ImageWriter(EncodedMacro& out) : out_(out) {}

    bool Fits(std::size_t units) const { return unit_ + units <= kMacroImageUnits; }

    void Record(std::initializer_list<uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), out_.image.bytes.begin() + static_cast<std::ptrdiff_t>(unit_ * 2));
        unit_ += bytes.size() / 2;
        out_.usedLength += static_cast<uint32_t>(bytes.size());
    }
    void SkipUnit() { ++unit_; }

    // The first byte of the key record just written, when the last record was one.
    uint8_t* PreviousKeyByte() { return previousWasKey_ ? &out_.image.bytes[(unit_ - 1) * 2] : nullptr; }
    void SetPreviousWasKey(bool value) { previousWasKey_ = value; }

private:
    EncodedMacro& out_;
    std::size_t unit_ = 1;
    bool previousWasKey_ = false;
};

uint8_t High(uint32_t v) { return static_cast<uint8_t>(v >> 8); }
uint8_t Low(uint32_t v) { return static_cast<uint8_t>(v); }

}  // namespace

uint8_t MacroUsageOfVirtualKey(uint32_t virtualKey) {
    for (const UsagePair& pair : kUsageTable) {
        if (pair.virtualKey == virtualKey) return pair.usage;
    }
    return 0;
}

namespace {

enum class Step { Key, Move, FirstDelay, ShortDelay, LongDelay, Skip };

Step Classify(uint32_t kind, uint32_t value, uint32_t index, bool afterMove, const uint8_t* previousKey) {
    if (kind == kEventKeyDown || kind == kEventKeyUp) return Step::Key;
    if (kind == kEventMove) return Step::Move;
    if (kind != kEventDelay) return Step::Skip;
    if (index == 0) return Step::FirstDelay;
    // The short form adds to the key record before it; it never spills into the up/down bit.
    const bool shortFits = !afterMove && value <= 1269 && previousKey &&
                           (*previousKey & 0x7F) + std::max<uint32_t>(value, 10) / 10 <= 0x7F;
    if (shortFits) return Step::ShortDelay;
    return LongDelayFor(value) ? Step::LongDelay : Step::Skip;
}

std::size_t UnitsOf(Step step) {
    switch (step) {
        case Step::Key: return 1;
        case Step::Move: return 4;
        case Step::FirstDelay: case Step::LongDelay: return 2;
        case Step::ShortDelay: return 0;
        case Step::Skip: return 1;
    }
    return 1;
}

}  // namespace

Result<EncodedMacro> EncodeMacro(const MacroEntry& macro) {
    EncodedMacro out;
    const uint32_t repeat = macro.dwRepeat & 0xFFFF;
    out.image.bytes[0] = High(repeat);
    out.image.bytes[1] = Low(repeat);
    out.usedLength = 2;

    ImageWriter writer(out);
    bool afterMove = false;
    const uint32_t count = std::min<uint32_t>(macro.dwEventCount, kMaxMacroEvents);
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t kind = EventKind(macro.dwEvents[i]);
        const uint32_t value = EventValue(macro.dwEvents[i]);
        uint8_t* previousKey = writer.PreviousKeyByte();
        const Step step = Classify(kind, value, i, afterMove, previousKey);
        if (!writer.Fits(UnitsOf(step))) {
            return Error{ErrorKind::kTooLarge, "The macro is too long for the mouse: its events need more than " +
                                                   std::to_string(kMacroImageUnits - 1) + " units of macro memory."};
        }
        switch (step) {
            case Step::Key:
                writer.Record({static_cast<uint8_t>(kind == kEventKeyDown ? 0x01 : 0x81), MacroUsageOfVirtualKey(value)});
                break;
            case Step::Move: {
                const uint32_t x = value & 0x7FF;
                const uint32_t y = (value >> 12) & 0x7FF;
                const uint8_t xCode = (value & 0x800) ? 0x06 : 0x05;
                const uint8_t yCode = (value & 0x800000) ? 0x08 : 0x07;
                writer.Record({0x00, xCode, High(x), Low(x), 0x00, yCode, High(y), Low(y)});
                break;
            }
            case Step::FirstDelay: {
                const uint32_t hundreds = std::min<uint32_t>(value, 6553500) / 100;
                writer.Record({0x00, 0x03, High(hundreds), Low(hundreds)});
                break;
            }
            case Step::ShortDelay:
                *previousKey = static_cast<uint8_t>(*previousKey + std::max<uint32_t>(value, 10) / 10);
                break;
            case Step::LongDelay: {
                const LongDelay delay = *LongDelayFor(value);
                writer.Record({0x00, delay.unitCode, High(delay.count), Low(delay.count)});
                break;
            }
            case Step::Skip:
                writer.SkipUnit();
                break;
        }
        writer.SetPreviousWasKey(step == Step::Key || step == Step::ShortDelay);
        afterMove = step == Step::Move;
    }
    // Rounded up to whole output reports, always with room for one more.
    constexpr uint32_t kReport = kOutputReportData;
    out.image.paddedLength =
        out.usedLength + kReport > kMacroImageSize ? kMacroImageSize : (out.usedLength / kReport + 1) * kReport;
    return out;
}

Result<DeviceCommand> EncodeMacroUpload(uint32_t slot, const MacroImage& image) {
    if (slot > kMaxMacroSlot) {
        return Error{ErrorKind::kInvalidData, "The mouse has no macro slot " + std::to_string(slot) + "."};
    }
    DeviceCommand upload = CommandWith(CommandId::kMacroUpload, {image.bytes.begin(), image.bytes.end()});
    upload.feature[kMacroSlotByte] = static_cast<uint8_t>(slot);
    return upload;
}

}  // namespace oryn7px
