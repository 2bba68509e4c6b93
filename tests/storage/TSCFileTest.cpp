// The TSC file object and the free functions: lookups in any letter case, setters, the writer's
// layout, round trips through the disk, and saves that fail.
#include "StorageTest.h"

#include "storage/TSCError.h"
#include "storage/TSCFunctions.h"
#include "storage/TSCNumber.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

TEST(TSCFileTest, PathsAndNamesMatchInAnyLetterCase) {
    const auto file = CreateTSCFile();
    file->LoadText("Profile{\n\tlines{\n\t\tl1=\"0 0 10 0\"\n\t\tilosc=1\n\t}\n}\n");
    EXPECT_EQ(GetTSCStringKey(file, "Profile::Lines", "L1"), "0 0 10 0");
    EXPECT_EQ(GetTSCNumberKey(file, "PROFILE::LINES", "Ilosc"), 1.0f);
    ASSERT_EQ(GetTSCKeyList(file, "profile::lines").size(), 2u);
    ASSERT_EQ(GetTSCGroupList(file, "PROFILE").size(), 1u);
    EXPECT_EQ(GetTSCGroupList(file, "PROFILE")[0]->name, "lines");
    EXPECT_TRUE(GetTSCKeyList(file, "Profile").empty());
}

TEST(TSCFileTest, MissingKeys) {
    const auto file = CreateTSCFile();
    file->LoadText("options{\n\tsound=5\n}\n");
    EXPECT_EQ(errorOf<TSCError>([&] { GetTSCNumberKey(file, "options", "music"); }),
              "The key options::music does not exist");

    testing::internal::CaptureStdout();
    const std::string value = GetTSCStringKey(file, "Options", "music");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "The key Options::music does not exist\n");
    EXPECT_EQ(value, "");

    // An index that was never set reads as empty and as 0.
    EXPECT_EQ(GetTSCStringKey(file, "options", "sound", 1), "");
    EXPECT_EQ(GetTSCNumberKey(file, "options", "sound", 7), 0.0f);
    EXPECT_EQ(GetTSCNumberKey(file, "options", "sound", -1), 0.0f);
}

TEST(TSCFileTest, NumbersAreWrittenInTheCForm) {
    EXPECT_EQ(FormatTSCNumber(3.0f), "3.00000000");
    EXPECT_EQ(FormatTSCNumber(0.5f), "0.500000000");
    const float values[] = {0.0f,  -0.0f, 1.0f,         -2.25f,  123456789.0f, 999999999.0f, 1e9f,
                            1e10f, 1e-4f, 9.9999e-5f,   1e-5f,   -3.4e38f,     FLT_MIN,      1e-45f,
                            0.1f,  0.05f, 0.333333343f, 640.25f, 99999.99f,    9.99999999f};
    for (float v : values) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%#.9g", static_cast<double>(v));
        EXPECT_EQ(FormatTSCNumber(v), expected) << v;
        EXPECT_EQ(ParseTSCNumber(FormatTSCNumber(v)), v) << v;
    }
    // Values that have no text in the format still read back as numbers.
    EXPECT_EQ(FormatTSCNumber(std::nanf("")), "0.00000000");
    EXPECT_EQ(ParseTSCNumber(FormatTSCNumber(INFINITY)), FLT_MAX);
    EXPECT_EQ(ParseTSCNumber(FormatTSCNumber(-INFINITY)), -FLT_MAX);
}

TEST(TSCFileTest, TextReadAsANumber) {
    const std::pair<std::string, float> cases[] = {{"12abc", 12.0f},
                                                   {"abc", 0.0f},
                                                   {"", 0.0f},
                                                   {"-", 0.0f},
                                                   {"inf", 0.0f},
                                                   {"nan", 0.0f},
                                                   {"+5", 0.0f},
                                                   {"1e999", FLT_MAX},
                                                   {"-1e999", -FLT_MAX},
                                                   {"1e-999", 0.0f},
                                                   {"1e39", FLT_MAX},
                                                   {"0." + std::string(400, '0') + "1", 0.0f},
                                                   {std::string(400, '9'), FLT_MAX}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseTSCNumber(text), value) << text;
}

TEST(TSCFileTest, SettersStoreTextAndGrowTheKey) {
    const auto file = CreateTSCFile();
    CreateTSCGroup(file, "", "options");
    SetTSCNumberKey(file, "options", "sound", 0.5f);
    SetTSCNumberKey(file, "Options", "wh", 6.0f, 1);
    SetTSCStringKey(file, "options", "Name", "Dorvin");
    SetTSCStringKey(file, "options", "name", "Ala");
    const auto wh = file->ResolveKey("options", "wh");
    ASSERT_TRUE(wh);
    EXPECT_EQ(wh->values, (std::vector<std::string>{"", "6.00000000"}));
    EXPECT_EQ(wh->types, (std::vector<int>{tscPlainValue, tscNumberValue}));
    EXPECT_EQ(GetTSCStringKey(file, "options", "sound"), "0.500000000");
    EXPECT_EQ(GetTSCStringKey(file, "options", "NAME"), "Ala");
    EXPECT_EQ(file->keys().size(), 3u);
    // A value that never got set is written as an empty string, so the file reads back.
    EXPECT_EQ(file->ToText(), "options{\n\tsound=0.500000000\n\twh=\"\",6.00000000\n\tName=\"Ala\"\n}\n");
}

TEST(TSCFileTest, BadNamesIndexesAndDepthsAreRefused) {
    const auto file = CreateTSCFile();
    EXPECT_EQ(errorOf<TSCError>([&] { CreateTSCGroup(file, "", "my group"); }),
              "ERROR: \"my group\" is not a valid group name");
    EXPECT_EQ(errorOf<TSCError>([&] { SetTSCStringKey(file, "", "define", "x"); }),
              "ERROR: \"define\" is not a valid key name");
    EXPECT_EQ(errorOf<TSCError>([&] { SetTSCStringKey(file, "a::", "k", "x"); }),
              "ERROR: \"a::\" is not a valid group path");
    EXPECT_EQ(errorOf<TSCError>([&] { SetTSCNumberKey(file, "g", "k", 1.0f, 100); }),
              "ERROR: Value index 100 of the key g::k is out of range (a key holds at most 100 values)");
    EXPECT_NE(errorOf<TSCError>([&] { SetTSCNumberKey(file, "g", "k", 1.0f, -1); }), "");
    std::string deep = "g";
    for (int i = 1; i < 100; ++i) deep += "::g";
    EXPECT_NO_THROW(CreateTSCGroup(file, deep.substr(0, deep.size() - 3), "g"));
    EXPECT_NE(errorOf<TSCError>([&] { CreateTSCGroup(file, deep, "g"); }), "");
    EXPECT_THROW(CreateTSCGroup(nullptr, "", "g"), TSCError);
    EXPECT_TRUE(file->keys().empty());
    // The refused calls left nothing half made; the file still reads back.
    TTSCFile copy;
    EXPECT_NO_THROW(copy.LoadText(file->ToText()));
    EXPECT_EQ(copy.groups().size(), 100u);
}

TEST(TSCFileTest, SaveWritesKeysBeforeSubgroupsAndNumbersAsRead) {
    const auto file = CreateTSCFile();
    file->LoadText("top=1\n"
                   "Profile{\n"
                   "  sub{ x=1 }\n"
                   "  b=007,-.5,\"s\"\n"
                   "  #define D 3\n"
                   "  c=D\n"
                   "  sub { y=2.50 }\n"
                   "}\n"
                   "profile{ z='q' }\n");
    EXPECT_EQ(file->ToText(), "top=1\n"
                              "Profile{\n"
                              "\tb=007,-.5,\"s\"\n"
                              "\tc=3\n"
                              "\tz=\"q\"\n"
                              "\tsub{\n"
                              "\t\tx=1\n"
                              "\t\ty=2.50\n"
                              "\t}\n"
                              "}\n");
    // Saving what was read gives the same text again: nothing grows or moves on the next save.
    TTSCFile again;
    again.LoadText(file->ToText());
    EXPECT_EQ(again.ToText(), file->ToText());
    EXPECT_EQ(file->SaveGroup(*file->groups()[1], "\t"), "\tsub{\n\t\tx=1\n\t\ty=2.50\n\t}\n");
}

TEST(TSCFileTest, GroupAddressedInAnotherCaseIsWrittenOnce) {
    const auto file = CreateTSCFile();
    CreateTSCGroup(file, "", "Profile");
    CreateTSCGroup(file, "Profile", "groups");
    CreateTSCGroup(file, "Profile::Groups", "g1");
    SetTSCNumberKey(file, "Profile::Groups::g1", "pos", 10.5f, 0);
    SetTSCNumberKey(file, "Profile::Groups::g1", "pos", 20.0f, 1);
    SetTSCNumberKey(file, "Profile::Groups", "ilosc", 1.0f);
    // A key in a group nobody made: the group is made for it, so the key is written.
    SetTSCStringKey(file, "Extra::inner", "k", "v");
    EXPECT_EQ(file->ToText(), "Profile{\n"
                              "\tgroups{\n"
                              "\t\tilosc=1.00000000\n"
                              "\t\tg1{\n"
                              "\t\t\tpos=10.5000000,20.0000000\n"
                              "\t\t}\n"
                              "\t}\n"
                              "}\n"
                              "Extra{\n"
                              "\tinner{\n"
                              "\t\tk=\"v\"\n"
                              "\t}\n"
                              "}\n");
}

TEST(TSCFileTest, EveryValueSurvivesSaveAndLoad) {
    TempFolder folder;
    const std::string path = folder.file("round.tsc");
    const auto file = CreateTSCFile();
    file->LoadText("#define P \"a path\"\n#define N -4.5\n#define I other\ng{ p=P,N,I }\n");
    const std::string strings[] = {
        "plain", "with \"quotes\"", "back\\slash\\", "line\nbreak\ttab", std::string("nul\0byte", 8),
        "",      "'single'",        "\xC3\xA9\xFF"};
    for (int i = 0; i < 8; ++i) SetTSCStringKey(file, "g::s", "v", strings[i], i);
    const float numbers[] = {0.0f, -1.5f, 3e-7f, 1e12f, -FLT_MAX, 0.1f, 640.0f};
    for (int i = 0; i < 7; ++i) SetTSCNumberKey(file, "g::n", "v", numbers[i], i);
    SetTSCStringKey(file, "", "top", "outside every group");
    SaveTSCFile(file, path);

    const auto loaded = CreateTSCFile();
    testing::internal::CaptureStdout();
    LoadTSCFile(loaded, path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Laduje plik:" + path + "\n");
    for (int i = 0; i < 8; ++i) EXPECT_EQ(GetTSCStringKey(loaded, "G::S", "v", i), strings[i]) << i;
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(GetTSCNumberKey(loaded, "g::n", "v", i), numbers[i]) << i;
        EXPECT_EQ(GetTSCStringKey(loaded, "g::n", "v", i), FormatTSCNumber(numbers[i])) << i;
    }
    EXPECT_EQ(GetTSCStringKey(loaded, "g", "p", 0), "a path");
    EXPECT_EQ(GetTSCNumberKey(loaded, "g", "p", 1), -4.5f);
    EXPECT_EQ(GetTSCStringKey(loaded, "g", "p", 2), "other");
    EXPECT_EQ(GetTSCStringKey(loaded, "", "top"), "outside every group");
    EXPECT_EQ(loaded->ToText(), file->ToText());
}

TEST(TSCFileTest, UnreadableFileIsAnError) {
    TempFolder folder;
    const auto file = CreateTSCFile();
    testing::internal::CaptureStdout();
    const std::string message = errorOf<TSCError>([&] { LoadTSCFile(file, folder.file("none.tsc")); });
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(message, "ERROR: Cannot read the file " + folder.file("none.tsc"));
}

TEST(TSCFileTest, SaveThatCannotWriteRaisesAndKeepsEverything) {
    TempFolder folder;
    const auto file = CreateTSCFile();
    SetTSCNumberKey(file, "options", "music", 7.0f);
    const std::string missing = folder.file("no/such/folder/options.tsc");
    const std::string message = errorOf<TSCError>([&] { SaveTSCFile(file, missing); });
    EXPECT_NE(message.find("ERROR: "), std::string::npos) << message;
    EXPECT_NE(message.find(missing), std::string::npos) << message;
    // The values are still there and can be saved elsewhere.
    const std::string good = folder.file("options.tsc");
    SaveTSCFile(file, good);
    EXPECT_EQ(TempFolder::read(good), "options{\n\tmusic=7.00000000\n}\n");
}

// A write that fails half-way (here: the file size limit) leaves the old file as it was.
TEST(TSCFileTest, FailedSaveLeavesTheOldFileIntact) {
    TempFolder folder;
    const std::string path = folder.file("profile.tsc");
    const std::string old = "Profile{\n\tlevel=0.00000000\n}\n";
    TempFolder::write(path, old);
    const auto file = CreateTSCFile();
    for (int i = 0; i < 200; ++i)
        SetTSCStringKey(file, "Profile::lines", "l" + std::to_string(i), "0 0 800 600");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = errorOf<TSCError>([&] { SaveTSCFile(file, path); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_NE(message, "");
    EXPECT_EQ(TempFolder::read(path), old);
    SaveTSCFile(file, path);
    EXPECT_EQ(GetTSCStringKey(file, "profile::LINES", "l199"), "0 0 800 600");
}

} // namespace
