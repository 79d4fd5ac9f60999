#pragma once
// The macro page's category menu, shown by the MenuEx library that the program loads at run
// time from its folder. The menu reports a choice by posting 0x0501 (wParam = the category).
#include <QLibrary>
#include <QPoint>
#include <QString>

#include "tools/menuex/menu_ex_api.h"

class QObject;

namespace oryn7px {

class CategoryMenu {
public:
    explicit CategoryMenu(const QString& programFolder);
    ~CategoryMenu();
    CategoryMenu(const CategoryMenu&) = delete;
    CategoryMenu& operator=(const CategoryMenu&) = delete;

    // False when the library or one of its two entry points is missing.
    bool Available() const { return create_ != nullptr && destroy_ != nullptr; }
    // The 22 categories, named for the UI language, at `screenPos`; false when nothing is shown.
    bool Open(QObject* owner, const QPoint& screenPos, bool chinese);
    void Close();

private:
    QString programFolder_;
    QLibrary library_;
    MenuExOwner owner_{};
    CreateMenuExProc create_ = nullptr;
    DestroyMenuExProc destroy_ = nullptr;
};

}  // namespace oryn7px
