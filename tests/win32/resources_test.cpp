// The compiled resource script read back as the Win32 layer reads it: every
// text, id, place, size and style of the menu and both dialogs, and the icon's
// and the cursor's images. QUORVEL_COMPILED_RESOURCES names another compiled
// file to check instead of the one built in (another resource compiler's).
#include "platform/win32/resource/compiled_resources.h"
#include "platform/win32/resource/dialog_template.h"
#include "platform/win32/resource/icon_image.h"
#include "platform/win32/resource/menu_template.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace win32;

namespace {

const WORD kGerman = 0x0407;
const WORD kNoId = 0xFFFF; // -1 in the script

ByteSpan CompiledFile() {
    static std::vector<uint8_t> other;
    const char* path = std::getenv("QUORVEL_COMPILED_RESOURCES");
    if (!path) {
        return ProgramResources();
    }
    if (other.empty()) {
        std::ifstream in(path, std::ios::binary);
        other.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return {other.data(), other.size()};
}

FoundResource Find(ResourceType type, WORD id) {
    FoundResource found;
    EXPECT_TRUE(FindResourceIn(CompiledFile(), type, id, found)) << id;
    EXPECT_EQ(found.language, kGerman) << id;
    return found;
}

struct ExpectedItem {
    int depth;
    const char16_t* text;
    WORD id;
    WORD flags;
};

void Flatten(const std::vector<MenuTemplateItem>& items, int depth,
             std::vector<ExpectedItem>& out) {
    for (const MenuTemplateItem& item : items) {
        out.push_back({depth, item.text.c_str(), item.id, item.flags});
        Flatten(item.items, depth + 1, out);
    }
}

struct ExpectedControl {
    WORD id;
    const char16_t* className;
    const char16_t* text;
    short x, y, width, height;
    DWORD style;
};

const DWORD kDialogStyle = 0x80C800C0;
const DWORD kDefaultButton = 0x50010001;
const DWORD kPushButton = 0x50010000;
const DWORD kStaticText = 0x50020000;
const DWORD kEditBox = 0x50810080;

void ExpectDialog(WORD id, short width, short height, const char16_t* caption,
                  const std::vector<ExpectedControl>& controls) {
    DialogTemplate dialog;
    ASSERT_TRUE(ReadDialogTemplate(Find(ResourceType::Dialog, id).data, dialog)) << id;
    EXPECT_EQ(dialog.style, kDialogStyle);
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.x, 100);
    EXPECT_EQ(dialog.y, 100);
    EXPECT_EQ(dialog.width, width);
    EXPECT_EQ(dialog.height, height);
    EXPECT_EQ(dialog.caption, caption);
    EXPECT_EQ(dialog.fontPoints, 8);
    EXPECT_EQ(dialog.fontName, u"MS Sans Serif");
    ASSERT_EQ(dialog.controls.size(), controls.size()) << id;
    for (size_t i = 0; i < controls.size(); ++i) {
        const DialogControlTemplate& got = dialog.controls[i];
        const ExpectedControl& want = controls[i];
        SCOPED_TRACE(testing::Message() << "dialog " << id << ", control " << i);
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.className, want.className);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.width, want.width);
        EXPECT_EQ(got.height, want.height);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(got.exStyle, 0u);
    }
}

uint32_t At(const IconImage& image, int x, int y) {
    return image.pixels[(size_t)y * image.width + x];
}

} // namespace

TEST(CompiledResources, MenuBarWithItsTwoPopups) {
    std::vector<MenuTemplateItem> bar;
    ASSERT_TRUE(ReadMenuTemplate(Find(ResourceType::Menu, 101).data, bar));
    std::vector<ExpectedItem> got;
    Flatten(bar, 0, got);
    const WORD popup = kMenuPopupFlag;
    const WORD end = kMenuEndFlag;
    const std::vector<ExpectedItem> want = {
        {0, u"Spiel", 0, popup},
        {1, u"Neu", 40001, 0},
        {1, u"", 0, 0},
        {1, u"Action Modus", 40005, MF_CHECKED},
        {1, u"", 0, 0},
        {1, u"Spiel beenden", 40002, end},
        {0, u"Info", 0, popup | end},
        {1, u"Highscoreliste", 40003, 0},
        {1, u"", 0, 0},
        {1, u"Credits...", 40004, end},
    };
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].depth, want[i].depth);
        EXPECT_EQ(std::u16string(got[i].text), want[i].text);
        EXPECT_EQ(got[i].id, want[i].id);
        EXPECT_EQ(got[i].flags, want[i].flags);
    }
    EXPECT_TRUE(bar[0].items[1].IsSeparator());
    EXPECT_FALSE(bar[0].items[0].IsSeparator());
}

TEST(CompiledResources, NameDialog) {
    ExpectDialog(
        103, 186, 95, u"Glückwunsch!",
        {
            {1, u"button", u"Highscore eintragen", 51, 69, 76, 19, kDefaultButton},
            {kNoId, u"static",
             u"Du hast es in die Highscoreliste geschafft! Gib unten deinen Namen ein, um dich "
             u"einzutragen!",
             7, 7, 165, 18, kStaticText},
            {kNoId, u"static", u"Name:", 7, 30, 26, 11, kStaticText},
            {1000, u"edit", u"", 33, 29, 114, 12, kEditBox},
            {kNoId, u"static", u"Punkte:", 7, 49, 25, 9, kStaticText},
            {1001, u"static", u"0", 34, 49, 115, 13, kStaticText},
        });
}

TEST(CompiledResources, TopFiveDialog) {
    ExpectDialog(104, 260, 154, u"Die Top 5 Quorvel 2 Spieler (Action Mode)",
                 {
                     {1007, u"button", u"OK", 195, 133, 58, 14, kDefaultButton},
                     {1008, u"button", u"Liste löschen", 7, 132, 50, 14, kPushButton},
                     {1002, u"static", u"Static", 25, 20, 212, 16, kStaticText},
                     {1005, u"static", u"Static", 25, 76, 212, 16, kStaticText},
                     {1003, u"static", u"Static", 25, 39, 212, 16, kStaticText},
                     {1006, u"static", u"Static", 25, 94, 212, 16, kStaticText},
                     {1004, u"static", u"Static", 25, 58, 212, 16, kStaticText},
                 });
}

// Two 32 x 32 pictures of one round icon on a clear ground, in 24-bit colour
// and in 256 colours, that look alike.
TEST(CompiledResources, IconInTwoDepths) {
    Find(ResourceType::GroupIcon, 107);
    std::vector<IconImage> images;
    ASSERT_TRUE(ReadIconGroup(CompiledFile(), false, 107, images));
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].bitCount, 24);
    EXPECT_EQ(images[0].tableSize, 0);
    EXPECT_EQ(images[1].bitCount, 8);
    EXPECT_EQ(images[1].tableSize, 256);
    for (const IconImage& image : images) {
        ASSERT_EQ(image.width, 32);
        ASSERT_EQ(image.height, 32);
        EXPECT_EQ(At(image, 0, 0), 0u);
        EXPECT_EQ(At(image, 31, 31), 0u);
        EXPECT_EQ(At(image, 16, 4) >> 24, 0xFFu);
        EXPECT_EQ(At(image, 4, 16) >> 24, 0xFFu);
    }
    long difference = 0;
    for (size_t i = 0; i < images[0].pixels.size(); ++i) {
        const uint32_t a = images[0].pixels[i];
        const uint32_t b = images[1].pixels[i];
        ASSERT_EQ(a >> 24, b >> 24) << "the same mask, pixel " << i;
        for (int shift = 0; shift < 24; shift += 8) {
            difference += std::abs((int)((a >> shift) & 0xFF) - (int)((b >> shift) & 0xFF));
        }
    }
    EXPECT_LT(difference / (3.0 * images[0].pixels.size()), 3.0) << "average channel difference";
    EXPECT_EQ(&BestImage(images), &images[0]) << "the deeper of two alike sizes";
}

// A white arrow with a black outline in 16 colours, its tip on the hotspot (0, 1).
TEST(CompiledResources, CursorIsAWhiteArrowTippedAtTheHotspot) {
    Find(ResourceType::GroupCursor, 105);
    std::vector<IconImage> images;
    ASSERT_TRUE(ReadIconGroup(CompiledFile(), true, 105, images));
    ASSERT_EQ(images.size(), 1u);
    const IconImage& cursor = images[0];
    ASSERT_EQ(cursor.width, 32);
    ASSERT_EQ(cursor.height, 32);
    EXPECT_EQ(cursor.bitCount, 4);
    EXPECT_EQ(cursor.tableSize, 16);
    EXPECT_EQ(cursor.hotspotX, 0);
    EXPECT_EQ(cursor.hotspotY, 1);
    EXPECT_EQ(At(cursor, 0, 0), 0u);
    EXPECT_EQ(At(cursor, 0, 1), 0xFF000000u);
    EXPECT_EQ(At(cursor, 1, 1), 0u);
    EXPECT_EQ(At(cursor, 1, 3), 0xFFFFFFFFu);
    int white = 0;
    int black = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const uint32_t pixel = At(cursor, x, y);
            white += pixel == 0xFFFFFFFFu;
            black += pixel == 0xFF000000u;
            EXPECT_TRUE(pixel == 0xFFFFFFFFu || pixel == 0xFF000000u || pixel == 0)
                << std::hex << pixel;
            // The arrow points up and left: nothing right of or below its body.
            if (x > 16 || y > 24) {
                EXPECT_EQ(pixel, 0u) << x << "," << y;
            }
        }
    }
    EXPECT_GT(white, 40);
    EXPECT_GT(black, 30);
}

TEST(CompiledResources, OtherKindsAndIdsAreNotThere) {
    FoundResource found;
    std::vector<IconImage> images;
    EXPECT_FALSE(FindResourceIn(CompiledFile(), ResourceType::Menu, 102, found));
    EXPECT_FALSE(FindResourceIn(CompiledFile(), ResourceType::Dialog, 101, found));
    EXPECT_FALSE(ReadIconGroup(CompiledFile(), true, 107, images));
    EXPECT_FALSE(ReadIconGroup(CompiledFile(), false, 105, images));
    EXPECT_TRUE(images.empty());
}
