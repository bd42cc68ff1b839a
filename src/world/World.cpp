#include "world/World.hpp"

#include <iostream>
#include <unordered_map>

namespace
{
const char* const tilesetPath = "Texture/TX Tileset Ground.png";
constexpr unsigned levelColumns = 30;
constexpr unsigned levelRows = 7;
constexpr unsigned levelTileSize = 36;
constexpr float levelScale = 2.f;
constexpr int groundTile = 2;
} // namespace

World::World(sf::Vector2u windowSize, const Input& input) : windowSize(windowSize), input(input) {}

void World::loadLevel(sf::Vector2u windowSize)
{
    const std::unordered_map<int, sf::IntRect> tileRects{
        {1, {0, 0, 36, 36}}, {2, {335, 96, 36, 36}}, {3, {110, 0, 35, 40}}, {4, {15, 0, 40, 40}}};
    // Open air above one row of ground.
    std::vector<int> grid(levelColumns * levelRows, 0);
    for (unsigned column = 0; column < levelColumns; ++column)
        grid[column + (levelRows - 1) * levelColumns] = groundTile;

    if (!tileMap.load(tilesetPath, {levelTileSize, levelTileSize}, grid, levelColumns, levelRows,
                      tileRects))
        std::cerr << "Не удалось загрузить тайлмап!" << std::endl;

    // Drawn at twice its size, the level's bottom row lies along the window's bottom edge.
    const float levelHeight = static_cast<float>(levelRows * levelTileSize) * levelScale;
    tileMap.setPosition(0.f, static_cast<float>(windowSize.y) - levelHeight);
}

void World::addEntity(std::unique_ptr<Entity> entity)
{
    entities.push_back(std::move(entity));
}
