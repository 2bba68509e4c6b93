// Pixmaps, image codecs and files.
#include "Headless.h"

#include "platform/Files.h"
#include "platform/Pixmap.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;
using testing_support::TempFolder;

namespace {

PixmapPtr pattern(int w, int h) {
    auto pm = Pixmap::create(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            pm->write(x, y, argb(x % 3 == 0 ? 128 : 255, x * 7 % 256, y * 5 % 256, (x + y) % 256));
    }
    return pm;
}

} // namespace

TEST(Pixmap, OutsideReadsAreZeroAndWritesIgnored) {
    Pixmap pm(4, 3, 0xFF112233);
    pm.write(-1, 0, 1);
    pm.write(4, 0, 1);
    EXPECT_EQ(pm.read(-1, 0), 0u);
    EXPECT_EQ(pm.read(0, 3), 0u);
    EXPECT_EQ(pm.read(3, 2), 0xFF112233u);
}

TEST(Pixmap, MaskColourMakesThatColourTransparentAndEverythingElseOpaque) {
    Pixmap pm(3, 1);
    pm.write(0, 0, 0xFFFF00FF);
    pm.write(1, 0, 0x00FF00FF);
    pm.write(2, 0, 0x00123456);
    pm.maskColour(0xFF00FF);
    EXPECT_EQ(pm.read(0, 0), 0x00FF00FFu);
    EXPECT_EQ(pm.read(1, 0), 0x00FF00FFu);
    EXPECT_EQ(pm.read(2, 0), 0xFF123456u);
}

TEST(PixmapCodecs, PngKeepsEveryPixelIncludingAlpha) {
    TempFolder dir;
    auto original = pattern(37, 23);
    ASSERT_TRUE(savePng(*original, dir.path() + "/p.png"));
    auto loaded = loadPixmap(dir.path() + "/p.png");
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->width(), 37);
    ASSERT_EQ(loaded->height(), 23);
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 37; ++x) ASSERT_EQ(loaded->read(x, y), original->read(x, y)) << x << "," << y;
    }
}

TEST(PixmapCodecs, JpegIsOpaqueAndClose) {
    TempFolder dir;
    auto original = Pixmap::create(64, 48, 0xFF3080C0);
    ASSERT_TRUE(saveJpeg(*original, dir.path() + "/p.jpg", 95));
    auto loaded = loadPixmap(dir.path() + "/p.jpg");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->width(), 64);
    EXPECT_EQ(alphaOf(loaded->read(10, 10)), 255u);
    EXPECT_TRUE(testing_support::closeColour(loaded->read(10, 10), 0xFF3080C0, 3));
}

TEST(PixmapCodecs, MissingOrDamagedFilesGiveNull) {
    TempFolder dir;
    EXPECT_FALSE(loadPixmap(dir.path() + "/none.png"));
    EXPECT_FALSE(loadPixmap(""));
    ASSERT_TRUE(saveText(dir.path() + "/bad.png", "\x89PNG\r\n\x1a\n truncated"));
    EXPECT_FALSE(loadPixmap(dir.path() + "/bad.png"));
    ASSERT_TRUE(saveText(dir.path() + "/bad.jpg", std::string("\xFF\xD8\xFF\xE0 not really", 15)));
    EXPECT_FALSE(loadPixmap(dir.path() + "/bad.jpg"));
    ASSERT_TRUE(saveText(dir.path() + "/text.png", "hello"));
    EXPECT_FALSE(loadPixmap(dir.path() + "/text.png"));
}

TEST(Files, TypesFoldersAndCaseInsensitivePaths) {
    TempFolder dir;
    const std::string deep = dir.path() + "/a/b/c";
    EXPECT_EQ(fileType(deep), fileNone);
    EXPECT_FALSE(createFolder(deep)); // one level only: the parents are missing
    EXPECT_TRUE(createFolders(deep));
    EXPECT_EQ(fileType(deep), fileFolder);
    ASSERT_TRUE(saveText(deep + "/File.TXT", "x"));
    EXPECT_EQ(fileType(deep + "/File.TXT"), fileFile);
    EXPECT_EQ(resolvePath(dir.path() + "/A/B/c/file.txt"), deep + "/File.TXT");
    EXPECT_EQ(loadText(dir.path() + "/a/B/C/FILE.txt").value_or(""), "x");
    EXPECT_EQ(resolvePath(dir.path() + "/a/none.txt"), dir.path() + "/a/none.txt");
    EXPECT_FALSE(loadText(dir.path() + "/a"));
}

TEST(Files, SaveReplacesWholeFileAndFailureKeepsTheOldOne) {
    TempFolder dir;
    const std::string path = dir.path() + "/settings.tsc";
    ASSERT_TRUE(saveText(path, "first version, rather long"));
    ASSERT_TRUE(saveText(path, "second"));
    EXPECT_EQ(loadText(path).value_or(""), "second");

    std::string error;
    EXPECT_FALSE(saveText(dir.path() + "/missing/x.tsc", "y", &error));
    EXPECT_NE(error.find("missing/x.tsc"), std::string::npos);

    if (::geteuid() != 0) { // root writes into read-only folders anyway
        ::chmod(dir.path().c_str(), 0555);
        EXPECT_FALSE(saveText(path, "third", &error));
        ::chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(loadText(path).value_or(""), "second");
    }
}

TEST(Files, LineReaderDropsLineEnds) {
    TempFolder dir;
    ASSERT_TRUE(saveText(dir.path() + "/l.txt", "one\r\ntwo\n\nthree"));
    LineReader reader(dir.path() + "/l.txt");
    ASSERT_TRUE(reader.ok());
    std::vector<std::string> lines;
    for (std::string line; reader.next(line);) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "three"}));
    EXPECT_FALSE(LineReader(dir.path() + "/none").ok());
}
