// Headless test helpers.
#include "Headless.h"

#include "platform/Draw.h"
#include "platform/Files.h"
#include "platform/Graphics.h"
#include "platform/Headless.h"
#include "platform/System.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace testing_support {

std::string dataPath(const std::string& relative) {
    const char* env = std::getenv("TESSARO_DATA");
    const std::string root = env && *env ? env : TESSARO_DATA_PATH;
    return root + "/" + relative;
}

platform::ImageFontPtr testFont(int size) {
    std::string path = dataPath("gfx/bluehigh.ttf");
    if (!std::filesystem::exists(path)) path = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
    return platform::ImageFont::load(path, size);
}

void enterDataTree() {
    ASSERT_TRUE(platform::setCurrentFolder(dataPath(""))) << "no data tree at " << dataPath("");
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaro-test-XXXXXX").string();
    char* made = ::mkdtemp(pattern.data());
    path_ = made ? made : "";
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

TempHome::TempHome() {
    if (const char* home = std::getenv("HOME")) {
        previous_ = home;
        hadPrevious_ = true;
    }
    ::setenv("HOME", folder_.path().c_str(), 1);
}

TempHome::~TempHome() {
    if (hadPrevious_) {
        ::setenv("HOME", previous_.c_str(), 1);
    } else {
        ::unsetenv("HOME");
    }
}

MessageRecorder::MessageRecorder() {
    platform::setMessageSink([this](const std::string&, const std::string& text) { texts_.push_back(text); });
}

MessageRecorder::~MessageRecorder() {
    platform::setMessageSink(nullptr);
}

void HeadlessTest::SetUp() {
    platform::headless::reset();
    platform::headless::useVirtualClock(true);
    ASSERT_TRUE(platform::openGraphics(800, 600, false));
    platform::setBlend(platform::blendAlpha);
    platform::setColour(255, 255, 255);
    platform::setAlpha(1);
    platform::setScale(1, 1);
    platform::setRotation(0);
    platform::cls();
}

void HeadlessTest::TearDown() {
    platform::headless::reset();
}

platform::PixmapPtr HeadlessTest::canvas() {
    return platform::grabPixmap(0, 0, 800, 600);
}

uint32_t HeadlessTest::pixel(int x, int y) {
    return platform::grabPixmap(x, y, 1, 1)->read(0, 0);
}

std::string HeadlessTest::saveCanvas(const std::string& name) {
    const std::string folder = std::string(TESSARO_BINARY_PATH) + "/test-frames";
    platform::createFolders(folder);
    const std::string path = folder + "/" + name + ".png";
    platform::savePng(*canvas(), path);
    return path;
}

bool writeToneWav(const std::string& path, int samples) {
    std::vector<uint8_t> bytes(44 + static_cast<size_t>(samples) * 2);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&bytes[at], &v, 4); };
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&bytes[at], &v, 2); };
    std::memcpy(&bytes[0], "RIFF", 4);
    put32(4, static_cast<uint32_t>(36 + samples * 2));
    std::memcpy(&bytes[8], "WAVEfmt ", 8);
    put32(16, 16);    // format chunk size
    put16(20, 1);     // PCM
    put16(22, 1);     // mono
    put32(24, 44100); // samples per second
    put32(28, 88200); // bytes per second
    put16(32, 2);     // bytes per frame
    put16(34, 16);    // bits per sample
    std::memcpy(&bytes[36], "data", 4);
    put32(40, static_cast<uint32_t>(samples * 2));
    for (int i = 0; i < samples; ++i) {
        put16(44 + static_cast<size_t>(i) * 2,
              static_cast<uint16_t>(static_cast<int16_t>(6000 * std::sin(i * 0.03))));
    }
    return platform::saveBytes(path, bytes);
}

bool closeColour(uint32_t a, uint32_t b, int tolerance) {
    auto near = [&](uint32_t x, uint32_t y) {
        return std::abs(static_cast<int>(x) - static_cast<int>(y)) <= tolerance;
    };
    return near(platform::redOf(a), platform::redOf(b)) && near(platform::greenOf(a), platform::greenOf(b)) &&
           near(platform::blueOf(a), platform::blueOf(b));
}

} // namespace testing_support
