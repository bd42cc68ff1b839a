#pragma once

#include "characters/Entity.hpp"
#include "controls/Input.hpp"
#include "world/Forest.hpp"
#include "world/GroundStrip.hpp"
#include "world/TileMap.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>

#include <memory>
#include <vector>

/// Everything the play screen shows and moves: the level, the characters (the
/// hero first, then the skeleton), the camera that follows the hero sideways,
/// and the forest behind them.
class World
{
public:
    /// An empty world for a window of this size; `input` is what the hero reads.
    World(sf::Vector2u windowSize, const Input& input);

    World(const World&) = delete;
    World& operator=(const World&) = delete;

    /// Loads the level and puts the hero and the skeleton on its ground row.
    /// Throws what TextureCache::get throws when a character image is missing.
    void build(sf::Vector2u windowSize);

    /// Builds the level into the tile map and places it so that its bottom row
    /// lies along the bottom of the window. A missing tileset is reported and
    /// leaves the map empty; play goes on.
    void loadLevel(sf::Vector2u windowSize);

    /// (Re)builds the forest, its layers stretched to the window size, and
    /// the colour behind it. Throws what TextureCache::get throws when a
    /// layer image is missing.
    void loadBackground();

    /// The window was made anew at this size during play: the level, the
    /// camera and the forest are laid out for it as a world built for it
    /// would be, and the characters keep their state and their place on the
    /// ground. Throws what TextureCache::get throws.
    void resize(sf::Vector2u newSize);

    void addEntity(std::unique_ptr<Entity> entity);

    /// One step of play: the hero reads the keys, every character moves, the
    /// hero is resolved against the level, and the camera eases after the hero.
    void update(float dt);

    /// Draws the forest, the level with its ground row carried on past both
    /// ends, and the characters through the camera, then restores the
    /// target's default view. The forest is drawn only where it can show; the
    /// picture is the one renderStraightforward draws.
    void render(sf::RenderTarget& target);

    /// The same picture drawn the plain way, the forest's layers whole. What
    /// render is checked against.
    void renderStraightforward(sf::RenderTarget& target) const;

    const std::vector<std::unique_ptr<Entity>>& getEntities() const { return entities; }
    const TileMap& getTileMap() const { return tileMap; }
    const sf::View& getCamera() const { return camera; }
    sf::Color getBackgroundColor() const { return backgroundColor; }
    const Forest& getForest() const { return forest; }
    sf::Vector2u getWindowSize() const { return windowSize; }

private:
    void drawCharacters(sf::RenderTarget& target) const;
    /// Puts the level's bottom row along the bottom of a window of `size`.
    void placeLevel(sf::Vector2u size);

    sf::Vector2u windowSize;
    const Input& input;
    std::vector<std::unique_ptr<Entity>> entities;
    TileMap tileMap;
    GroundStrip groundStrip{tileMap};
    sf::View camera;
    sf::Color backgroundColor = sf::Color::Black;
    Forest forest;
};
