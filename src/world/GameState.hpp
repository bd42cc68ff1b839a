#pragma once

#include "app/State.hpp"
#include "audio/Audio.hpp"
#include "controls/Input.hpp"
#include "platform/HeapRetention.hpp"
#include "world/CharacterSounds.hpp"
#include "world/PauseOverlay.hpp"
#include "world/World.hpp"

#include <SFML/Graphics/Font.hpp>

/// The play screen: the forest, the level, the hero and the skeleton. Escape
/// or the gamepad's Start goes back to a new main menu. P or the gamepad's
/// Back pauses and resumes; losing the window's focus pauses.
class GameState : public State
{
public:
    /// Builds the world for a window of this size and turns the music to the
    /// forest. Throws std::runtime_error when a character or forest image is
    /// missing.
    GameState(const sf::Font& font, sf::Vector2u windowSize, Input& input, Audio& audio);

    void handleInput(sf::RenderWindow& window, StateStack& states, Application& app) override;
    void update(float dt, sf::RenderWindow& window) override;
    void render(sf::RenderWindow& window) override;

    /// Lays the world out for the new window; the characters play on.
    void onResize(sf::Vector2u newSize) override;

    const World& getWorld() const { return world; }
    bool isPaused() const { return paused; }

private:
    /// Whether the event asks to pause or to resume: a fresh press of P (not
    /// its auto-repeat) or of the gamepad's Back.
    bool isPauseToggle(const InputEvent& event) const;

    HeapRetention heapRetention; // first in, last out: freed memory is kept while play lasts
    Input& input;
    Audio& audio;
    World world;
    PauseOverlay pauseOverlay;
    bool paused = false;
    CharacterSounds characterSounds;
};
