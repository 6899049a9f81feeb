// Feeds arbitrary bytes to the reader of compiled resources, as a whole
// compiled file and as each kind of resource on its own. Whatever the bytes, a
// read succeeds or fails without touching a byte outside them, and an image
// that is read has the pixels its size promises.
#include "platform/win32/resource/compiled_resources.h"
#include "platform/win32/resource/dialog_template.h"
#include "platform/win32/resource/icon_image.h"
#include "platform/win32/resource/menu_template.h"

#include <cstdlib>

namespace {

void CheckImage(const win32::IconImage& image) {
    if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256 ||
        image.pixels.size() != (size_t)image.width * image.height) {
        std::abort();
    }
}

void ReadAsOneResource(win32::ByteSpan bytes) {
    std::vector<win32::MenuTemplateItem> bar;
    win32::DialogTemplate dialog;
    win32::ReadMenuTemplate(bytes, bar);
    win32::ReadDialogTemplate(bytes, dialog);
    for (bool cursor : {false, true}) {
        win32::IconImage image;
        if (win32::ReadIconImage(bytes, cursor, image)) {
            CheckImage(image);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const win32::ByteSpan bytes = {data, size};
    ReadAsOneResource(bytes);
    win32::FoundResource found;
    for (win32::ResourceType type : {win32::ResourceType::Menu, win32::ResourceType::Dialog}) {
        for (WORD id : {101, 103, 104}) {
            if (win32::FindResourceIn(bytes, type, id, found)) {
                ReadAsOneResource(found.data);
            }
        }
    }
    for (bool cursor : {false, true}) {
        std::vector<win32::IconImage> images;
        if (win32::ReadIconGroup(bytes, cursor, cursor ? 105 : 107, images)) {
            for (const win32::IconImage& image : images) {
                CheckImage(image);
            }
        }
    }
    return 0;
}
