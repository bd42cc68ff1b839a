#include "world/GameState.hpp"

#include "app/StateStack.hpp"
#include "controls/Gamepad.hpp"

namespace
{
constexpr sf::Keyboard::Key pauseKey = sf::Keyboard::P;
} // namespace

GameState::GameState(const sf::Font& font, sf::Vector2u windowSize, Input& input, Audio& audio)
    : input(input), audio(audio), world(windowSize, input), pauseOverlay(font)
{
    world.build(windowSize);
    world.loadBackground();
    audio.load({SoundEffect::HeroStep, SoundEffect::HeroJump, SoundEffect::HeroLanding,
                SoundEffect::SkeletonStep, SoundEffect::AxeSwing});
    audio.playMusic(MusicTheme::Forest);
}

void GameState::handleInput(sf::RenderWindow& window, StateStack& states, Application& /*app*/)
{
    bool focusLost = false;
    InputEvent event;
    while (input.pollEvent(window, event))
    {
        if (event.type == sf::Event::Closed)
        {
            window.close();
        }
        else if (event.type == sf::Event::LostFocus)
        {
            focusLost = true;
        }
        else if (isPauseToggle(event))
        {
            paused = !paused;
        }
        else if ((event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape) ||
                 (input.getGamepad().isButtonPress(event, Gamepad::buttonStart) && event.isFresh()))
        {
            // This screen is destroyed inside replace: touch nothing after it.
            // Events still queued are the new menu's.
            states.replace(ScreenId::Menu, window.getSize());
            return;
        }
    }
    // The player is elsewhere; coming back does not resume by itself. A full
    // screen window loses and regains the focus at once as it takes the
    // keyboard, which is no reason to pause.
    if (focusLost && !input.hasFocus())
        paused = true;
}

bool GameState::isPauseToggle(const InputEvent& event) const
{
    const bool pauseButton = (event.type == sf::Event::KeyPressed && event.key.code == pauseKey) ||
                             input.getGamepad().isButtonPress(event, Gamepad::buttonBack);
    return pauseButton && event.isFresh();
}

void GameState::update(float dt, sf::RenderWindow& /*window*/)
{
    // Paused, nothing moves, and the time spent paused is never made up: the
    // frame time counts from the frame before, as always.
    if (paused)
        return;
    world.update(dt);
    // The skeleton is heard from where it stands relative to the view's centre.
    audio.setListenerPosition(world.getCamera().getCenter());
    characterSounds.update(world, audio);
}

void GameState::render(sf::RenderWindow& window)
{
    world.render(window);
    if (paused)
        pauseOverlay.draw(window);
}

void GameState::onResize(sf::Vector2u newSize)
{
    // F11 re-creates the window during play: the world is laid out for the new
    // window, one pixel to one, and the hero and the skeleton play on.
    world.resize(newSize);
}
