#include "widgets/MenuButton.hpp"

#include "platform/Utf8.hpp"

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

MenuButton MenuButton::item(const std::string& label, const sf::Font& font, unsigned characterSize,
                            const sf::Vector2f& position)
{
    return MenuButton(label, font, characterSize, position, sf::Color::White, sf::Color::Green,
                      sf::Color::Yellow);
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

ButtonState shownState(std::size_t item, std::optional<std::size_t> focus,
                       std::optional<std::size_t> hovered, bool leftHeldOnIt)
{
    // A plain number: comparing an empty std::optional, GCC 16 reads its
    // unset value first, which valgrind reports as a jump on an unset value.
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    if (focus.value_or(hovered.value_or(none)) != item)
        return ButtonState::Normal;
    return leftHeldOnIt ? ButtonState::Pressed : ButtonState::Hovered;
}
