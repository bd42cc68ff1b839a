#pragma once

#include "app/Input.hpp"
#include "app/State.hpp"
#include "world/World.hpp"

#include <SFML/Graphics/Font.hpp>

/// The play screen: the forest, the level, the hero and the skeleton. Escape
/// or the gamepad's Start goes back to a new main menu.
class GameState : public State
{
public:
    /// Builds the world for a window of this size. Throws std::runtime_error
    /// when a character or forest image is missing.
    GameState(const sf::Font& font, sf::Vector2u windowSize, Input& input);

    void handleInput(sf::RenderWindow& window, StateStack& states, Application& app) override;
    void update(float dt, sf::RenderWindow& window) override;
    void render(sf::RenderWindow& window) override;

    /// Keeps the world as it is: the picture is stretched to the new window.
    void onResize(sf::Vector2u newSize) override;

    const World& getWorld() const { return world; }

private:
    const sf::Font& font; // only for the menu that Escape builds
    Input& input;
    World world;
};
