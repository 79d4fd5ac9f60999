// Icons (128, 1011, 1012), the language popup (129, icons 130–141) and the flags (142–153).
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "art.h"
#include "core/layout/frame_layout.h"
#include "core/layout/skin_arithmetic.h"
#include "theme.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px::skingen {

namespace {

void Stripes(QPainter& painter, const QRectF& r, std::initializer_list<QColor> colours, bool vertical,
             std::initializer_list<qreal> weights = {}) {
    std::vector<qreal> w(weights);
    if (w.empty()) w.assign(colours.size(), 1.0);
    qreal total = 0;
    for (qreal x : w) total += x;
    qreal at = 0;
    size_t i = 0;
    for (const QColor& c : colours) {
        const qreal share = w[i++] / total;
        const QRectF part = vertical ? QRectF(r.left() + at * r.width(), r.top(), share * r.width() + 0.5, r.height())
                                     : QRectF(r.left(), r.top() + at * r.height(), r.width(), share * r.height() + 0.5);
        painter.fillRect(part, c);
        at += share;
    }
}

void PaintFlag(QPainter& painter, int language, const QRectF& r) {
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal h = r.height();
    switch (language) {
        case 1:
            painter.fillRect(r, QColor(0xDE, 0x29, 0x10));
            PaintStar(painter, r.topLeft() + QPointF(h * 0.3, h * 0.3), h * 0.18, QColor(0xFF, 0xDE, 0x00));
            break;
        case 2: {
            painter.fillRect(r, QColor(0x01, 0x21, 0x69));
            painter.setPen(QPen(Qt::white, h * 0.2));
            painter.drawLine(r.topLeft(), r.bottomRight());
            painter.drawLine(r.bottomLeft(), r.topRight());
            painter.setPen(QPen(QColor(0xC8, 0x10, 0x2E), h * 0.08));
            painter.drawLine(r.topLeft(), r.bottomRight());
            painter.drawLine(r.bottomLeft(), r.topRight());
            painter.setPen(QPen(Qt::white, h * 0.3));
            painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
            painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
            painter.setPen(QPen(QColor(0xC8, 0x10, 0x2E), h * 0.18));
            painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
            painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
            break;
        }
        case 3: Stripes(painter, r, {QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39)}, true); break;
        case 4:
            painter.fillRect(r, Qt::white);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xCD, 0x2E, 0x3A));
            painter.drawPie(QRectF(r.center() - QPointF(h * 0.25, h * 0.25), QSizeF(h * 0.5, h * 0.5)), 0, 180 * 16);
            painter.setBrush(QColor(0x00, 0x47, 0xA0));
            painter.drawPie(QRectF(r.center() - QPointF(h * 0.25, h * 0.25), QSizeF(h * 0.5, h * 0.5)), 0, -180 * 16);
            break;
        case 5: Stripes(painter, r, {Qt::black, QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00)}, false); break;
        case 6: Stripes(painter, r, {QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xCE, 0x2B, 0x37)}, true); break;
        case 7: Stripes(painter, r, {QColor(0xAA, 0x15, 0x1B), QColor(0xF1, 0xBF, 0x00), QColor(0xAA, 0x15, 0x1B)}, false, {1, 2, 1}); break;
        case 8: Stripes(painter, r, {QColor(0xAE, 0x1C, 0x28), Qt::white, QColor(0x21, 0x46, 0x8B)}, false); break;
        case 9:
            Stripes(painter, r, {QColor(0x04, 0x6A, 0x38), QColor(0xDA, 0x29, 0x1C)}, true, {2, 3});
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xFF, 0xE9, 0x00));
            painter.drawEllipse(QPointF(r.left() + r.width() * 0.4, r.center().y()), h * 0.22, h * 0.22);
            break;
        case 10: Stripes(painter, r, {Qt::white, QColor(0x00, 0x39, 0xA6), QColor(0xD5, 0x2B, 0x1E)}, false); break;
        case 11: Stripes(painter, r, {QColor(0x00, 0x57, 0xB7), QColor(0xFF, 0xD7, 0x00)}, false); break;
        default: {
            // Traditional Chinese is a script, not a country: a badge with its character.
            painter.fillRect(r, QColor(0x0B, 0x6F, 0x9E));
            QFont font = ArtFont(static_cast<int>(h * 0.8), 700, true);
            font.setFamilies({QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Noto Sans CJK SC")});
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(r, Qt::AlignCenter, QStringLiteral("繁"));
            break;
        }
    }
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

QImage LanguagePopupBackground(int scale) {
    QImage image = NewImage(scale, kMenuWidth, MenuHeight(language_menu::kLanguageCount));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, DrawingArea(image).height());
    fill.setColorAt(0, QColor(0xF2, 0xF5, 0xF8));
    fill.setColorAt(1, QColor(0xDC, 0xE3, 0xEA));
    painter.setBrush(fill);
    painter.setPen(QPen(theme::kAccent, 1.5));
    painter.drawRoundedRect(QRectF(DrawingArea(image)).adjusted(0.75, 0.75, -0.75, -0.75), 5, 5);
    return image;
}

QImage AppIcon(int scale, int size) {
    QImage image = NewImage(scale, size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    QRadialGradient glow(32, 32, 32);
    glow.setColorAt(0, QColor(0x1C, 0x2A, 0x36));
    glow.setColorAt(1, QColor(0x0A, 0x0D, 0x11));
    painter.setBrush(glow);
    painter.setPen(QPen(theme::kAccent, 2));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
    QPainterPath mouse;
    mouse.addRoundedRect(QRectF(20, 12, 24, 40), 12, 12);
    painter.setPen(QPen(theme::kAccentLight, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mouse);
    painter.drawLine(QPointF(32, 13), QPointF(32, 26));
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kAccentLight);
    painter.drawRoundedRect(QRectF(30, 17, 4, 6), 2, 2);
    return image;
}

QImage PowerIcon(int scale) {
    QImage image = NewImage(scale, 16, 16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xD0, 0x3A, 0x3A), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, 300 * 16);
    painter.drawLine(QPointF(8, 1.5), QPointF(8, 8));
    return image;
}

QImage GearIcon(int scale) {
    QImage image = NewImage(scale, 16, 16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kAccent);
    painter.translate(8, 8);
    for (int i = 0; i < 8; ++i) {
        painter.drawRect(QRectF(-1.5, -7.5, 3, 4));
        painter.rotate(45);
    }
    painter.drawEllipse(QPointF(0, 0), 5, 5);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(0, 0), 2, 2);
    return image;
}

}  // namespace

QImage FlagPicture(int scale, int language, QSize size) {
    QImage image = NewImage(scale, size.width(), size.height());
    QPainter painter(&image);
    PaintFlag(painter, language, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void DrawIcons(const QString& root, int scale) {
    Save(root, ResourceRelativePath(resources::kAppIcon), AppIcon(scale, 64));
    Save(root, ResourceRelativePath(resources::kTrayExitIcon), PowerIcon(scale));
    Save(root, ResourceRelativePath(resources::kTrayConfigIcon), GearIcon(scale));
    Save(root, ResourceRelativePath(language_menu::kBackgroundResource), LanguagePopupBackground(scale));
    for (int language = 1; language <= language_menu::kLanguageCount; ++language) {
        Save(root, ResourceRelativePath(language_menu::kFirstIconResource + language - 1),
             FlagPicture(scale, language, {20, 14}));
        const LayoutRect flag = main_window::kFlagPicture;
        Save(root, ResourceRelativePath(language_menu::kFirstFlagResource + language - 1),
             FlagPicture(scale, language, {flag.Width(), flag.Height()}));
    }
}

void DrawDesktopIcons(const QString& root, const QString& name) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        Save(root, QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name), AppIcon(1, size));
    }
}

}  // namespace oryn7px::skingen
