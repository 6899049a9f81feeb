#include "resources/templates.h"

namespace resources {

namespace {

const MenuTemplate kMainMenu = {101,
                                {
                                    {"Spiel",
                                     {
                                         {"Neu", 40001, false},
                                         {},
                                         {"Action Modus", 40005, true},
                                         {},
                                         {"Spiel beenden", 40002, false},
                                     }},
                                    {"Info",
                                     {
                                         {"Highscoreliste", 40003, false},
                                         {},
                                         {"Credits...", 40004, false},
                                     }},
                                }};

} // namespace

const MenuTemplate* FindMenu(int id) {
    return id == kMainMenu.id ? &kMainMenu : nullptr;
}

} // namespace resources
