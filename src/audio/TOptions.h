// The live music and sound-effect volumes that the audio functions read (the global `options`), and
// the record's XML form: one "settings" element with the attributes screenMode, musicVol, soundVol
// and startingLevel, in that order.
#pragma once

#include "storage/TXMLNode.h"

#include <memory>
#include <string>

class TOptions {
  public:
    float musicVol = 0.5f;
    float soundVol = 0.8f;
    int screenMode = 0; // 1 = full screen
    int startingLevel = 0;
    // The record as an element; attributeArray entries 0 to 3 hold the four options as text.
    std::shared_ptr<TXMLNode> xml;

    TOptions();

    // Writes the four options as one XML document (XMLError when the file cannot be written).
    void save(const std::string& path);
    // Reads the options back. A file that cannot be read, is not a settings document or holds a value
    // that is not a number raises XMLError and changes nothing; a missing attribute keeps its option.
    void load(const std::string& path);

  private:
    void toXml();
};

extern std::shared_ptr<TOptions> options;
