#pragma once

#include "menu/MenuButton.hpp"
#include "settings/Settings.hpp"
#include "settings_screen/ResolutionOption.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <vector>

/// The widgets of the graphics settings screen and the player's choice: the
/// resolution list, the full-screen switch, "Применить" and "Назад (Esc)".
class SettingsPanel
{
public:
    /// Lays the widgets out for `windowSize` and starts the choice from the
    /// settings last applied, so an untouched panel asks for no change.
    SettingsPanel(const sf::Font& font, sf::Vector2u windowSize, const Settings& applied);

    /// Places every widget for a window of this size; the choice stays.
    void layout(unsigned width, unsigned height);

    /// Answers one window event; true asks to close the screen. The mouse is
    /// in the window's view coordinates.
    bool handleEvent(const sf::Event& event, const sf::Vector2f& mousePosition,
                     bool leftButtonDown);

    void draw(sf::RenderTarget& target) const;

    sf::Vector2u getSelectedResolution() const { return selectedResolution; }
    bool isFullscreen() const { return fullscreen; }
    bool isDropdownOpen() const { return dropdownOpen; }
    const sf::Text& getTitle() const { return title; }
    const MenuButton& getBackButton() const { return backButton; }
    const MenuButton& getFullscreenButton() const { return fullscreenButton; }
    const std::vector<ResolutionOption>& getOptions() const { return resolutionOptions; }
    const sf::RectangleShape& getApplyBox() const { return applyBox; }
    const sf::Text& getApplyText() const { return applyText; }
    const sf::RectangleShape& getDropdownBox() const { return dropdownBox; }
    const sf::Text& getDropdownText() const { return dropdownText; }
    const sf::Text& getResolutionLabel() const { return resolutionLabel; }
    const sf::RectangleShape& getDropdownList() const { return dropdownList; }

private:
    MenuButton makeButton(const char* label, const sf::Vector2f& position) const;
    const char* fullscreenLabel() const;

    /// Handles a left click; true asks to close the screen.
    bool click(const sf::Vector2f& mouse);

    /// The entry of the open list under the mouse, or none.
    ResolutionOption* optionAt(const sf::Vector2f& mouse);

    /// Makes `option` the choice and closes the list.
    void pick(ResolutionOption& option);

    const sf::Font* font;
    sf::Text title;
    MenuButton backButton;
    MenuButton fullscreenButton;
    std::vector<ResolutionOption> resolutionOptions;
    sf::RectangleShape applyBox;
    sf::Text applyText;
    sf::Vector2u currentResolution; ///< the resolution applied when the panel was built
    sf::Vector2u selectedResolution;
    bool fullscreen;
    bool dropdownOpen = false;
    sf::RectangleShape dropdownBox;
    sf::Text dropdownText;
    sf::Text resolutionLabel;
    sf::RectangleShape dropdownList;
};
