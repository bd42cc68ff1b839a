#include "world/PauseOverlay.hpp"

#include "platform/Utf8.hpp"

namespace
{
constexpr unsigned textSize = 60;
const sf::Color dimColour(0, 0, 0, 150);
} // namespace

PauseOverlay::PauseOverlay(const sf::Font& font) : text(fromUtf8("Пауза"), font, textSize)
{
    dimmer.setFillColor(dimColour);
    text.setFillColor(sf::Color::Cyan);
    text.setStyle(sf::Text::Bold);
}

void PauseOverlay::draw(sf::RenderTarget& target)
{
    // The window may have been made again at another size since play began.
    const sf::View& view = target.getDefaultView();
    const sf::Vector2f size = view.getSize();
    target.setView(view);
    dimmer.setSize(size);
    target.draw(dimmer);

    // Centred on the glyphs themselves, not on the line's box.
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.left + bounds.width * 0.5f, bounds.top + bounds.height * 0.5f);
    text.setPosition(size * 0.5f);
    target.draw(text);
}
