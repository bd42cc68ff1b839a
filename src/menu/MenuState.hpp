#pragma once

#include "app/State.hpp"
#include "audio/Audio.hpp"
#include "controls/Input.hpp"
#include "menu/MenuBackdrop.hpp"
#include "widgets/MenuButton.hpp"
#include "widgets/MenuControls.hpp"
#include "widgets/PointerFocus.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <optional>
#include <vector>

/// The main menu: the heading and the items "Играть", "Настройки" and "Выход"
/// over white shapes falling in a slowly turning wind. The mouse, the keys
/// and the gamepad all choose them.
class MenuState : public State
{
public:
    /// The items in their order on screen, which the focus follows.
    enum Item : std::size_t
    {
        PlayItem,
        SettingsItem,
        ExitItem
    };

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
    const std::vector<Particle>& getParticles() const { return backdrop.getParticles(); }
    float getWind() const { return backdrop.getWind(); }
    /// The item shown in the hover colour, which Enter would choose.
    std::optional<std::size_t> getFocus() const { return focus; }

private:
    /// Places the heading and the items from the window size.
    void layout();

    /// Lays the menu out again when the window was re-created at another size
    /// while the menu was covered.
    void catchUpWithWindow(const sf::RenderWindow& window);

    MenuButton& item(std::size_t index);

    /// The item under the mouse, if any.
    std::optional<std::size_t> itemAt(const sf::Vector2f& mouse);

    /// The item the player clicks this frame, or none. `pressed` tells whether
    /// a left press arrived among this frame's events.
    std::optional<std::size_t> clickedItem(const sf::RenderWindow& window, bool pressed);

    /// The one place the focus moves, by the keys, the gamepad or the pointer.
    /// Coming onto an item, it ticks.
    void setFocus(std::optional<std::size_t> newFocus);

    /// Acts on a command of the keys or the gamepad; true when the menu is
    /// covered or gone and must return at once.
    bool obey(MenuCommand command, sf::RenderWindow& window, StateStack& states);

    /// The one place an item is chosen, by a click, a key or the gamepad, with
    /// a click to hear; true when the menu is covered or gone and must return
    /// at once.
    bool activate(std::size_t index, sf::RenderWindow& window, StateStack& states, bool byKeys);

    sf::Vector2f mousePosition(const sf::RenderWindow& window) const;

    Input& input;
    Audio& audio;
    MenuControls controls;
    sf::Text title;
    MenuButton playButton;
    MenuButton settingsButton;
    MenuButton exitButton;
    MenuBackdrop backdrop;
    sf::Vector2u windowSize;
    std::optional<std::size_t> focus; // none until a key or the pointer gives it
    PointerFocus<std::size_t> pointer;
};
