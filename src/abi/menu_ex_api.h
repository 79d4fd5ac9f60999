#pragma once
// The C interface of libMenuEx.so, the popup-menu library the program loads at run time (the
// macro page's category menu). Plain C types only, so any build of the program can call it.
// Kept apart from both sides, so the program's windows include no header of the library.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// The library's file in the program folder.
#define MENUEX_LIBRARY_FILE "libMenuEx.so"

// The message the owner receives when an item is chosen: wParam = the item's ID, lParam = 0.
#define MENUEX_CHOICE_MESSAGE 0x0501u

#define MENUEX_BITMAP_COUNT 8
#define MENUEX_TEXT_UNITS 40

// One menu entry, 88 bytes: flags (255), the ID reported on a choice, and the text in UTF-16,
// at most 39 units, zero-terminated.
typedef struct MenuExItem {
    int32_t nFlags;
    uint32_t nItemId;
    uint16_t szText[MENUEX_TEXT_UNITS];
} MenuExItem;

// Stands in for the owner's window: the library reports through `post`, as a window message
// posted to `window`. The library never calls it after DestroyMenuEx has returned.
typedef struct MenuExOwner {
    void* window;
    void (*post)(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam);
} MenuExOwner;

// Opens the menu with its top-left corner at (x, y) in screen coordinates, replacing a menu
// that is open. Colours are 0x00BBGGRR: the item text, the text of the hovered item, and the
// hovered item's fill where no picture is given. The bitmap paths are, in order, normal, hover,
// pressed and disabled item pictures, then the same four for items with a submenu; a path
// that is null or cannot be loaded leaves the colours to paint the item. Returns 1 when the
// menu is shown, 0 for bad arguments (nothing is shown then).
typedef int32_t (*CreateMenuExProc)(const MenuExOwner* owner, int32_t itemHeight, int32_t x, int32_t y,
                                     uint32_t textColour, uint32_t hoverTextColour, uint32_t hoverColour,
                                     const uint16_t* const* bitmapPaths, const MenuExItem* items,
                                     int32_t itemCount);
// Closes the menu if one is open; always safe to call.
typedef void (*DestroyMenuExProc)(void);

int32_t CreateMenuEx(const MenuExOwner* owner, int32_t itemHeight, int32_t x, int32_t y, uint32_t textColour,
                     uint32_t hoverTextColour, uint32_t hoverColour, const uint16_t* const* bitmapPaths,
                     const MenuExItem* items, int32_t itemCount);
void DestroyMenuEx(void);

#ifdef __cplusplus
}
static_assert(sizeof(MenuExItem) == 88, "items are 88 bytes");
#endif
