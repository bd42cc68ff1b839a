#include "controls/Input.hpp"

namespace
{
bool isGamepadInput(const sf::Event& event)
{
    return event.type == sf::Event::JoystickButtonPressed ||
           event.type == sf::Event::JoystickButtonReleased ||
           event.type == sf::Event::JoystickMoved;
}
} // namespace

Input::Input(std::unique_ptr<InputSource> source) : source(std::move(source)) {}

bool Input::pollEvent(sf::Window& window, InputEvent& event)
{
    if (!reading)
    {
        presses.beginEvents();
        state.getGamepad().readDirections();
        reading = true;
    }
    while (source->nextEvent(window, event))
    {
        state.noteEvent(event);
        if (!state.hasFocus() && isGamepadInput(event))
            continue;
        event.press = presses.feed(event);
        if (keeper && keeper(event))
            continue;
        return true;
    }
    presses.endEvents();
    reading = false;
    return false;
}

void Input::watchWindow(const sf::Window& window)
{
    state.watchWindow(window);
    presses.windowRemade();
}

void Input::newScreen()
{
    presses.holdOver();
    state.getGamepad().holdDirectionsOver();
}
