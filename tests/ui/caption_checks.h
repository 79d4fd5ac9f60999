#pragma once
// Checks of a page's captions as a person reads them: in which language they are drawn, and that
// nothing covers them.
#include <QStringList>
#include <QWidget>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/i18n/languages.h"
#include "core/i18n/string_table.h"
#include "core/layout/caption_place.h"
#include "ui/skin/caption_board.h"
#include "ui/skin/caption_painter.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px::test {

inline int LanguageNumberOf(std::string_view fileName) {
    for (int number = 1; number <= kLanguageCount; ++number)
        if (FindLanguage(number)->fileName == fileName) return number;
    return 0;
}

// The texts of `places` in the loaded language.
inline QStringList CaptionTexts(std::span<const CaptionPlace> places, const StringTable& strings) {
    QStringList texts;
    for (const CaptionPlace& place : places) texts << CaptionText(strings, place);
    return texts;
}

// A caption must lie wholly inside the control that draws it, or clear of every control of the
// page, which would otherwise cover it. Names the captions that do neither.
inline std::vector<std::string> CoveredCaptions(const QWidget& page, std::span<const CaptionPlace> places,
                                                const StringTable& strings) {
    std::vector<std::string> covered;
    for (const CaptionPlace& place : places) {
        const QRect box = ToQRect(place.box);
        for (const QWidget* control : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!control->geometry().intersects(box)) continue;
            const auto* holder = dynamic_cast<const CaptionHolder*>(control);
            if (!holder || !control->geometry().contains(box) || holder->Caption().text != CaptionText(strings, place))
                covered.emplace_back(CaptionKeyOf(place.id).name);
        }
    }
    return covered;
}

}  // namespace oryn7px::test
