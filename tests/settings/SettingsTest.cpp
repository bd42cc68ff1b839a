#include "settings/Settings.hpp"

#include "support/ScratchDirectory.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace
{
Settings read(const std::string& text)
{
    std::istringstream in(text);
    return readSettings(in);
}

struct ReadCase
{
    const char* file;
    Settings expected;
};

class SettingsReaderTest : public testing::TestWithParam<ReadCase>
{
};
} // namespace

TEST_P(SettingsReaderTest, ReadsWhatTheFileSays)
{
    const Settings got = read(GetParam().file);
    EXPECT_EQ(got.width, GetParam().expected.width) << GetParam().file;
    EXPECT_EQ(got.height, GetParam().expected.height) << GetParam().file;
    EXPECT_EQ(got.fullscreen, GetParam().expected.fullscreen) << GetParam().file;
}

INSTANTIATE_TEST_SUITE_P(
    WellFormedFiles, SettingsReaderTest,
    testing::Values(ReadCase{"", {800, 600, false}},
                    ReadCase{"width=1280\nheight=720\n", {1280, 720, false}},
                    ReadCase{"fullscreen=1\nheight=1080\nwidth=1920\n", {1920, 1080, true}},
                    ReadCase{"width=1024\nwidth=1280\n", {1280, 600, false}},
                    ReadCase{"width=1366\nheight=768", {1366, 768, false}},
                    ReadCase{"width=1280\r\nheight=720\r\nfullscreen=1\r\n", {1280, 720, true}},
                    ReadCase{"fullscreen=1\r", {800, 600, true}}));

INSTANTIATE_TEST_SUITE_P(ValuesReadLikeStrtol, SettingsReaderTest,
                         testing::Values(ReadCase{"width=1280px\n", {1280, 600, false}},
                                         ReadCase{"width= 1280\n", {1280, 600, false}},
                                         ReadCase{"width=\t+1024\n", {1024, 600, false}},
                                         ReadCase{"width=1e3\n", {1, 600, false}},
                                         ReadCase{"height=720=x\n", {800, 720, false}}));

INSTANTIATE_TEST_SUITE_P(
    FullscreenIsExactlyOne, SettingsReaderTest,
    testing::Values(ReadCase{"fullscreen=true\n", {800, 600, false}},
                    ReadCase{"fullscreen=yes\n", {800, 600, false}},
                    ReadCase{"fullscreen=1 \n", {800, 600, false}},
                    ReadCase{"fullscreen= 1\n", {800, 600, false}},
                    ReadCase{"fullscreen=1\nfullscreen=0\n", {800, 600, false}},
                    ReadCase{"fullscreen=1\nfullscreen=\n", {800, 600, true}}));

INSTANTIATE_TEST_SUITE_P(
    MalformedLinesAreSkipped, SettingsReaderTest,
    testing::Values(ReadCase{"WIDTH=1280\n", {800, 600, false}},
                    ReadCase{"width =1280\n", {800, 600, false}},
                    ReadCase{"width\n1280\n\n=1280\n", {800, 600, false}},
                    ReadCase{"width=\nheight=\n", {800, 600, false}},
                    ReadCase{"width=px\n", {800, 600, false}},
                    ReadCase{"width=0\nheight=-1\n", {800, 600, false}},
                    ReadCase{"width=-0\n", {800, 600, false}},
                    ReadCase{"width=99999999999\nheight=4294968096\n", {800, 600, false}},
                    ReadCase{"width=16385\nheight=16384\n", {800, 16384, false}},
                    ReadCase{"width=16384\nheight=16385\n", {16384, 600, false}},
                    ReadCase{"width=1\nheight=1\n", {1, 1, false}},
                    ReadCase{"width=0x500\n", {800, 600, false}},
                    ReadCase{"width=1280\nwidth=oops\n", {1280, 600, false}}));

TEST(SettingsFile, MissingFileGivesTheDefaultsAndIsNotCreated)
{
    ScratchDirectory dir;
    EXPECT_EQ(loadSettings(), Settings{});
    EXPECT_FALSE(std::filesystem::exists("settings.cfg"));
}

TEST(SettingsFile, SavesThreeLinesAndReadsThemBack)
{
    ScratchDirectory dir;
    const Settings saved{1920, 1080, true};
    ASSERT_TRUE(saveSettings(saved));
    EXPECT_EQ(dir.read("settings.cfg"), "width=1920\nheight=1080\nfullscreen=1\n");
    EXPECT_EQ(loadSettings(), saved);
    EXPECT_FALSE(std::filesystem::exists("settings.cfg.tmp"));

    ASSERT_TRUE(saveSettings(Settings{}));
    EXPECT_EQ(dir.read("settings.cfg"), "width=800\nheight=600\nfullscreen=0\n");
}

TEST(SettingsFile, FailedSaveKeepsTheOldFileAndSaysSo)
{
    ScratchDirectory dir;
    dir.write("settings.cfg", "width=1366\nheight=768\nfullscreen=0\n");
    // The temporary file cannot be created where a directory of its name stands.
    std::filesystem::create_directory("settings.cfg.tmp");

    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveSettings({1920, 1080, true}));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Не удалось сохранить настройки\n");
    EXPECT_EQ(dir.read("settings.cfg"), "width=1366\nheight=768\nfullscreen=0\n");
    EXPECT_TRUE(std::filesystem::is_directory("settings.cfg.tmp"));
}

TEST(SettingsFile, SettingsPathThatIsADirectoryReadsAsDefaultsAndFailsToSave)
{
    ScratchDirectory dir;
    std::filesystem::create_directory("settings.cfg");
    EXPECT_EQ(loadSettings(), Settings{});

    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveSettings({1280, 720, false}));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Не удалось сохранить настройки\n");
    EXPECT_TRUE(std::filesystem::is_directory("settings.cfg"));
    EXPECT_FALSE(std::filesystem::exists("settings.cfg.tmp"));
}

TEST(SettingsFile, SavingThroughALinkReplacesItsTargetAndKeepsTheLink)
{
    // Links as a player or the launcher makes them: a relative chain of two,
    // and the real file in a directory of its own.
    ScratchDirectory dir;
    std::filesystem::create_directories("config");
    std::filesystem::create_directories("run");
    dir.write("config/settings.cfg", "width=1366\nheight=768\nfullscreen=0\n");
    std::filesystem::create_directory_symlink("../config", "run/linked");
    std::filesystem::create_symlink("linked/settings.cfg", "run/settings.cfg");

    ASSERT_TRUE(saveSettings({1280, 720, false}, "run/settings.cfg"));
    EXPECT_EQ(dir.read("config/settings.cfg"), "width=1280\nheight=720\nfullscreen=0\n");
    EXPECT_TRUE(std::filesystem::is_symlink("run/settings.cfg"));
    EXPECT_EQ(std::filesystem::read_symlink("run/settings.cfg"), "linked/settings.cfg");
    EXPECT_EQ(loadSettings("run/settings.cfg"), (Settings{1280, 720, false}));
    EXPECT_FALSE(std::filesystem::exists("config/settings.cfg.tmp"));
    EXPECT_FALSE(std::filesystem::exists("run/settings.cfg.tmp"));

    // A link whose file does not exist yet: the first save creates the file.
    std::filesystem::create_symlink("config/first.cfg", "first.cfg");
    ASSERT_TRUE(saveSettings({1920, 1080, true}, "first.cfg"));
    EXPECT_TRUE(std::filesystem::is_symlink("first.cfg"));
    EXPECT_EQ(dir.read("config/first.cfg"), "width=1920\nheight=1080\nfullscreen=1\n");

    // Two file links in a row: the file at the end of the chain is written.
    std::filesystem::create_symlink("first.cfg", "second.cfg");
    ASSERT_TRUE(saveSettings({1366, 768, false}, "second.cfg"));
    EXPECT_TRUE(std::filesystem::is_symlink("first.cfg"));
    EXPECT_EQ(dir.read("config/first.cfg"), "width=1366\nheight=768\nfullscreen=0\n");
}

TEST(SettingsFile, FailedSaveThroughALinkLeavesTheLinkAndItsTargetAsTheyWere)
{
    ScratchDirectory dir;
    std::filesystem::create_directories("config");
    dir.write("config/settings.cfg", "width=1366\nheight=768\nfullscreen=0\n");
    std::filesystem::create_symlink("config/settings.cfg", "settings.cfg");
    // The temporary file belongs beside the target, where it cannot be made.
    std::filesystem::create_directory("config/settings.cfg.tmp");

    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveSettings({1920, 1080, true}));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Не удалось сохранить настройки\n");
    EXPECT_EQ(dir.read("config/settings.cfg"), "width=1366\nheight=768\nfullscreen=0\n");
    EXPECT_TRUE(std::filesystem::is_symlink("settings.cfg"));
    EXPECT_EQ(std::filesystem::read_symlink("settings.cfg"), "config/settings.cfg");
    EXPECT_FALSE(std::filesystem::exists("settings.cfg.tmp"));

    // Links that lead round in a loop name no file: nothing is written.
    std::filesystem::create_symlink("loop-b.cfg", "loop-a.cfg");
    std::filesystem::create_symlink("loop-a.cfg", "loop-b.cfg");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveSettings({1920, 1080, true}, "loop-a.cfg"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Не удалось сохранить настройки\n");
    EXPECT_EQ(std::filesystem::read_symlink("loop-a.cfg"), "loop-b.cfg");
    EXPECT_EQ(std::filesystem::read_symlink("loop-b.cfg"), "loop-a.cfg");
    EXPECT_FALSE(std::filesystem::exists("loop-a.cfg.tmp"));
    EXPECT_FALSE(std::filesystem::exists("loop-b.cfg.tmp"));
}
