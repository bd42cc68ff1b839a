#include "app/Application.hpp"

#include "app/ClearColor.hpp"
#include "app/FpsCounter.hpp"
#include "audio/DeviceAudio.hpp"
#include "audio/SilentAudio.hpp"
#include "controls/RealInput.hpp"
#include "platform/ErrorBox.hpp"
#include "platform/HeapRetention.hpp"
#include "platform/Utf8.hpp"

#include <iostream>
#include <stdexcept>

namespace
{
const char* const windowTitle = "Игровое меню";
const char* const fontFileName = "engo.ttf";
constexpr unsigned frameRateLimit = 60;
} // namespace

Application::Application(const ScreenList& screens)
    : Application(screens, std::make_unique<RealInput>(), openAudioAfterFirstFrame(std::cerr))
{
}

Application::Application(const ScreenList& screens, std::unique_ptr<InputSource> input,
                         std::unique_ptr<Audio> audio)
    : audio(audio ? std::move(audio) : std::make_unique<SilentAudio>()), input(std::move(input)),
      settings(loadSettings())
{
    createWindow();
    if (!font.loadFromFile(fontFileName))
    {
        std::cerr << "Ошибка загрузки шрифта" << std::endl;
        throw std::runtime_error("Не удалось загрузить шрифт");
    }
    screens(*this);
    states.push(ScreenId::Menu, window.getSize());
    changesShown = states.changeCount();
}

void Application::createWindow()
{
    if (settings.fullscreen)
        window.create(sf::VideoMode::getDesktopMode(), fromUtf8(windowTitle),
                      sf::Style::Fullscreen);
    else
        window.create(sf::VideoMode(settings.width, settings.height, 32), fromUtf8(windowTitle),
                      sf::Style::Default);
    window.setFramerateLimit(frameRateLimit);
    input.watchWindow(window);
}

void Application::run()
{
    sf::Clock frameClock;
    sf::Clock fpsClock;
    FpsCounter fps(std::cout);
    while (window.isOpen())
    {
        runFrame(clampFrameTime(frameClock.restart()));
        if (fps.frameShown(fpsClock.getElapsedTime()))
            fpsClock.restart();
    }
}

void Application::runFrame(float dt)
{
    // The top is read afresh before each step: a screen may have replaced or
    // popped itself in handleInput, and the new top runs in this same frame.
    noteNewScreen();
    if (!states.empty())
        states.top().handleInput(window, states, *this);
    noteNewScreen();
    // A window closed in this frame stays closed.
    if (keys.takeFullscreenToggle() && window.isOpen())
        toggleFullscreen();
    if (keys.takeMuteToggle())
        audio->toggleMute();
    if (!states.empty())
        states.top().update(dt, window);
    audio->update(dt);
    window.clear(clearColor());
    if (!states.empty())
        states.top().render(window);
    window.display();
    // A screen that left, or a window re-made, and the drawing of their last
    // frame, have let go of their memory by the time the next frame is shown;
    // much of it lies between blocks still in use, where freeing alone never
    // gives it back. Hand it back now, or the process keeps it for good.
    if (states.changeCount() != changesShown || windowRemade)
        HeapRetention::releaseFreed();
    changesShown = states.changeCount();
    windowRemade = false;
}

void Application::noteNewScreen()
{
    if (states.changeCount() == changesNoted)
        return;
    input.newScreen();
    changesNoted = states.changeCount();
}

void Application::applySettings(const Settings& newSettings)
{
    // Said on standard error each time; in a box only once, not at each change.
    if (!saveSettings(newSettings) && !savingFailureShown)
    {
        savingFailureShown = true;
        showErrorBox("Не удалось сохранить настройки");
    }
    settings = newSettings;
    window.close();
    createWindow();
    windowRemade = true;
    if (!states.empty())
        states.top().onResize(window.getSize());
}

void Application::toggleFullscreen()
{
    Settings toggled = settings;
    toggled.fullscreen = !toggled.fullscreen;
    applySettings(toggled);
}
