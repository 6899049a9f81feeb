// Ids of the program's resources, of the menu's commands and of the dialogs'
// controls: the resource script and the shell both include this file, so each
// number is written down once. Plain defines, which a resource compiler reads.
#pragma once

#define IDR_MAIN_MENU 101
#define IDD_NAME_ENTRY 103
#define IDD_TOP_FIVE 104
#define IDC_ARROW_CURSOR 105
#define IDI_GAME_ICON 107

#define ID_GAME_NEW 40001
#define ID_GAME_QUIT 40002
#define ID_INFO_HIGHSCORES 40003
#define ID_INFO_CREDITS 40004
#define ID_GAME_ACTION_MODE 40005

// The name dialog's button is IDOK.
#define IDC_NAME_EDIT 1000
#define IDC_SCORE 1001

// The five places of the top-five list, place 1 first.
#define IDC_PLACE_1 1002
#define IDC_PLACE_2 1003
#define IDC_PLACE_3 1004
#define IDC_PLACE_4 1005
#define IDC_PLACE_5 1006
#define IDC_LIST_OK 1007
#define IDC_LIST_RESET 1008
