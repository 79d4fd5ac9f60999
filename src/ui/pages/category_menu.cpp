#include "ui/pages/category_menu.h"

#include <QDir>
#include <array>
#include <vector>

#include "core/layout/macro_page_layout.h"
#include "core/base/utf16.h"
#include "core/pages/macro_page/macro_categories.h"
#include "ui/pages/menu_ex_entry_points.h"
#include "ui/skin/message_event.h"

namespace oryn7px {

namespace {

void PostFromMenu(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    PostMessageTo(static_cast<QObject*>(window), {message, wParam, lParam});
}

}  // namespace

// The main settings page loads the library at start-up; a macro page on its own loads it here.
CategoryMenu::CategoryMenu(const QString& programFolder) : programFolder_(programFolder) {
    if (!MenuEx().Loaded()) LoadMenuEx(programFolder);
}

CategoryMenu::~CategoryMenu() { Close(); }

bool CategoryMenu::Available() const { return MenuEx().Loaded(); }

bool CategoryMenu::Open(QObject* owner, const QPoint& screenPos, bool chinese) {
    if (!Available()) return false;
    std::vector<std::u16string> paths;
    for (const char* name : macro_page::kMenuBitmaps) {
        paths.push_back(QDir(programFolder_).filePath(QStringLiteral("skins/Menu/") + QLatin1String(name)).toStdU16String());
    }
    std::array<const uint16_t*, MENUEX_BITMAP_COUNT> bitmaps{};
    for (std::size_t i = 0; i < bitmaps.size(); ++i) bitmaps[i] = reinterpret_cast<const uint16_t*>(paths[i].c_str());

    std::array<MenuExItem, macro_page::kCategoryCount> items{};
    for (uint32_t category = macro_page::kFirstCategory; category <= macro_page::kCategoryCount; ++category) {
        MenuExItem& item = items[category - macro_page::kFirstCategory];
        item.nFlags = 255;
        item.nItemId = category;
        SetFixedText(reinterpret_cast<char16_t*>(item.szText), MENUEX_TEXT_UNITS,
                     macro_page::CategoryMenuText(category, chinese));
    }
    owner_ = MenuExOwner{owner, &PostFromMenu};
    return MenuEx().create(&owner_, macro_page::kMenuItemHeight, screenPos.x(), screenPos.y(), macro_page::kMenuTextColour,
                   macro_page::kMenuHoverTextColour, macro_page::kMenuHoverColour, bitmaps.data(), items.data(),
                   static_cast<int32_t>(items.size())) == 1;
}

void CategoryMenu::Close() {
    if (Available()) MenuEx().destroy();
}

}  // namespace oryn7px
