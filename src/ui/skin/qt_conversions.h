#pragma once
// The layout tables and texts of core, in Qt's types.
#include <QColor>
#include <QRect>
#include <QString>
#include <string_view>

#include "core/layout/layout_types.h"
#include "core/base/rgb_color.h"

namespace oryn7px {

inline QRect ToQRect(const LayoutRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
inline LayoutRect ToLayoutRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline QColor ToQColor(const RgbColor& c) { return QColor(c.red, c.green, c.blue); }

inline RgbColor RgbColorOf(QRgb pixel) {
    return {static_cast<uint8_t>(qRed(pixel)), static_cast<uint8_t>(qGreen(pixel)), static_cast<uint8_t>(qBlue(pixel))};
}

inline QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace oryn7px
