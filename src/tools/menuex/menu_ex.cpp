// The two exports of libMenuEx.so.
#include <QApplication>
#include <QPointer>

#include "abi/menu_ex_api.h"
#include "menu_ex_list.h"

namespace oryn7px::menuex {
namespace {

constexpr int32_t kMaxItems = 256;
constexpr int32_t kMinItemHeight = 12;
constexpr int32_t kMaxItemHeight = 64;

QPointer<CMenuExList>& OpenMenu() {
    static QPointer<CMenuExList> menu;
    return menu;
}

// 0x00BBGGRR, as the caller's colour values come.
QColor FromColourRef(uint32_t value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

// Reads at most the 39 units a text may have, whether or not the caller terminated it.
QString ItemText(const MenuExItem& item) {
    int length = 0;
    while (length < MENUEX_TEXT_UNITS - 1 && item.szText[length] != 0) ++length;
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(item.szText), length);
}

QImage LoadPicture(const uint16_t* path) {
    if (path == nullptr) return {};
    return QImage(QString::fromUtf16(reinterpret_cast<const char16_t*>(path)));
}

}  // namespace
}  // namespace oryn7px::menuex

extern "C" __attribute__((visibility("default"))) int32_t CreateMenuEx(
    const MenuExOwner* owner, int32_t itemHeight, int32_t x, int32_t y, uint32_t textColour,
    uint32_t hoverTextColour, uint32_t hoverColour, const uint16_t* const* bitmapPaths, const MenuExItem* items,
    int32_t itemCount) {
    using namespace oryn7px::menuex;
    if (qApp == nullptr || owner == nullptr || owner->post == nullptr || items == nullptr || itemCount < 1 ||
        itemCount > kMaxItems || itemHeight < kMinItemHeight || itemHeight > kMaxItemHeight) {
        return 0;
    }
    DestroyMenuEx();
    MenuExLook look{itemHeight, FromColourRef(textColour), FromColourRef(hoverTextColour),
                    FromColourRef(hoverColour), {}};
    if (bitmapPaths != nullptr) {
        for (int i = 0; i < MENUEX_BITMAP_COUNT; ++i) look.pictures[static_cast<std::size_t>(i)] = LoadPicture(bitmapPaths[i]);
    }
    std::vector<MenuExEntry> entries;
    entries.reserve(static_cast<std::size_t>(itemCount));
    for (int32_t i = 0; i < itemCount; ++i) entries.push_back({items[i].nItemId, ItemText(items[i])});
    auto* menu = new CMenuExList(*owner, std::move(look), std::move(entries));
    OpenMenu() = menu;
    menu->Show(nullptr, x, y, 0);
    return 1;
}

extern "C" __attribute__((visibility("default"))) void DestroyMenuEx(void) {
    auto& menu = oryn7px::menuex::OpenMenu();
    if (menu) menu->close();
    menu = nullptr;
}
