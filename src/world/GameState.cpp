#include "world/GameState.hpp"

#include "app/StateStack.hpp"
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
        else if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape)
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
    // One hero and one skeleton, not a second pair beside the first.
    world.clearEntities();
    world.build(world.getWindowSize());
    world.loadBackground();
}
