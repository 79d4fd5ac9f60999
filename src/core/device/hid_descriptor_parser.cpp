#include "core/device/hid_descriptor_parser.h"

#include <algorithm>

namespace oryn7px {

namespace {

// Item types of the short item prefix (bits 2..3).
constexpr uint8_t kMain = 0;
constexpr uint8_t kGlobal = 1;
constexpr uint8_t kLocal = 2;
constexpr uint8_t kLongItemPrefix = 0xFE;

// Deep enough for every real descriptor, small enough that hostile input cannot grow memory.
constexpr size_t kMaxPushDepth = 16;

struct Globals {
    uint32_t usagePage = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint32_t reportId = 0;
};

// A usage or usage range; a usage of four bytes carries its own page.
struct UsageEntry {
    std::optional<uint16_t> page;
    uint16_t min = 0;
    uint16_t max = 0;
};

struct Locals {
    std::vector<UsageEntry> usages;
    std::optional<uint32_t> usageMin;
    std::optional<uint32_t> usageMax;
};

UsageEntry MakeUsageEntry(uint32_t value, size_t size, uint32_t max) {
    UsageEntry entry;
    if (size == 4) entry.page = static_cast<uint16_t>(value >> 16);
    entry.min = static_cast<uint16_t>(value);
    entry.max = static_cast<uint16_t>(max);
    return entry;
}

class Parser {
public:
    HidDescriptorParseResult Run(const uint8_t* data, size_t length) {
        size_t pos = 0;
        while (pos < length && result_.Ok()) {
            const uint8_t prefix = data[pos];
            if (prefix == kLongItemPrefix) {
                // Long items carry no information the discovery needs: skip them whole.
                const size_t itemLength = length - pos < 3 ? 3 : 3 + static_cast<size_t>(data[pos + 1]);
                if (length - pos < itemLength) {
                    Fail("long item runs past the end");
                    break;
                }
                pos += itemLength;
                continue;
            }
            const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
            if (length - pos - 1 < size) {
                Fail("item runs past the end");
                break;
            }
            uint32_t value = 0;
            for (size_t i = 0; i < size; ++i) value |= static_cast<uint32_t>(data[pos + 1 + i]) << (8 * i);
            Item(static_cast<uint8_t>((prefix >> 2) & 3), static_cast<uint8_t>(prefix >> 4), value, size);
            pos += 1 + size;
        }
        if (collectionDepth_ != 0) Fail("collection not closed");
        // A malformed descriptor offers nothing: half a parse could point at the wrong report.
        if (!result_.Ok()) result_.featureValueCaps.clear();
        return std::move(result_);
    }

private:
    void Fail(std::string message) {
        if (result_.Ok()) result_.error = std::move(message);
    }

    void Item(uint8_t type, uint8_t tag, uint32_t value, size_t size) {
        switch (type) {
            case kMain: Main(tag, value); break;
            case kGlobal: Global(tag, value); break;
            case kLocal: Local(tag, value, size); break;
            default: Fail("reserved item type"); break;
        }
    }

    void Global(uint8_t tag, uint32_t value) {
        switch (tag) {
            case 0x0: globals_.usagePage = value; break;
            case 0x7: globals_.reportSize = value; break;
            case 0x8:
                if (value == 0 || value > 0xFF) {
                    Fail("report ID out of range");
                    return;
                }
                globals_.reportId = value;
                break;
            case 0x9: globals_.reportCount = value; break;
            case 0xA:
                if (stack_.size() >= kMaxPushDepth) {
                    Fail("push nested too deeply");
                    return;
                }
                stack_.push_back(globals_);
                break;
            case 0xB:
                if (stack_.empty()) {
                    Fail("pop without push");
                    return;
                }
                globals_ = stack_.back();
                stack_.pop_back();
                break;
            default: break;  // logical and physical extents, units: not needed here
        }
    }

    void Local(uint8_t tag, uint32_t value, size_t size) {
        switch (tag) {
            case 0x0: locals_.usages.push_back(MakeUsageEntry(value, size, value)); break;
            case 0x1: locals_.usageMin = value; usageMinSize_ = size; AddRangeWhenComplete(); break;
            case 0x2: locals_.usageMax = value; AddRangeWhenComplete(); break;
            default: break;  // designators, strings, delimiters
        }
    }

    void AddRangeWhenComplete() {
        if (!locals_.usageMin || !locals_.usageMax) return;
        if (static_cast<uint16_t>(*locals_.usageMin) > static_cast<uint16_t>(*locals_.usageMax)) {
            Fail("usage minimum above usage maximum");
            return;
        }
        locals_.usages.push_back(MakeUsageEntry(*locals_.usageMin, usageMinSize_, *locals_.usageMax));
        locals_.usageMin.reset();
        locals_.usageMax.reset();
    }

    void Main(uint8_t tag, uint32_t value) {
        switch (tag) {
            case 0x8:  // input
            case 0x9:  // output
                CheckField();
                break;
            case 0xB:  // feature
                if (CheckField()) AddFeatureValues(value);
                break;
            case 0xA: ++collectionDepth_; break;
            case 0xC:
                if (collectionDepth_ == 0) {
                    Fail("end collection without collection");
                    return;
                }
                --collectionDepth_;
                break;
            default: Fail("reserved main item"); return;
        }
        locals_ = Locals{};
    }

    bool CheckField() {
        if (locals_.usageMin || locals_.usageMax) {
            Fail("usage range without both ends");
            return false;
        }
        if (globals_.reportSize > 0xFFFF || globals_.reportCount > 0xFFFF) {
            Fail("report size or count out of range");
            return false;
        }
        return true;
    }

    void AddFeatureValues(uint32_t flags) {
        const bool constant = flags & 0x01;
        const bool variable = flags & 0x02;
        if (constant || !variable || globals_.reportSize <= 1 || globals_.reportCount == 0) return;
        std::vector<UsageEntry> usages = locals_.usages;
        if (usages.empty()) usages.push_back(UsageEntry{});
        uint32_t remaining = globals_.reportCount;
        for (size_t i = 0; i < usages.size() && remaining > 0; ++i) {
            const UsageEntry& usage = usages[i];
            const uint32_t span = static_cast<uint32_t>(usage.max - usage.min) + 1;
            // The last usage takes every value left over; earlier ones take one value per usage.
            const uint32_t count = i + 1 == usages.size() ? remaining : std::min(span, remaining);
            HidValueCaps caps;
            caps.usagePage = usage.page.value_or(static_cast<uint16_t>(globals_.usagePage));
            caps.usageMin = usage.min;
            caps.usageMax = usage.max;
            caps.reportId = static_cast<uint8_t>(globals_.reportId);
            caps.reportSize = static_cast<uint16_t>(globals_.reportSize);
            caps.reportCount = static_cast<uint16_t>(count);
            result_.featureValueCaps.push_back(caps);
            remaining -= count;
        }
    }

    HidDescriptorParseResult result_;
    Globals globals_;
    std::vector<Globals> stack_;
    Locals locals_;
    size_t usageMinSize_ = 0;
    int collectionDepth_ = 0;
};

}  // namespace

HidDescriptorParseResult ParseHidReportDescriptor(const uint8_t* data, size_t length) {
    if (data == nullptr) length = 0;
    return Parser().Run(data, length);
}

}  // namespace oryn7px
