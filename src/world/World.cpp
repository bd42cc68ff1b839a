#include "world/World.hpp"

#include "app/ClearColor.hpp"
#include "characters/Player.hpp"
#include "characters/Skeleton.hpp"
#include "resources/ImageFiles.hpp"
#include "world/Parallax.hpp"

#include <iostream>
#include <unordered_map>

namespace
{
constexpr unsigned levelColumns = 30;
constexpr unsigned levelRows = 7;
constexpr unsigned levelTileSize = 36;
constexpr float levelScale = 2.f;
constexpr int groundTile = 2;
constexpr float heroSpawnX = 100.f;
constexpr float skeletonSpawnX = 200.f;
constexpr float spawnScale = 2.f;
constexpr float cameraEase = 0.1f;

/// The top of the level's bottom row, where the characters stand.
float groundY(sf::Vector2u windowSize)
{
    return static_cast<float>(windowSize.y) - static_cast<float>(levelTileSize) * levelScale;
}
} // namespace

World::World(sf::Vector2u windowSize, const Input& input)
    : windowSize(windowSize), input(input),
      camera(sf::Vector2f(0.f, static_cast<float>(windowSize.y) * 0.5f),
             sf::Vector2f(static_cast<float>(windowSize.x), static_cast<float>(windowSize.y)))
{
}

void World::build(sf::Vector2u windowSize)
{
    loadLevel(windowSize);
    tileMap.setScale(levelScale, levelScale);
    const float ground = groundY(windowSize);

    auto player = std::make_unique<Player>(input);
    player->setScale(spawnScale, spawnScale);
    player->setPosition({heroSpawnX, ground});
    player->setFloorY(ground);
    addEntity(std::move(player));

    auto skeleton = std::make_unique<Skeleton>(skeletonSpawnX, ground, *this);
    skeleton->setScale(spawnScale, spawnScale);
    skeleton->setPosition({skeletonSpawnX, ground});
    addEntity(std::move(skeleton));
}

void World::loadLevel(sf::Vector2u windowSize)
{
    const std::unordered_map<int, sf::IntRect> tileRects{
        {1, {0, 0, 36, 36}}, {2, {335, 96, 36, 36}}, {3, {110, 0, 35, 40}}, {4, {15, 0, 40, 40}}};
    // Open air above one row of ground.
    std::vector<int> grid(levelColumns * levelRows, 0);
    for (unsigned column = 0; column < levelColumns; ++column)
        grid[column + (levelRows - 1) * levelColumns] = groundTile;

    if (!tileMap.load(tilesetFile, {levelTileSize, levelTileSize}, grid, levelColumns, levelRows,
                      tileRects))
        std::cerr << "Не удалось загрузить тайлмап!" << std::endl;

    placeLevel(windowSize);
}

void World::placeLevel(sf::Vector2u size)
{
    // Drawn at twice its size, the level's bottom row lies along the window's bottom edge.
    const float levelHeight = static_cast<float>(levelRows * levelTileSize) * levelScale;
    tileMap.setPosition(0.f, static_cast<float>(size.y) - levelHeight);
}

void World::resize(sf::Vector2u newSize)
{
    const float shift = groundY(newSize) - groundY(windowSize);
    windowSize = newSize;
    placeLevel(newSize);
    // The camera keeps following the hero sideways; it looks at the new
    // window's height from the top, one world pixel to one window pixel.
    camera.setSize(static_cast<float>(newSize.x), static_cast<float>(newSize.y));
    camera.setCenter(camera.getCenter().x, static_cast<float>(newSize.y) * 0.5f);
    for (const auto& entity : entities)
        entity->move({0.f, shift});
    if (!entities.empty())
        if (auto* player = dynamic_cast<Player*>(entities.front().get()))
            player->setFloorY(groundY(newSize));
    forest.load(newSize);
}

void World::loadBackground()
{
    backgroundColor = clearColor();
    forest.load(windowSize);
}

void World::addEntity(std::unique_ptr<Entity> entity)
{
    entities.push_back(std::move(entity));
}

void World::update(float dt)
{
    if (!entities.empty())
    {
        if (auto* player = dynamic_cast<Player*>(entities.front().get()))
        {
            player->processInput(dt);
            for (const auto& entity : entities)
                entity->update(dt);
            player->resolveCollisions(tileMap);
        }
    }

    // The blend is per frame: the camera covers a tenth of the way each frame.
    const sf::Vector2f target = entities.empty() ? sf::Vector2f() : entities.front()->getPosition();
    const sf::Vector2f centre = camera.getCenter();
    camera.setCenter(centre.x * (1.f - cameraEase) + (target.x + cameraLead) * cameraEase,
                     centre.y * (1.f - cameraEase) + camera.getSize().y * 0.5f * cameraEase);
}

void World::drawCharacters(sf::RenderTarget& target) const
{
    for (const auto& entity : entities)
        entity->draw(target);
}

void World::render(sf::RenderTarget& target)
{
    // Where the forest leaves nothing behind it to show, clearing is wasted.
    if (!forest.fillsWindow())
        target.clear(backgroundColor);
    target.setView(camera);
    forest.draw(target, camera);
    target.draw(tileMap);
    target.draw(groundStrip);
    drawCharacters(target);
    target.setView(target.getDefaultView());
}

void World::renderStraightforward(sf::RenderTarget& target) const
{
    target.clear(backgroundColor);
    target.setView(camera);
    forest.drawWhole(target, camera);
    tileMap.drawWhole(target, sf::RenderStates::Default);
    target.draw(groundStrip);
    drawCharacters(target);
    target.setView(target.getDefaultView());
}
