#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

/// What paused play shows over its still picture: the window dimmed, and
/// "Пауза" in its middle in the colour of the menu's heading.
class PauseOverlay
{
public:
    explicit PauseOverlay(const sf::Font& font);

    /// Draws over the whole target, through its default view.
    void draw(sf::RenderTarget& target);

    const sf::Text& getText() const { return text; }

private:
    sf::RectangleShape dimmer;
    sf::Text text;
};
