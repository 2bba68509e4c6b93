// Helpers for tests that run real game code headless: the graphics mode on the dummy video driver
// with the software renderer, the virtual clock, a fresh home folder and recorded messages.
#pragma once

#include "platform/Font.h"
#include "platform/Pixmap.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// Path of a file in the generated data tree.
std::string dataPath(const std::string& relative);
// The game's font at `size` pixels: from the data tree once it exists, else the same face from the
// system package it is copied from.
platform::ImageFontPtr testFont(int size);
// Makes the data tree the current folder (the game's asset paths are relative to it).
void enterDataTree();

// A fresh, empty folder that is removed again at the end of the test.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Points HOME at a fresh temporary folder for the lifetime of the object.
class TempHome {
  public:
    TempHome();
    ~TempHome();
    const std::string& path() const { return folder_.path(); }

  private:
    TempFolder folder_;
    std::string previous_;
    bool hadPrevious_ = false;
};

// Records every message box shown while it lives.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    const std::vector<std::string>& texts() const { return texts_; }

  private:
    std::vector<std::string> texts_;
};

// A test with the 800 x 600 graphics mode open headless and the virtual clock running.
class HeadlessTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // The canvas as drawn so far in this frame.
    platform::PixmapPtr canvas();
    uint32_t pixel(int x, int y);
    // Writes the canvas to <build>/test-frames/<name>.png, for looking at.
    std::string saveCanvas(const std::string& name);
};

// Writes a mono 16-bit 44.1 kHz WAV file holding a soft sine tone of `samples` samples; false when it
// cannot be written.
bool writeToneWav(const std::string& path, int samples);

// Colour distance helper: true when the two pixels' colour channels differ by at most `tolerance`.
bool closeColour(uint32_t a, uint32_t b, int tolerance);

} // namespace testing_support
