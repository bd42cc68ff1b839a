#include "world/GameState.hpp"

#include "app/StateStack.hpp"
#include "controls/Gamepad.hpp"
#include "menu/MenuState.hpp"

#include <memory>

GameState::GameState(const sf::Font& font, sf::Vector2u windowSize, Input& input)
    : font(font), input(input), world(windowSize, input)
{
    world.build(windowSize);
    world.loadBackground();
}

void GameState::handleInput(sf::RenderWindow& window, StateStack& states, Application& app)
{
    sf::Event event;
    while (input.pollEvent(window, event))
    {
        if (event.type == sf::Event::Closed)
        {
            window.close();
        }
        else if ((event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape) ||
                 Gamepad(input).isButtonPress(event, Gamepad::buttonStart))
        {
            // This screen is destroyed inside replace: touch nothing after it.
            // Events still queued are the new menu's.
            states.replace(std::make_unique<MenuState>(font, window.getSize(), app));
            return;
        }
    }
}

void GameState::update(float dt, sf::RenderWindow& /*window*/)
{
    world.update(dt);
}

void GameState::render(sf::RenderWindow& window)
{
    world.render(window);
}

void GameState::onResize(sf::Vector2u /*newSize*/)
{
    // F11 re-creates the window during play. The world keeps the size it was
    // built for, and the camera's view stretches it over the new window as
    // over a window dragged to another size; the hero and the skeleton play on
    // where they are.
}
