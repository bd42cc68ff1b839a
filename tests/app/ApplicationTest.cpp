#include "app/Application.hpp"

#include "game/GameScreens.hpp"
#include "kit/ScriptedSource.hpp"
#include "menu/MenuState.hpp"
#include "support/RecordingState.hpp"
#include "support/ScratchDirectory.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>

using Log = std::vector<std::string>;

namespace
{
MenuState& bottomMenu(Application& app)
{
    auto* menu = dynamic_cast<MenuState*>(&app.getStates().top());
    if (menu == nullptr)
        throw std::logic_error("the top screen is not the menu");
    return *menu;
}
} // namespace

TEST(Application, OpensAtTheSizeTheSettingsFileGivesOrAt800x600)
{
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    struct Case
    {
        const char* file; // "": none
        sf::Vector2u size;
    };
    // In fullscreen the window takes the desktop's size, not the stored one.
    for (const Case c :
         {Case{"", {800, 600}}, Case{"width=1024\nheight=700\n", {1024, 700}},
          Case{"width=640\nheight=480\nfullscreen=1\n", {desktop.width, desktop.height}}})
    {
        ScratchDirectory dir;
        if (*c.file != '\0')
            dir.write("settings.cfg", c.file);
        Application app(registerGameScreens, std::make_unique<ScriptedSource>());
        EXPECT_EQ(app.getWindow().getSize(), c.size) << c.file;
        EXPECT_EQ(bottomMenu(app).getWindowSize(), c.size) << c.file;
        EXPECT_EQ(std::filesystem::exists("settings.cfg"), *c.file != '\0') << "never created";
        EXPECT_EQ(app.getSettings().fullscreen, std::strstr(c.file, "=1\n") != nullptr) << c.file;
    }
}

TEST(Application, MissingFontIsReportedAndThrown)
{
    ScratchDirectory dir({"engo.ttf"});
    testing::internal::CaptureStderr();
    try
    {
        Application app(registerGameScreens, std::make_unique<ScriptedSource>());
        FAIL() << "the application started without its font";
    }
    catch (const std::runtime_error& error)
    {
        EXPECT_STREQ(error.what(), "Не удалось загрузить шрифт");
    }
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Ошибка загрузки шрифта\n"),
              std::string::npos);
}

TEST(Application, ScreenThatReplacesItselfIsGoneAndItsSuccessorRunsTheSameFrame)
{
    ScratchDirectory dir;
    Log log; // outlives the application, whose screens write into it
    Application app(registerGameScreens, std::make_unique<ScriptedSource>());
    app.getStates().push(std::make_unique<RecordingState>(
        "game", log,
        [&log](sf::RenderWindow&, StateStack& states, Application&)
        {
            states.replace(std::make_unique<RecordingState>(
                "next", log, [](sf::RenderWindow&, StateStack& s, Application&) { s.pop(); }));
        }));

    app.runFrame(0.016f);
    EXPECT_EQ(log, (Log{"game.handleInput", "game.destroyed", "next.update", "next.render"}));

    // The successor pops itself next frame: the menu beneath runs on, untouched.
    log.clear();
    app.runFrame(0.016f);
    EXPECT_EQ(log, (Log{"next.handleInput", "next.destroyed"}));
    EXPECT_NO_THROW(bottomMenu(app));
    EXPECT_EQ(app.getStates().size(), 1u);
}

TEST(Application, ApplyingSettingsSavesRecreatesAndTellsOnlyTheTopScreen)
{
    ScratchDirectory dir;
    Log log; // outlives the application, whose screens write into it
    Application app(registerGameScreens, std::make_unique<ScriptedSource>());
    app.getStates().push(std::make_unique<RecordingState>("settings", log));

    app.applySettings({1280, 720, false});
    EXPECT_EQ(dir.read("settings.cfg"), "width=1280\nheight=720\nfullscreen=0\n");
    EXPECT_EQ(app.getSettings(), (Settings{1280, 720, false}));
    EXPECT_TRUE(app.getWindow().isOpen());
    EXPECT_EQ(app.getWindow().getSize(), sf::Vector2u(1280, 720));
    EXPECT_EQ(log, (Log{"settings.onResize 1280x720"}));

    // The same values again still rewrite the file and re-create the window.
    std::filesystem::remove("settings.cfg");
    app.applySettings({1280, 720, false});
    EXPECT_TRUE(std::filesystem::exists("settings.cfg"));

    // Fullscreen hands the top screen the desktop's size.
    app.applySettings({1280, 720, true});
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    EXPECT_EQ(log.back(), "settings.onResize " + std::to_string(desktop.width) + "x" +
                              std::to_string(desktop.height));

    // The menu beneath was not told.
    app.getStates().pop();
    EXPECT_EQ(bottomMenu(app).getWindowSize(), sf::Vector2u(800, 600));
}

TEST(Application, RunEndsWhenAScreenClosesTheWindowAfterFinishingThatFrame)
{
    ScratchDirectory dir;
    Log log; // outlives the application, whose screens write into it
    Application app(registerGameScreens, std::make_unique<ScriptedSource>());
    app.getStates().push(std::make_unique<RecordingState>(
        "closer", log,
        [](sf::RenderWindow& window, StateStack&, Application&) { window.close(); }));
    app.run();
    EXPECT_EQ(log, (Log{"closer.handleInput", "closer.update", "closer.render"}));
    EXPECT_FALSE(app.getWindow().isOpen());
}
