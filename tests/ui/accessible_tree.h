#pragma once
// Walks the accessibility tree as assistive technology reads it, from a window's interface down.
#include <QAccessible>
#include <QString>
#include <functional>
#include <vector>

namespace oryn7px::test {

// Every interface below `root` (not `root` itself), depth first, in child order.
inline std::vector<QAccessibleInterface*> Descendants(QAccessibleInterface* root) {
    std::vector<QAccessibleInterface*> found;
    const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (child == nullptr) continue;
            found.push_back(child);
            visit(child);
        }
    };
    visit(root);
    return found;
}

inline std::vector<QAccessibleInterface*> Descendants(QObject* root) {
    return Descendants(QAccessible::queryAccessibleInterface(root));
}

// One line a node: role, name, state and value, for messages and listings.
inline QString Describe(QAccessibleInterface* node) {
    QString line = QString::number(node->role(), 16) + QLatin1Char(' ') + node->text(QAccessible::Name).left(60);
    const QAccessible::State state = node->state();
    if (state.checked) line += QStringLiteral(" [checked]");
    if (state.selected) line += QStringLiteral(" [selected]");
    if (state.disabled) line += QStringLiteral(" [disabled]");
    if (state.invisible) line += QStringLiteral(" [invisible]");
    if (QAccessibleValueInterface* value = node->valueInterface())
        line += QStringLiteral(" = %1 (%2..%3)").arg(value->currentValue().toString(), value->minimumValue().toString(),
                                                        value->maximumValue().toString());
    if (node->object() != nullptr) line += QStringLiteral(" <%1>").arg(QLatin1String(node->object()->metaObject()->className()));
    return line;
}

}  // namespace oryn7px::test
