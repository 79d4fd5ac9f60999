#include "core/i18n/hint_ids.h"

#include "core/i18n/language_keys.h"

namespace oryn7px {

namespace {

constexpr int kFirstButtonHint = 19;
constexpr int kLastButtonHint = 25;

}  // namespace

HintTarget HintForId(int hintId) {
    if (hintId == kHintClear) return {HintTarget::Kind::Clear, {}, 0};
    if (hintId >= kFirstButtonHint && hintId <= kLastButtonHint) {
        return {HintTarget::Kind::ButtonName, {}, hintId - kFirstButtonHint};
    }
    if (hintId <= 0) return {};
    for (const LanguageKey& key : LanguageKeys()) {
        if (key.hintId == hintId) return {HintTarget::Kind::LanguageKey, key.name, 0};
    }
    return {};
}

}  // namespace oryn7px
