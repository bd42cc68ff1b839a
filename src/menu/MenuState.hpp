#pragma once

#include "app/Input.hpp"
#include "app/State.hpp"
#include "menu/MenuButton.hpp"
#include "menu/Particle.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <vector>

/// The main menu: the heading and the items "Играть", "Настройки" and "Выход"
/// over white shapes falling in a slowly turning wind.
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
    const std::vector<Particle>& getParticles() const { return particles; }
    float getWind() const { return wind; }

private:
    /// Places the heading and the items from the window size.
    void layout();

    /// Lays the menu out again when the window was re-created at another size
    /// while the menu was covered.
    void catchUpWithWindow(const sf::RenderWindow& window);

    /// The item the player clicks this frame, or none. `pressed` tells whether
    /// a left press arrived among this frame's events.
    const MenuButton* clickedItem(const sf::Vector2f& mouse, bool pressed);

    sf::Vector2f mousePosition(const sf::RenderWindow& window) const;

    const sf::Font* font;
    Input& input;
    sf::Text title;
    MenuButton playButton;
    MenuButton settingsButton;
    MenuButton exitButton;
    std::vector<Particle> particles;
    float wind = 0;
    float windDirection = 1.f;
    sf::Vector2u windowSize;
    // A held left button counts only once it has been seen up since the menu
    // was built or last opened the settings: the press that closed the
    // settings screen may still be held and must not pick an item.
    bool leftButtonSeenUp = false;
};
