#pragma once
// The layout tables and texts of core, in Qt's types.
#include <QRect>
#include <QString>
#include <string_view>

#include "core/app/layout/layout_types.h"

namespace oryn7px {

inline QRect ToQRect(const LayoutRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

inline QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace oryn7px
