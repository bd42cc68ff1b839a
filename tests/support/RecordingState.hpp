#pragma once

#include "app/State.hpp"

#include <functional>
#include <string>
#include <vector>

/// A screen that writes every call it receives into a shared log as
/// "<name>.<call>", and can run a scripted action from its handleInput.
class RecordingState : public State
{
public:
    using Action = std::function<void(sf::RenderWindow&, StateStack&, Application&)>;

    RecordingState(std::string name, std::vector<std::string>& log, Action onInput = {})
        : name(std::move(name)), log(log), onInput(std::move(onInput))
    {
    }
    ~RecordingState() override { log.push_back(name + ".destroyed"); }

    void handleInput(sf::RenderWindow& window, StateStack& states, Application& app) override
    {
        log.push_back(name + ".handleInput");
        if (onInput)
            onInput(window, states, app); // may destroy this screen: nothing after it
    }
    void update(float dt, sf::RenderWindow&) override
    {
        log.push_back(name + ".update");
        lastDt = dt;
    }
    void render(sf::RenderWindow&) override { log.push_back(name + ".render"); }
    void onResize(sf::Vector2u newSize) override
    {
        log.push_back(name + ".onResize " + std::to_string(newSize.x) + "x" +
                      std::to_string(newSize.y));
    }

    float lastDt = -1.f;

private:
    std::string name;
    std::vector<std::string>& log;
    Action onInput;
};
