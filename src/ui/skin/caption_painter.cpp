#include "ui/skin/caption_painter.h"

#include <QFontMetrics>
#include <QStringList>
#include <array>

#include "core/i18n/languages.h"

namespace oryn7px {

namespace {

const QColor kText{0xBD, 0xBD, 0xC8};
const QColor kTextDim{0x7D, 0x87, 0x94};
const QColor kAccentLight{64, 196, 221};
const QColor kDisabledText{0x4A, 0x50, 0x58};
const QColor kNote{0xE8, 0xA8, 0x50};

struct CaptionLook {
    int maxPixels;     // Latin, Cyrillic...
    int maxCjkPixels;  // Chinese and Korean read at the same height a little larger
    int minPixels;
    int weight;
    bool spaced;  // letter spacing for upper-case captions; never for CJK text
    std::array<QColor, 4> inks;  // by CaptionState
};

const CaptionLook& LookOf(CaptionStyle style) {
    static const std::array<CaptionLook, 17> kLooks{{
        {13, 15, 9, 700, true, {kText, kAccentLight.lighter(130), Qt::white, kDisabledText}},           // PageTab
        {11, 12, 8, 700, true, {kText, kAccentLight.lighter(130), Qt::white, kDisabledText}},           // ProfileButton
        {15, 16, 10, 800, true, {kAccentLight, Qt::white, Qt::white, kDisabledText}},                   // ApplyButton
        {8, 10, 7, 700, false, {kText, kAccentLight, Qt::white, kDisabledText}},                        // LanguageButton
        {13, 15, 9, 700, false, {kAccentLight, kAccentLight, kAccentLight, kAccentLight}},              // SectionHeading
        {14, 15, 9, 700, false, {kText, kText, kText, kText}},                                          // PanelHeading
        {10, 13, 8, 700, true, {kText, Qt::white, Qt::white, kDisabledText}},                           // ButtonTab
        {12, 13, 9, 400, false, {kText, Qt::white, Qt::white, kDisabledText}},                          // Choice
        {12, 13, 9, 400, false, {kText, kText, kText, kDisabledText}},                                  // Label
        {11, 12, 8, 400, false, {kTextDim, kTextDim, kTextDim, kDisabledText}},                         // DimLabel
        {12, 13, 8, 600, false, {kText, Qt::white, Qt::white, kDisabledText}},                          // PushButton
        {14, 14, 9, 400, false, {kText, Qt::white, Qt::white, kDisabledText}},                          // BoxButton
        {14, 15, 9, 400, false, {kText, kText, kText, kText}},                                          // BoxText
        {14, 15, 9, 400, false, {kAccentLight, kAccentLight, kAccentLight, kDisabledText}},             // AccentLabel
        {18, 18, 10, 800, true, {kText, kText, kText, kTextDim}},                                       // TrophyPlate
        {12, 13, 8, 400, false, {kTextDim, kTextDim, kTextDim, kTextDim}},                              // Hint
        {9, 10, 7, 400, false, {kNote, kNote, kNote, kNote}},                                           // Note
    }};
    return kLooks[static_cast<std::size_t>(style)];
}

QStringList& CaptionFamilies() {
    static QStringList families{QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")};
    return families;
}

// Hangul, CJK ideographs and punctuation, full-width forms.
bool HasCjk(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x1100 && u <= 0x11FF) || (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xAC00 && u <= 0xD7AF) ||
            (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

int MaxPixels(const CaptionLook& look, const QString& text) {
    return HasCjk(text) ? look.maxCjkPixels : look.maxPixels;
}

Qt::Alignment ToQtAlignment(CaptionAlign align) {
    switch (align) {
        case CaptionAlign::Left: return Qt::AlignLeft | Qt::AlignVCenter;
        case CaptionAlign::Centre: return Qt::AlignCenter;
        case CaptionAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

void UseCaptionFontsFor(int languageNumber) {
    const Language* language = FindLanguage(languageNumber);
    const std::string_view file = language ? language->fileName : std::string_view();
    QStringList& families = CaptionFamilies();
    if (file == "sc.xml") families = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")};
    else if (file == "tw.xml") families = {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Noto Sans CJK SC")};
    else if (file == "kor.xml") families = {QStringLiteral("Noto Sans CJK KR"), QStringLiteral("Noto Sans CJK SC")};
    else families = {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")};
}

QFont CaptionFont(CaptionStyle style, const QString& text, int pixelSize) {
    const CaptionLook& look = LookOf(style);
    QFont font;
    font.setFamilies(CaptionFamilies());
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(look.weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    if (look.spaced && !HasCjk(text)) font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    return font;
}

std::optional<int> FittingCaptionSize(const QString& text, const QSize& box, CaptionStyle style) {
    const CaptionLook& look = LookOf(style);
    for (int size = std::min(MaxPixels(look, text), box.height()); size >= look.minPixels; --size) {
        if (QFontMetrics(CaptionFont(style, text, size)).horizontalAdvance(text) <= box.width()) return size;
    }
    return std::nullopt;
}

QString CaptionText(const StringTable& strings, const CaptionPlace& place) {
    const QString text = QString::fromStdU16String(strings.Caption(place.id));
    return place.number > 0 ? text.arg(place.number) : text;
}

void PaintCaption(QPainter& painter, const QRect& box, const QString& text, CaptionStyle style, CaptionAlign align,
                  CaptionState state) {
    if (text.isEmpty()) return;
    const CaptionLook& look = LookOf(style);
    const int size = FittingCaptionSize(text, box.size(), style).value_or(look.minPixels);
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(CaptionFont(style, text, size));
    painter.setPen(look.inks[static_cast<std::size_t>(state)]);
    painter.drawText(box, ToQtAlignment(align) | Qt::TextSingleLine, text);
    painter.restore();
}

}  // namespace oryn7px
