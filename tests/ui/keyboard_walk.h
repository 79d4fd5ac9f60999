#pragma once
// Walking a window with the keyboard as the user does: keys go to whatever has the focus, and the
// controls reached are named by the top-left corner of their box in the window.
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

#include "core/layout/layout_types.h"
#include "ui_test_support.h"

namespace oryn7px::test {

struct Stop {
    std::string name;
    QPoint at;
};

inline QPoint TopLeft(const LayoutRect& r) { return {r.left, r.top}; }
inline QPoint TopLeft(const LayoutQuad& quad) { return TopLeft(BoundingBox(quad)); }
inline std::string Numbered(const char* name, std::size_t index) { return name + std::to_string(index + 1); }

inline QWidget* Focus() { return QApplication::focusWidget(); }

inline void Key(Qt::Key key) {
    QTest::keyClick(Focus(), key);
    Flush();
}

// The names of the controls `key` reaches in `count` presses.
inline std::vector<std::string> Walk(QWidget* window, const std::vector<Stop>& known, Qt::Key key, std::size_t count) {
    std::vector<std::string> reached;
    for (std::size_t i = 0; i < count; ++i) {
        Key(key);
        const QPoint at = Focus()->mapTo(window, QPoint(0, 0));
        const auto found = std::find_if(known.begin(), known.end(), [&at](const Stop& s) { return s.at == at; });
        reached.push_back(found != known.end() ? found->name : "? at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
    }
    return reached;
}

// The names Tab reaches going once round `stops` from outside them and back to the first, and
// those Shift+Tab reaches going back round from there.
inline std::vector<std::string> Names(const std::vector<Stop>& stops) {
    std::vector<std::string> names;
    for (const Stop& s : stops) names.push_back(s.name);
    return names;
}
inline std::vector<std::string> RoundForward(const std::vector<Stop>& stops) {
    std::vector<std::string> names = Names(stops);
    names.push_back(stops.front().name);
    return names;
}
inline std::vector<std::string> RoundBack(const std::vector<Stop>& stops) {
    std::vector<std::string> names = Names(stops);
    std::reverse(names.begin(), names.end());
    names.push_back(stops.back().name);
    return names;
}

}  // namespace oryn7px::test
