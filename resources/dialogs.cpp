#include "resources/templates.h"

namespace resources {

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kDefaultButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kPushButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kStaticText = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr DWORD kEditBox =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;

const DialogTemplate kNameDialog = {
    103,
    kDialogStyle,
    100,
    100,
    186,
    95,
    "Glückwunsch!",
    "MS Sans Serif",
    8,
    {
        {1, "button", "Highscore eintragen", 51, 69, 76, 19, kDefaultButton},
        {-1, "static",
         "Du hast es in die Highscoreliste geschafft! Gib unten deinen Namen ein, um dich "
         "einzutragen!",
         7, 7, 165, 18, kStaticText},
        {-1, "static", "Name:", 7, 30, 26, 11, kStaticText},
        {1000, "edit", "", 33, 29, 114, 12, kEditBox},
        {-1, "static", "Punkte:", 7, 49, 25, 9, kStaticText},
        {1001, "static", "0", 34, 49, 115, 13, kStaticText},
    }};

const DialogTemplate kHighscoreDialog = {
    104,
    kDialogStyle,
    100,
    100,
    260,
    154,
    "Die Top 5 Quorvel 2 Spieler (Action Mode)",
    "MS Sans Serif",
    8,
    {
        {1007, "button", "OK", 195, 133, 58, 14, kDefaultButton},
        {1008, "button", "Liste löschen", 7, 132, 50, 14, kPushButton},
        {1002, "static", "Static", 25, 20, 212, 16, kStaticText},
        {1005, "static", "Static", 25, 76, 212, 16, kStaticText},
        {1003, "static", "Static", 25, 39, 212, 16, kStaticText},
        {1006, "static", "Static", 25, 94, 212, 16, kStaticText},
        {1004, "static", "Static", 25, 58, 212, 16, kStaticText},
    }};

} // namespace

const DialogTemplate* FindDialog(int id) {
    for (const DialogTemplate* dialog : {&kNameDialog, &kHighscoreDialog}) {
        if (dialog->id == id) {
            return dialog;
        }
    }
    return nullptr;
}

} // namespace resources
