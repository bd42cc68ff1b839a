#pragma once

#include "app/Input.hpp"
#include "characters/Entity.hpp"
#include "world/TileMap.hpp"

#include <SFML/Graphics/View.hpp>

#include <memory>
#include <vector>

/// Everything the play screen shows and moves: the level, the characters (the
/// hero first), the camera and the forest behind them.
class World
{
public:
    World(sf::Vector2u windowSize, const Input& input);

    /// Builds the level into the tile map and places it so that its bottom row
    /// lies along the bottom of the window. A missing tileset is reported and
    /// leaves the map empty; play goes on.
    void loadLevel(sf::Vector2u windowSize);

    void addEntity(std::unique_ptr<Entity> entity);
    const std::vector<std::unique_ptr<Entity>>& getEntities() const { return entities; }
    const TileMap& getTileMap() const { return tileMap; }

private:
    sf::Vector2u windowSize;
    const Input& input;
    std::vector<std::unique_ptr<Entity>> entities;
    TileMap tileMap;
};
