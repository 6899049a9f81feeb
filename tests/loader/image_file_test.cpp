#include "platform/loader/image_file.h"
#include "tests/loader/test_images.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

TEST(ImageFile, WindowsPathsBecomeLocalPaths) {
    EXPECT_EQ("Grafik/holz.jpg", loader::localPath("Grafik\\holz.jpg"));
    EXPECT_EQ("Grafik/0.png", loader::localPath("Grafik//0.png"));
    EXPECT_EQ("a/b/c", loader::localPath("a\\\\b//\\c"));
    EXPECT_EQ("/tmp/x/", loader::localPath("//tmp\\x\\\\"));
    EXPECT_EQ("Grafik/Holz.JPG", loader::localPath("Grafik\\Holz.JPG"));
    EXPECT_EQ("", loader::localPath(""));
}

TEST(ImageFile, ReadsWholeFilesOnly) {
    ScratchDir dir;
    test_images::Bytes content(200000);
    for (size_t i = 0; i < content.size(); ++i)
        content[i] = uint8_t(i * 31);
    std::vector<uint8_t> read = {1, 2, 3};
    ASSERT_TRUE(loader::readFile(dir.Write("big.bin", content), read));
    EXPECT_EQ(content, read);
    ASSERT_TRUE(loader::readFile(dir.Write("empty.bin", {}), read));
    EXPECT_TRUE(read.empty());

    EXPECT_FALSE(loader::readFile(dir.root.string() + "/missing.bin", read));
    EXPECT_FALSE(loader::readFile(dir.root.string(), read));
}
