#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

/// How a button looks: as is, under the mouse or the focus, or with the mouse button held on it.
enum class ButtonState : std::int32_t
{
    Normal = 0,
    Hovered = 1,
    Pressed = 2
};

/// How item `item` of a menu screen shows: in the hover colour when it is the
/// lit one (the focused item, else the one under a pointer that counts),
/// pressed while the left button is held on it; else as is.
ButtonState shownState(std::size_t item, std::optional<std::size_t> focus,
                       std::optional<std::size_t> hovered, bool leftHeldOnIt);

/// A clickable text that changes colour under the mouse. Hit tests use the
/// bounds cached when the text was last placed.
class MenuButton
{
public:
    /// `label` is UTF-8.
    MenuButton(const std::string& label, const sf::Font& font, unsigned characterSize,
               const sf::Vector2f& position, const sf::Color& normalColor,
               const sf::Color& hoverColor, const sf::Color& pressedColor);

    /// An item of a menu screen: white, green when lit, yellow while pressed.
    static MenuButton item(const std::string& label, const sf::Font& font, unsigned characterSize,
                           const sf::Vector2f& position = {});

    /// Shows the button as is, under the mouse or the focus, or pressed.
    void setState(ButtonState newState);

    /// Moves the text and refreshes the cached bounds.
    void setPosition(const sf::Vector2f& position);

    bool contains(const sf::Vector2f& point) const { return bounds.contains(point); }
    const sf::FloatRect& getBounds() const { return bounds; }
    ButtonState getState() const { return state; }
    const sf::Text& getText() const { return text; }

    void draw(sf::RenderTarget& target) const;

private:
    sf::Text text;
    sf::FloatRect bounds;
    sf::Color normalColor;
    sf::Color hoverColor;
    sf::Color pressedColor;
    ButtonState state = ButtonState::Normal;
};
