#pragma once
// Windows whose parts are no widgets of their own: the texts a page or box paints (captions,
// values, a message) and the items of a popup menu. Assistive technology gets the window's
// controls first, then one child per part.
#include <vector>

#include "ui/skin/accessible_skin_control.h"

namespace oryn7px {

class CMenuEx;

class AccessiblePartsWindow : public QAccessibleWidget {
public:
    // A part as the window shows it, its box in the window's coordinates.
    struct Part {
        QString text;
        QRect box;
        QAccessible::State state;
    };

    AccessiblePartsWindow(QWidget* window, QAccessible::Role role);
    ~AccessiblePartsWindow() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    virtual std::vector<Part> Parts() const = 0;
    virtual QAccessible::Role PartRole() const = 0;
    QWidget* Window() const { return widget(); }

private:
    QWidgetList ChildControls() const;

    mutable std::vector<QAccessible::Id> partIds_;  // created when first asked for
};

// A painted text or a menu item, read from its window each time.
class AccessiblePart final : public QAccessibleInterface {
public:
    AccessiblePart(AccessiblePartsWindow* owner, int index) : owner_(owner), index_(index) {}

    int Index() const { return index_; }
    const AccessiblePartsWindow* Owner() const { return owner_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner_->window(); }
    QAccessibleInterface* parent() const override { return owner_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return owner_->PartRole(); }
    QAccessible::State state() const override;

private:
    AccessiblePartsWindow::Part Current() const;

    AccessiblePartsWindow* owner_;  // deletes its parts before it goes
    int index_;
};

// A page, the main window or a box, with the captions and other texts it paints as labels.
class AccessibleTextWindow final : public AccessiblePartsWindow {
public:
    explicit AccessibleTextWindow(QWidget* window);
    QAccessible::Role role() const override;
    std::vector<Part> Parts() const override;
    QAccessible::Role PartRole() const override { return QAccessible::StaticText; }
};

// The skinned popup menus (the language menu): their items, the one under the cursor selected.
class AccessiblePopupMenu final : public AccessiblePartsWindow {
public:
    explicit AccessiblePopupMenu(CMenuEx* menu);
    std::vector<Part> Parts() const override;
    QAccessible::Role PartRole() const override { return QAccessible::MenuItem; }
};

}  // namespace oryn7px
