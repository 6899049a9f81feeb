// Compiled resources are binary input: cut short, damaged or crafted, a
// resource reads as missing, never as something else and never past its bytes
// (each case is copied to a buffer of its exact size, so ASan sees any overrun).
#include "platform/win32/resource/compiled_resources.h"
#include "platform/win32/resource/dialog_template.h"
#include "platform/win32/resource/icon_image.h"
#include "platform/win32/resource/menu_template.h"

#include <gtest/gtest.h>

using namespace win32;

namespace {

std::vector<uint8_t> Bytes(ByteSpan span, size_t count) {
    return std::vector<uint8_t>(span.data, span.data + count);
}

ByteSpan Span(const std::vector<uint8_t>& bytes) {
    return {bytes.data(), bytes.size()};
}

ByteSpan Found(ResourceType type, WORD id) {
    FoundResource found;
    EXPECT_TRUE(FindResourceIn(ProgramResources(), type, id, found));
    return found.data;
}

const std::pair<ResourceType, WORD> kTemplates[] = {
    {ResourceType::Menu, 101}, {ResourceType::Dialog, 103}, {ResourceType::Dialog, 104}};

// What the file gives for each of the program's resources: the bytes of each
// template (read as a template too), then the pixels of the icon and the cursor.
std::vector<std::vector<uint8_t>> ReadEverything(ByteSpan file) {
    std::vector<std::vector<uint8_t>> read;
    for (const auto& [type, id] : kTemplates) {
        FoundResource found;
        read.push_back(FindResourceIn(file, type, id, found) ? Bytes(found.data, found.data.size)
                                                             : std::vector<uint8_t>());
        std::vector<MenuTemplateItem> bar;
        DialogTemplate dialog;
        type == ResourceType::Menu ? ReadMenuTemplate(found.data, bar)
                                   : ReadDialogTemplate(found.data, dialog);
    }
    for (bool cursor : {false, true}) {
        std::vector<IconImage> images;
        read.emplace_back();
        if (ReadIconGroup(file, cursor, cursor ? 105 : 107, images)) {
            for (const IconImage& image : images) {
                const auto* pixels = (const uint8_t*)image.pixels.data();
                read.back().insert(read.back().end(), pixels, pixels + image.pixels.size() * 4);
            }
        }
    }
    return read;
}

void PutWord(std::vector<uint8_t>& out, WORD value) {
    out.push_back(value & 0xFF);
    out.push_back(value >> 8);
}

void PutText(std::vector<uint8_t>& out, const char* text) {
    for (; *text; ++text) {
        PutWord(out, (uint8_t)*text);
    }
    PutWord(out, 0);
}

// A menu template whose bar holds one pop-up, holding one pop-up, and so on,
// `depth` deep, around one command.
std::vector<uint8_t> NestedMenu(int depth) {
    std::vector<uint8_t> bytes = {0, 0, 0, 0};
    for (int level = 0; level < depth; ++level) {
        PutWord(bytes, kMenuPopupFlag | kMenuEndFlag);
        PutText(bytes, "P");
    }
    PutWord(bytes, kMenuEndFlag);
    PutWord(bytes, 40001);
    PutText(bytes, "Neu");
    return bytes;
}

} // namespace

// The images that a group resource lists, by the ids in its directory.
std::vector<ByteSpan> ImagesOf(ResourceType group, ResourceType image, WORD id) {
    const ByteSpan directory = Found(group, id);
    const int count = directory.data[4];
    std::vector<ByteSpan> images;
    for (int i = 0; i < count; ++i) {
        const uint8_t* entryId = directory.data + 6 + 14 * i + 12;
        images.push_back(Found(image, (WORD)(entryId[0] | entryId[1] << 8)));
    }
    return images;
}

TEST(ResourceReader, ResourcesCutShortAreRefused) {
    for (const auto& [type, id] : kTemplates) {
        const ByteSpan whole = Found(type, id);
        for (size_t size = 0; size <= whole.size; ++size) {
            const std::vector<uint8_t> cut = Bytes(whole, size);
            std::vector<MenuTemplateItem> bar;
            DialogTemplate dialog;
            const bool read = type == ResourceType::Menu ? ReadMenuTemplate(Span(cut), bar)
                                                         : ReadDialogTemplate(Span(cut), dialog);
            EXPECT_EQ(read, size == whole.size) << id << " cut to " << size << " bytes";
        }
    }
    std::vector<ByteSpan> icons = ImagesOf(ResourceType::GroupIcon, ResourceType::Icon, 107);
    std::vector<ByteSpan> cursors = ImagesOf(ResourceType::GroupCursor, ResourceType::Cursor, 105);
    ASSERT_EQ(icons.size(), 2u);
    ASSERT_EQ(cursors.size(), 1u);
    for (bool cursor : {false, true}) {
        for (const ByteSpan& whole : cursor ? cursors : icons) {
            for (size_t size = 0; size <= whole.size; ++size) {
                const std::vector<uint8_t> cut = Bytes(whole, size);
                IconImage image;
                EXPECT_EQ(ReadIconImage(Span(cut), cursor, image), size == whole.size)
                    << (cursor ? "cursor" : "icon") << " cut to " << size << " bytes";
            }
        }
    }
}

// Cut anywhere, the file still gives every resource that lies wholly before
// the cut exactly as the whole file does, and the others not at all.
TEST(ResourceReader, FileCutShortGivesWholeResourcesOrNone) {
    const ByteSpan file = ProgramResources();
    const std::vector<std::vector<uint8_t>> whole = ReadEverything(file);
    for (const std::vector<uint8_t>& resource : whole) {
        ASSERT_FALSE(resource.empty());
    }
    std::vector<size_t> templateEnds;
    for (const auto& [type, id] : kTemplates) {
        const ByteSpan data = Found(type, id);
        templateEnds.push_back(data.data + data.size - file.data);
    }
    for (size_t size = 0; size < file.size; ++size) {
        const std::vector<uint8_t> cut = Bytes(file, size);
        const std::vector<std::vector<uint8_t>> read = ReadEverything(Span(cut));
        for (size_t i = 0; i < whole.size(); ++i) {
            if (i < templateEnds.size()) {
                EXPECT_EQ(!read[i].empty(), size >= templateEnds[i]) << i << ", cut at " << size;
            }
            if (!read[i].empty()) {
                EXPECT_EQ(read[i], whole[i]) << "resource " << i << ", cut at " << size;
            }
        }
    }
}

// Whatever a flipped byte makes of the file, nothing is read outside it.
TEST(ResourceReader, DamagedBytesAreReadWithinTheFile) {
    const ByteSpan file = ProgramResources();
    for (size_t at = 0; at < file.size; ++at) {
        std::vector<uint8_t> damaged = Bytes(file, file.size);
        damaged[at] ^= 0xFF;
        ReadEverything(Span(damaged));
    }
}

TEST(ResourceReader, PopupsNestedBeyondAnyMenuAreRefused) {
    std::vector<MenuTemplateItem> bar;
    EXPECT_TRUE(ReadMenuTemplate(Span(NestedMenu(8)), bar));
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(bar[0].items[0].items[0].text, u"P");
    EXPECT_FALSE(ReadMenuTemplate(Span(NestedMenu(9)), bar));
    // Deep enough to overflow the stack if every level were followed.
    EXPECT_FALSE(ReadMenuTemplate(Span(NestedMenu(1000000)), bar));
    // An extended menu template is not read.
    std::vector<uint8_t> extended = NestedMenu(0);
    extended[0] = 1;
    EXPECT_FALSE(ReadMenuTemplate(Span(extended), bar));
}
