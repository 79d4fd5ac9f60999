#pragma once
// Helpers shared by the GUI tests: a parent that records the messages it receives, and
// solid-colour full-window pictures whose colour tells which state a control shows.
#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "ui/skin/message_event.h"

namespace oryn7px::test {

class RecordingWidget : public QWidget {
public:
    explicit RecordingWidget(QWidget* parent = nullptr) : QWidget(parent) { resize(957, 636); }
    std::vector<Message> messages;

    std::vector<Message> Received(uint32_t number) const {
        std::vector<Message> found;
        for (const Message& m : messages)
            if (m.msg == number) found.push_back(m);
        return found;
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == MessageEvent::Type()) {
            messages.push_back(static_cast<MessageEvent*>(e)->message());
            return true;
        }
        return QWidget::event(e);
    }
};

inline QImage Solid(QColor colour, QSize size = {957, 636}) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

inline void Flush() { QCoreApplication::processEvents(); }

inline QColor PixelOf(QWidget& widget, QPoint at) { return widget.grab().toImage().pixelColor(at); }

// The grey of the brightest pixel in `box`: text is drawn brighter than kNoInkGrey, the panels
// and their shading darker.
inline constexpr int kNoInkGrey = 0x60;
inline int BrightestGrey(const QImage& image, const QRect& box) {
    int brightest = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) brightest = std::max(brightest, qGray(image.pixel(x, y)));
    return brightest;
}

}  // namespace oryn7px::test
