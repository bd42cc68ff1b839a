#include "menu/MenuState.hpp"

#include "app/Application.hpp"
#include "app/StateStack.hpp"
#include "app/Utf8.hpp"
#include "world/GameState.hpp"

#include <memory>

namespace
{
constexpr unsigned titleSize = 60;
constexpr unsigned itemSize = 40;
constexpr float titleTop = 50.f;

MenuButton makeItem(const char* label, const sf::Font& font)
{
    return MenuButton(label, font, itemSize, {}, sf::Color::White, sf::Color::Green,
                      sf::Color::Yellow);
}

/// A point offset from the window centre; the offsets may take it past the edges.
sf::Vector2f fromCentre(unsigned centreX, unsigned centreY, long dx, long dy)
{
    return {static_cast<float>(static_cast<long>(centreX) + dx),
            static_cast<float>(static_cast<long>(centreY) + dy)};
}
} // namespace

MenuState::MenuState(const sf::Font& font, sf::Vector2u windowSize, Application& app)
    : font(&font), input(app.getInput()), title(fromUtf8("Игровое меню"), font, titleSize),
      playButton(makeItem("Играть", font)), settingsButton(makeItem("Настройки", font)),
      exitButton(makeItem("Выход", font)), windowSize(windowSize)
{
    title.setFillColor(sf::Color::Cyan);
    title.setStyle(sf::Text::Bold);
    layout();
}

void MenuState::layout()
{
    const unsigned cx = windowSize.x / 2;
    const unsigned cy = windowSize.y / 2;
    // The heading is centred on its bold width; the items sit at fixed offsets.
    title.setPosition(static_cast<float>(cx) - title.getGlobalBounds().width * 0.5f, titleTop);
    playButton.setPosition(fromCentre(cx, cy, -70, -100));
    settingsButton.setPosition(fromCentre(cx, cy, -100, 0));
    exitButton.setPosition(fromCentre(cx, cy, -70, 100));
}

sf::Vector2f MenuState::mousePosition(const sf::RenderWindow& window) const
{
    return window.mapPixelToCoords(input.getMousePosition(window));
}

void MenuState::handleInput(sf::RenderWindow& window, StateStack& states, Application& app)
{
    sf::Event event;
    while (input.pollEvent(window, event))
    {
        if (event.type == sf::Event::Closed)
            window.close();
    }

    const sf::Vector2f mouse = mousePosition(window);
    const bool leftDown = input.isButtonPressed(sf::Mouse::Left);
    if (playButton.contains(mouse) && leftDown)
    {
        // Built first, while this menu is alive; replace then destroys the menu.
        states.replace(std::make_unique<GameState>(*font, windowSize, app.getInput()));
        return;
    }
    if (exitButton.contains(mouse) && leftDown)
        window.close();
}

void MenuState::update(float /*dt*/, sf::RenderWindow& window)
{
    const sf::Vector2f mouse = mousePosition(window);
    const bool leftDown = input.isButtonPressed(sf::Mouse::Left);
    playButton.updateHover(mouse, leftDown);
    settingsButton.updateHover(mouse, leftDown);
    exitButton.updateHover(mouse, leftDown);
}

void MenuState::render(sf::RenderWindow& window)
{
    window.draw(title);
    playButton.draw(window);
    settingsButton.draw(window);
    exitButton.draw(window);
}

void MenuState::onResize(sf::Vector2u newSize)
{
    windowSize = newSize;
    layout();
}
