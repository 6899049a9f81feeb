// Resource and command ids the shell names: the menu, its commands, the dialogs and their
// controls, the icon and the cursor.
#pragma once

enum ResourceId {
    kMenuMain = 101,
    kDialogName = 103,
    kDialogHighscores = 104,
    kCursorMain = 105,
    kIconMain = 107,
};

enum MenuCommand {
    kCommandNew = 40001,
    kCommandQuit = 40002,
    kCommandHighscores = 40003,
    kCommandCredits = 40004,
    kCommandActionMode = 40005,
};

enum DialogControl {
    kControlNameEdit = 1000,
    kControlScore = 1001,
    kControlFirstPlace = 1002,
    kControlOk = 1007,
    kControlResetList = 1008,
};
