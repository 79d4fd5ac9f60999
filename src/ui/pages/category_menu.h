#pragma once
// The macro page's category menu, shown by the MenuEx library that the program loads at run
// time from its folder. The menu reports a choice by posting 0x0501 (wParam = the category).
#include <QPoint>
#include <QString>

#include "abi/menu_ex_api.h"

class QObject;

namespace oryn7px {

class CategoryMenu {
public:
    explicit CategoryMenu(const QString& programFolder);
    ~CategoryMenu();
    CategoryMenu(const CategoryMenu&) = delete;
    CategoryMenu& operator=(const CategoryMenu&) = delete;

    // False when the library or one of its two entry points is missing.
    bool Available() const;
    // The 22 categories, named for the UI language, at `screenPos`; false when nothing is shown.
    bool Open(QObject* owner, const QPoint& screenPos, bool chinese);
    void Close();

private:
    QString programFolder_;
    MenuExOwner owner_{};
};

}  // namespace oryn7px
