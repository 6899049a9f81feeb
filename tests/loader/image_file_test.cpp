#include "platform/loader/image_file.h"
#include "tests/loader/test_images.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

test_images::Bytes bytesOf(const loader::FileBytes& file) {
    return test_images::Bytes(file.data.get(), file.data.get() + file.size);
}

} // namespace

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
    loader::FileBytes read;
    ASSERT_TRUE(loader::readFile(dir.Write("big.bin", content), read));
    EXPECT_EQ(content, bytesOf(read));
    // A smaller file read into the same memory is told by its own size.
    ASSERT_TRUE(loader::readFile(dir.Write("small.bin", {7, 8}), read));
    EXPECT_EQ((test_images::Bytes{7, 8}), bytesOf(read));
    ASSERT_TRUE(loader::readFile(dir.Write("empty.bin", {}), read));
    EXPECT_EQ(0u, read.size);

    EXPECT_FALSE(loader::readFile(dir.root.string() + "/missing.bin", read));
    EXPECT_FALSE(loader::readFile(dir.root.string(), read));
}

// What a player's folder may hold in place of an image: a FIFO that no one
// writes to (opened the ordinary way, it holds the game in open() for good),
// a link to a device that never ends, a socket. Each is refused at once.
TEST(ImageFile, OnlyRegularFilesAreReadAndNothingWaits) {
    alarm(20); // a wait ends the test as a failure rather than a hang
    ScratchDir dir;
    const std::string fifo = dir.Path("holz.jpg");
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
    const std::string zero = dir.Path("50p.png");
    ASSERT_EQ(0, symlink("/dev/zero", zero.c_str()));
    const std::string socketPath = dir.Path("0.png");
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, socketPath.c_str());
    ASSERT_EQ(0, bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address));
    ASSERT_EQ(0, listen(listener, 1));

    for (const std::string& path : {fifo, zero, socketPath}) {
        loader::FileBytes read;
        EXPECT_FALSE(loader::readFile(path, read)) << path;
    }
    close(listener);

    const test_images::Bytes content = {'i', 'm', 'g'};
    const std::string link = dir.Path("link.png");
    ASSERT_EQ(0, symlink(dir.Write("real.png", content).c_str(), link.c_str()));
    loader::FileBytes read;
    EXPECT_TRUE(loader::readFile(link, read));
    EXPECT_EQ(content, bytesOf(read)) << "a link to a regular file reads as the file";
    alarm(0);
}

TEST(ImageFile, FilesBeyondTheLimitAreRefused) {
    ScratchDir dir;
    const std::string file = dir.Write("huge.png", {});
    ASSERT_EQ(0, truncate(file.c_str(), off_t(loader::kMaxFileBytes)));
    loader::FileBytes read;
    ASSERT_TRUE(loader::readFile(file, read));
    EXPECT_EQ(loader::kMaxFileBytes, read.size);
    ASSERT_EQ(0, truncate(file.c_str(), off_t(loader::kMaxFileBytes) + 1));
    EXPECT_FALSE(loader::readFile(file, read));
}
