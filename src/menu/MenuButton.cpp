#include "menu/MenuButton.hpp"

#include "app/Utf8.hpp"

MenuButton::MenuButton(const std::string& label, const sf::Font& font, unsigned characterSize,
                       const sf::Vector2f& position, const sf::Color& normalColor,
                       const sf::Color& hoverColor, const sf::Color& pressedColor)
    : normalColor(normalColor), hoverColor(hoverColor), pressedColor(pressedColor)
{
    text.setFont(font);
    text.setString(fromUtf8(label));
    text.setCharacterSize(characterSize);
    text.setPosition(position);
    text.setFillColor(normalColor);
    bounds = text.getGlobalBounds();
}

void MenuButton::setState(ButtonState newState)
{
    state = newState;
    switch (state)
    {
    case ButtonState::Normal:
        text.setFillColor(normalColor);
        break;
    case ButtonState::Hovered:
        text.setFillColor(hoverColor);
        break;
    case ButtonState::Pressed:
        text.setFillColor(pressedColor);
        break;
    }
}

void MenuButton::setPosition(const sf::Vector2f& position)
{
    text.setPosition(position);
    bounds = text.getGlobalBounds();
}

void MenuButton::draw(sf::RenderTarget& target) const
{
    target.draw(text);
}
