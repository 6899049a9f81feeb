#include "resources/templates.h"

#include <gtest/gtest.h>

namespace {

uint32_t BigEndian(const unsigned char* bytes) {
    return (uint32_t)bytes[0] << 24 | (uint32_t)bytes[1] << 16 | (uint32_t)bytes[2] << 8 | bytes[3];
}

} // namespace

TEST(Win32Resources, DialogTemplatesCarryTheirStyles) {
    const resources::DialogTemplate* name = resources::FindDialog(103);
    const resources::DialogTemplate* list = resources::FindDialog(104);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(resources::FindDialog(101), nullptr);
    for (const resources::DialogTemplate* dialog : {name, list}) {
        EXPECT_EQ(dialog->style, 0x80C800C0u);
        EXPECT_EQ(dialog->x, 100);
        EXPECT_EQ(dialog->y, 100);
        EXPECT_STREQ(dialog->fontName, "MS Sans Serif");
        EXPECT_EQ(dialog->fontPoints, 8);
    }
    EXPECT_EQ(name->width, 186);
    EXPECT_EQ(name->height, 95);
    EXPECT_STREQ(name->caption, "Glückwunsch!");
    ASSERT_EQ(name->controls.size(), 6u);
    EXPECT_EQ(name->controls[0].style, 0x50010001u);
    EXPECT_EQ(name->controls[1].style, 0x50020000u);
    EXPECT_EQ(name->controls[3].id, 1000);
    EXPECT_EQ(name->controls[3].style, 0x50810080u);
    EXPECT_EQ(list->width, 260);
    EXPECT_EQ(list->height, 154);
    ASSERT_EQ(list->controls.size(), 7u);
    EXPECT_EQ(list->controls[1].style, 0x50010000u);
    EXPECT_STREQ(list->controls[1].text, "Liste l\xF6schen");
    // The five lines stand in the order of their ids, whatever the template order.
    int lastId = 0;
    int lastY = -1;
    for (int id = 1002; id <= 1006; ++id) {
        for (const resources::ControlTemplate& control : list->controls) {
            if (control.id == id) {
                EXPECT_GT(control.y, lastY) << id;
                lastY = control.y;
                lastId = id;
            }
        }
    }
    EXPECT_EQ(lastId, 1006);
}

TEST(Win32Resources, IconAndCursorAreEmbedded32PixelPngs) {
    for (const resources::Image* image : {resources::FindIcon(107), resources::FindCursor(105)}) {
        ASSERT_NE(image, nullptr);
        ASSERT_GT(image->size, 24u);
        EXPECT_EQ(std::string((const char*)image->png + 1, 3), "PNG");
        EXPECT_EQ(BigEndian(image->png + 16), 32u) << "width";
        EXPECT_EQ(BigEndian(image->png + 20), 32u) << "height";
    }
    EXPECT_EQ(resources::FindCursor(105)->hotspotX, 0);
    EXPECT_EQ(resources::FindCursor(105)->hotspotY, 1);
    EXPECT_EQ(resources::FindIcon(105), nullptr);
    EXPECT_EQ(resources::FindCursor(107), nullptr);
}
