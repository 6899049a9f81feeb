// The program's resources: menu, dialog templates, icon and cursor, compiled
// into the program. Texts are Windows-1252 bytes (the sources are compiled
// with that execution character set), as a German resource file holds them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

namespace resources {

struct MenuItemTemplate {
    const char* text = nullptr; // null: a separator
    UINT id = 0;
    bool checked = false;
};

struct PopupTemplate {
    const char* text = nullptr;
    std::vector<MenuItemTemplate> items;
};

struct MenuTemplate {
    int id = 0;
    std::vector<PopupTemplate> popups;
};

// Position and size in dialog units.
struct ControlTemplate {
    int id = 0;
    const char* className = nullptr; // "button", "static" or "edit"
    const char* text = nullptr;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    DWORD style = 0;
};

struct DialogTemplate {
    int id = 0;
    DWORD style = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    const char* caption = nullptr;
    const char* fontName = nullptr;
    int fontPoints = 0;
    std::vector<ControlTemplate> controls; // template order is tab order
};

// A PNG image; a cursor's hotspot in its pixels.
struct Image {
    int id = 0;
    const unsigned char* png = nullptr;
    size_t size = 0;
    int hotspotX = 0;
    int hotspotY = 0;
};

// Null when the program has no resource of that kind and id.
const MenuTemplate* FindMenu(int id);
const DialogTemplate* FindDialog(int id);
const Image* FindIcon(int id);
const Image* FindCursor(int id);

} // namespace resources
