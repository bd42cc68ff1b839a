#pragma once

#include "app/Application.hpp"
#include "kit/ScriptedSource.hpp"
#include "support/RecordingAudio.hpp"
#include "support/ScratchDirectory.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

/// A whole game on scripted input in a scratch directory, driven frame by
/// frame, its sound recorded. Tests that want a settings file write it before
/// startGame.
class RunningGame : public testing::Test
{
protected:
    /// Builds the application, which opens its window and the menu.
    void startGame();

    /// One frame of 1/60 s, or `dt` seconds.
    void frame(float dt = 1.f / 60);

    /// The top screen as a `Screen`; fails the test when it is another one.
    template <class Screen> Screen& top()
    {
        auto* screen = dynamic_cast<Screen*>(&app->getStates().top());
        if (screen == nullptr)
            throw std::logic_error("the top screen is another one");
        return *screen;
    }
    template <class Screen> bool onTop()
    {
        return dynamic_cast<Screen*>(&app->getStates().top()) != nullptr;
    }

    /// Puts the mouse in the middle of `area`, with the left button held or up.
    void pointAt(const sf::FloatRect& area, bool held);

    /// A left press event (the button is then held) in the middle of `area`.
    void press(const sf::FloatRect& area);

    /// A quick click in the middle of `area`: press and release both arrive
    /// before the next frame, so the button is already up when it runs.
    void tap(const sf::FloatRect& area);

    void queueMouseButton(sf::Event::EventType type);

    ScratchDirectory dir;
    ScriptedSource* input = nullptr;
    RecordingAudio* audio = nullptr;
    std::unique_ptr<Application> app;
};
