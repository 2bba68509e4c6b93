// The options record and its XML form.
#include "audio/TOptions.h"

#include "storage/XMLError.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>
#include <type_traits>

std::shared_ptr<TOptions> options;

namespace {

const char* const attributeNames[] = {"screenMode", "musicVol", "soundVol", "startingLevel"};

std::string volumeText(float volume) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, volume);
    return std::string(buffer, result.ptr);
}

// The whole text as one number (a finite one, for a volume); nothing when it is not.
template <class Number> std::optional<Number> readNumber(const std::string& text) {
    Number value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value)) return std::nullopt;
    }
    return value;
}

const TAttribute* findAttribute(const TXMLNode& node, const std::string& name) {
    for (const auto& attribute : node.attributes)
        if (attribute->name == name) return attribute.get();
    return nullptr;
}

} // namespace

TOptions::TOptions() {
    // The record starts from an empty element; toXml renames it and gives it the four attributes.
    xml = TXMLNode::Create("<item></item>");
    toXml();
}

void TOptions::toXml() {
    // The element is public: whoever changed its shape, it is put back before it is filled in.
    bool intact = xml && xml->attributes == xml->attributeArray &&
                  xml->attributeArray.size() == std::size(attributeNames);
    for (size_t i = 0; intact && i < std::size(attributeNames); ++i)
        intact = xml->attributeArray[i] && xml->attributeArray[i]->name == attributeNames[i];
    if (!intact) {
        if (!xml) xml = TXMLNode::Create("<item></item>");
        xml->_clear();
        for (const char* name : attributeNames) xml->appendAttribute(TAttribute::Create(name, ""));
    }
    xml->name = "settings";
    xml->attributeArray[0]->value = std::to_string(screenMode);
    xml->attributeArray[1]->value = volumeText(musicVol);
    xml->attributeArray[2]->value = volumeText(soundVol);
    xml->attributeArray[3]->value = std::to_string(startingLevel);
}

void TOptions::save(const std::string& path) {
    toXml();
    xml->Save(path);
}

void TOptions::load(const std::string& path) {
    TXMLNode document;
    document.Load(path);
    if (document.name != "settings") throw XMLError("not a settings document: " + path);
    // Every value is checked before any option changes.
    auto read = [&](const char* name, auto& option) {
        const TAttribute* attribute = findAttribute(document, name);
        if (!attribute) return;
        const auto value = readNumber<std::remove_reference_t<decltype(option)>>(attribute->value);
        if (!value) {
            throw XMLError("the value '" + attribute->value + "' of " + attribute->name +
                           " is not a number in " + path);
        }
        option = *value;
    };
    int newScreenMode = screenMode;
    float newMusicVol = musicVol;
    float newSoundVol = soundVol;
    int newStartingLevel = startingLevel;
    read("screenMode", newScreenMode);
    read("musicVol", newMusicVol);
    read("soundVol", newSoundVol);
    read("startingLevel", newStartingLevel);
    screenMode = newScreenMode;
    musicVol = newMusicVol;
    soundVol = newSoundVol;
    startingLevel = newStartingLevel;
    toXml();
}
