#include "platform/win32/cp1252.h"
#include "tests/win32/message_log.h"

#include <gtest/gtest.h>

using namespace win32_test;

namespace {

std::string g_name;
UINT g_copied = 0;

INT_PTR CALLBACK NameProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        char name[20];
        g_copied = GetDlgItemTextA(dialog, 1000, name, 20);
        g_name = name;
        EndDialog(dialog, 0);
    }
    return message == WM_INITDIALOG || message == WM_COMMAND;
}

} // namespace

TEST(Win32Text, TypedUmlautsReachTheProgramAsOneBytePerLetter) {
    HWND hwnd = MakeMainWindow();
    win32_headless::TypeText(1000, u8"Jürgen Größenwahn-Müßiggänger");
    win32_headless::PressEnter();
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(103), hwnd, NameProc, 0);
    EXPECT_EQ(g_copied, 19u);
    EXPECT_EQ(g_name, "Jürgen Größenwahn-M");
    EXPECT_EQ(g_name.size(), 19u);
    EXPECT_EQ((unsigned char)g_name[1], 0xFC);
    // The record shows the full text as typed, in the program's code page.
    EXPECT_EQ(win32_headless::Dialogs().at(0).views.back().Text(1000),
              "Jürgen Größenwahn-Müßiggänger");

    win32_headless::TypeText(1000, u8"Zoë 🎲 Ω");
    win32_headless::PressEnter();
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(103), hwnd, NameProc, 0);
    EXPECT_EQ(g_name, "Zoë ? ?");

    win32_headless::TypeText(1000, "");
    win32_headless::PressEnter();
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(103), hwnd, NameProc, 0);
    EXPECT_EQ(g_copied, 0u);
    EXPECT_EQ(g_name, "");
}

TEST(Win32Text, Cp1252RoundTrip) {
    std::string every;
    for (int byte = 1; byte < 256; ++byte) {
        every += (char)byte;
    }
    EXPECT_EQ(win32::Utf8ToCp1252(win32::Cp1252ToUtf8(every)), every);
    EXPECT_EQ(win32::Cp1252ToUtf8("J\xFCrgen"), u8"Jürgen");
    EXPECT_EQ(win32::Cp1252ToUtf8("\x80\x84\x93\x9F"), u8"€„“Ÿ");
    EXPECT_EQ(win32::Utf8ToCp1252(u8"€ „Anführung“ …"), "\x80 \x84"
                                                        "Anf\xFChrung\x93 \x85");
    // Malformed UTF-8: one '?' per bad byte, the rest survives.
    EXPECT_EQ(win32::Utf8ToCp1252("a\xC3"
                                  "b\xE2\x82"),
              "a?b??");
    EXPECT_EQ(win32::Utf8ToCp1252("\xC0\xAF\xED\xA0\x80"), "?????");
}

TEST(Win32Text, GetDlgItemTextLimits) {
    HWND hwnd = MakeMainWindow();
    static UINT copied[3];
    static char small[4];
    auto proc = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) {
            char one[1] = {'x'};
            copied[0] = GetDlgItemTextA(dialog, 1001, one, 1);
            small[3] = 'x';
            copied[1] = GetDlgItemTextA(dialog, 1, small, 4);
            copied[2] = GetDlgItemTextA(dialog, 4242, one, 1);
            EXPECT_EQ(one[0], '\0');
            EXPECT_FALSE(SetDlgItemTextA(dialog, 4242, "x"));
            EndDialog(dialog, 7);
        }
        return TRUE;
    };
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(103), hwnd, proc, 0), 7);
    EXPECT_EQ(copied[0], 0u);
    EXPECT_EQ(copied[1], 3u);
    EXPECT_STREQ(small, "Hig");
    EXPECT_EQ(copied[2], 0u);
    EXPECT_TRUE(win32_headless::Dialogs().empty()) << "ended before it was shown";
}
