#pragma once

#include "settings/Settings.hpp"
#include "settings_screen/ResolutionList.hpp"
#include "widgets/MenuButton.hpp"
#include "widgets/MenuControls.hpp"
#include "widgets/PointerFocus.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <optional>
#include <vector>

/// The widgets of the graphics settings screen and the player's choice: the
/// resolution list, the full-screen switch, "Применить" and "Назад (Esc)",
/// worked by the mouse, the keys or the gamepad.
class SettingsPanel
{
public:
    /// The items in their order on screen, which the focus follows.
    enum Item : std::size_t
    {
        ResolutionBoxItem,
        FullscreenItem,
        ApplyItem,
        BackItem
    };

    /// Lays the widgets out for `windowSize` and starts the choice from the
    /// settings last applied, so an untouched panel asks for no change.
    SettingsPanel(const sf::Font& font, sf::Vector2u windowSize, const Settings& applied);

    /// Places every widget for a window of this size; the choice stays.
    void layout(unsigned width, unsigned height);

    /// Answers one window event (the mouse and Escape); true asks to close
    /// the screen. The mouse is in the window's view coordinates.
    bool handleEvent(const sf::Event& event, const sf::Vector2f& mousePosition,
                     bool leftButtonDown);

    /// Answers a command of the keys or the gamepad; true asks to close the screen.
    bool handleCommand(MenuCommand command);

    /// Puts the focus on the resolution box, as when a key opens the screen.
    void focusFirstItem();

    /// Shows full screen switched on or off.
    void setFullscreen(bool on);

    void draw(sf::RenderTarget& target) const;

    sf::Vector2u getSelectedResolution() const { return selectedResolution; }
    bool isFullscreen() const { return fullscreen; }
    bool isDropdownOpen() const { return list.isOpen(); }
    /// The item shown in the hover colour, which Enter would work.
    std::optional<std::size_t> getFocus() const { return focus; }
    /// The entry of the open list shown in the hover colour, which Enter would pick.
    std::optional<std::size_t> getEntryFocus() const { return list.getFocus(); }
    const sf::Text& getTitle() const { return title; }
    const MenuButton& getBackButton() const { return backButton; }
    const MenuButton& getFullscreenButton() const { return fullscreenButton; }
    const std::vector<ResolutionOption>& getOptions() const { return list.getEntries(); }
    const sf::RectangleShape& getApplyBox() const { return applyBox; }
    const sf::Text& getApplyText() const { return applyButton.getText(); }
    const sf::RectangleShape& getDropdownBox() const { return dropdownBox; }
    const sf::Text& getDropdownText() const { return dropdownText; }
    const sf::Text& getResolutionLabel() const { return resolutionLabel; }
    const sf::RectangleShape& getDropdownList() const { return list.getBox(); }

private:
    MenuButton makeButton(const char* label, const sf::Vector2f& position) const;
    const char* fullscreenLabel() const;

    /// Handles a left click; true asks to close the screen.
    bool click(const sf::Vector2f& mouse);

    /// The item under the mouse that lights up there, or none.
    std::optional<std::size_t> hoverItemAt(const sf::Vector2f& mouse) const;

    /// Works an item, by a click, a key or the gamepad; true asks to close the screen.
    bool activate(std::size_t item);

    /// Makes `resolution`, picked from the list, the choice.
    void choose(sf::Vector2u resolution);

    /// Colours the widgets by the focus and the mouse.
    void showFocus();

    const sf::Font* font;
    sf::Text title;
    MenuButton backButton;
    MenuButton fullscreenButton;
    sf::RectangleShape applyBox;
    MenuButton applyButton; ///< "Применить", centred on the box
    sf::Vector2u selectedResolution;
    bool fullscreen;
    sf::RectangleShape dropdownBox;
    sf::Text dropdownText;
    sf::Text resolutionLabel;
    ResolutionList list;
    std::optional<std::size_t> focus;
    PointerFocus<std::size_t> itemPointer;
    // The mouse as of the last event, for the pressed colour.
    sf::Vector2f lastMouse;
    bool leftDown = false;
};
