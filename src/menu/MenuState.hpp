#pragma once

#include "app/Input.hpp"
#include "app/State.hpp"
#include "menu/MenuButton.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

/// The main menu: the heading and the items "Играть", "Настройки" and "Выход".
class MenuState : public State
{
public:
    MenuState(const sf::Font& font, sf::Vector2u windowSize, Application& app);

    void handleInput(sf::RenderWindow& window, StateStack& states, Application& app) override;
    void update(float dt, sf::RenderWindow& window) override;
    void render(sf::RenderWindow& window) override;
    void onResize(sf::Vector2u newSize) override;

    sf::Vector2u getWindowSize() const { return windowSize; }
    const sf::Text& getTitle() const { return title; }
    const MenuButton& getPlayButton() const { return playButton; }
    const MenuButton& getSettingsButton() const { return settingsButton; }
    const MenuButton& getExitButton() const { return exitButton; }

private:
    /// Places the heading and the items from the window size.
    void layout();

    sf::Vector2f mousePosition(const sf::RenderWindow& window) const;

    const sf::Font* font;
    Input& input;
    sf::Text title;
    MenuButton playButton;
    MenuButton settingsButton;
    MenuButton exitButton;
    sf::Vector2u windowSize;
};
