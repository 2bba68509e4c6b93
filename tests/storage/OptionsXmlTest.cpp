// The options record's XML form: its element after construction, saving, and loading good and bad
// documents.
#include "StorageTest.h"

#include "audio/TOptions.h"
#include "storage/XMLError.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionsXmlTest, NewRecordIsASettingsElementWithFourAttributes) {
    TOptions record;
    EXPECT_EQ(record.musicVol, 0.5f);
    EXPECT_EQ(record.soundVol, 0.8f);
    EXPECT_EQ(record.xml->toString(),
              "<settings screenMode='0' musicVol='0.5' soundVol='0.8' startingLevel='0'></settings>");
    ASSERT_EQ(record.xml->attributeArray.size(), 4u);
    EXPECT_EQ(record.xml->attributeArray[3]->name, "startingLevel");
}

TEST(OptionsXmlTest, SaveAndLoadKeepEveryOption) {
    TempFolder folder;
    const std::string path = folder.file("options.dat");
    TOptions written;
    written.musicVol = 0.3f;
    written.soundVol = 1.0f;
    written.screenMode = 1;
    written.startingLevel = 4;
    written.save(path);
    EXPECT_EQ(TempFolder::read(path),
              "<settings screenMode='1' musicVol='0.3' soundVol='1' startingLevel='4'></settings>\r\n");

    TOptions read;
    read.load(path);
    EXPECT_EQ(read.musicVol, 0.3f);
    EXPECT_EQ(read.soundVol, 1.0f);
    EXPECT_EQ(read.screenMode, 1);
    EXPECT_EQ(read.startingLevel, 4);
    EXPECT_EQ(read.xml->toString(), written.xml->toString());
}

TEST(OptionsXmlTest, BadDocumentsChangeNothing) {
    TempFolder folder;
    const std::pair<std::string, std::string> cases[] = {
        {"<settings musicVol='0.1' soundVol='loud'/>", "the value 'loud' of soundVol is not a number in "},
        {"<settings screenMode='1.5'/>", "the value '1.5' of screenMode is not a number in "},
        {"<other musicVol='0.1'/>", "not a settings document: "},
        {"", "not a settings document: "}};
    for (const auto& [document, message] : cases) {
        const std::string path = folder.file("bad.dat");
        TempFolder::write(path, document);
        TOptions record;
        EXPECT_EQ(errorOf<XMLError>([&] { record.load(path); }), message + path) << document;
        EXPECT_EQ(record.musicVol, 0.5f) << document;
        EXPECT_EQ(record.soundVol, 0.8f) << document;
        EXPECT_EQ(record.screenMode, 0) << document;
    }
    TOptions record;
    EXPECT_THROW(record.load(folder.file("missing.dat")), XMLError);
}

TEST(OptionsXmlTest, MissingAttributesKeepTheirOptions) {
    TempFolder folder;
    const std::string path = folder.file("partial.dat");
    TempFolder::write(path, "<settings soundVol='0.25'/>");
    TOptions record;
    record.load(path);
    EXPECT_EQ(record.soundVol, 0.25f);
    EXPECT_EQ(record.musicVol, 0.5f);
    EXPECT_EQ(record.xml->toString(),
              "<settings screenMode='0' musicVol='0.5' soundVol='0.25' startingLevel='0'></settings>");
}

TEST(OptionsXmlTest, ElementChangedFromOutsideIsRebuiltOnSave) {
    TempFolder folder;
    TOptions record;
    record.xml->nodeValue("<junk/>");
    record.musicVol = 0.9f;
    record.save(folder.file("options.dat"));
    EXPECT_EQ(TempFolder::read(folder.file("options.dat")),
              "<settings screenMode='0' musicVol='0.9' soundVol='0.8' startingLevel='0'></settings>\r\n");
}

} // namespace
