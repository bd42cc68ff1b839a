#include "world/World.hpp"

#include "characters/Player.hpp"
#include "characters/Skeleton.hpp"
#include "resources/TextureCache.hpp"
#include "world/Parallax.hpp"

#include <SFML/OpenGL.hpp>

#include <array>
#include <cmath>
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
constexpr float heroSpawnX = 100.f;
constexpr float skeletonSpawnX = 200.f;
constexpr float spawnScale = 2.f;
// The camera aims this far right of the hero, so the hero runs left of centre.
constexpr float cameraLead = 200.f;
constexpr float cameraEase = 0.1f;
constexpr int layerCopies = 4;
// Clipping the forest to another rectangle costs about as much as filling
// this many pixels with it (measured with Mesa drawing in software, where
// every pixel counts).
constexpr double patchCost = 34000.0;

struct Layer
{
    const char* path;
    float factor;
};

// Back to front; a far layer scrolls at a small share of the camera's speed.
const std::array<Layer, 4> forest{{
    {"parallax_demon_woods_pack/layers/parallax-demon-woods-bg.png", 0.05f},
    {"parallax_demon_woods_pack/layers/parallax-demon-woods-far-trees.png", 0.1f},
    {"parallax_demon_woods_pack/layers/parallax-demon-woods-mid-trees.png", 0.3f},
    {"parallax_demon_woods_pack/layers/parallax-demon-woods-close-trees.png", 0.5f},
}};

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

    if (!tileMap.load(tilesetPath, {levelTileSize, levelTileSize}, grid, levelColumns, levelRows,
                      tileRects))
        std::cerr << "Не удалось загрузить тайлмап!" << std::endl;

    // Drawn at twice its size, the level's bottom row lies along the window's bottom edge.
    const float levelHeight = static_cast<float>(levelRows * levelTileSize) * levelScale;
    tileMap.setPosition(0.f, static_cast<float>(windowSize.y) - levelHeight);
}

void World::loadBackground()
{
    layers.clear();
    layerFactors.clear();
    backgroundColor = sf::Color(30, 30, 60);

    std::array<const sf::Texture*, forest.size()> textures{};
    for (std::size_t i = 0; i < forest.size(); ++i)
        textures[i] = &TextureCache::get(forest[i].path);

    for (std::size_t i = 0; i < forest.size(); ++i)
    {
        sf::Sprite layer(*textures[i]);
        const sf::Vector2u size = textures[i]->getSize();
        // Stretched to exactly the window, each way on its own.
        layer.setScale(static_cast<float>(windowSize.x) / static_cast<float>(size.x),
                       static_cast<float>(windowSize.y) / static_cast<float>(size.y));
        layers.push_back(layer);
        layerFactors.push_back(forest[i].factor);
    }

    std::vector<sf::Image> images;
    for (const sf::Texture* texture : textures)
        images.push_back(texture->copyToImage());
    layerCoverage = LayerCoverage::analyse(images, windowSize, patchCost);
    forestFillsView = LayerCoverage::fillsWindow(images, windowSize.y);
}

void World::addEntity(std::unique_ptr<Entity> entity)
{
    entities.push_back(std::move(entity));
}

void World::clearEntities()
{
    entities.clear();
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

float World::layerWidth(std::size_t index) const
{
    const sf::Sprite& layer = layers[index];
    return static_cast<float>(layer.getTexture()->getSize().x) * layer.getScale().x;
}

float World::layerStart(std::size_t index) const
{
    return parallaxStart(camera.getCenter().x, camera.getSize().x, layerFactors[index],
                         layerWidth(index));
}

std::vector<float> World::layerCopyPositions(std::size_t index) const
{
    std::vector<float> positions;
    for (int copy = 0; copy < layerCopies; ++copy)
        positions.push_back(layerStart(index) + static_cast<float>(copy) * layerWidth(index));
    return positions;
}

void World::drawLayers(sf::RenderTarget& target)
{
    // Each copy of a layer is drawn whole, exactly as renderStraightforward
    // draws it, but clipped to the layer's patches: the same pixels wherever
    // the layer can show, no filling elsewhere. The patches were worked out
    // for a window of this world's size seen through its camera; a window
    // stretched by its frame gets the straightforward drawing.
    if (target.getSize() != windowSize || !target.setActive(true))
    {
        drawWholeLayers(target);
        return;
    }
    const float viewLeft = camera.getCenter().x - camera.getSize().x * 0.5f;
    const float viewRight = viewLeft + camera.getSize().x;
    glEnable(GL_SCISSOR_TEST);
    for (std::size_t i = 0; i < layers.size() && i < layerCoverage.size(); ++i)
    {
        if (layers[i].getTexture() == nullptr)
            continue;
        const float start = layerStart(i);
        const float width = layerWidth(i);
        const float columnWidth = layers[i].getScale().x;
        std::array<float, layerCopies> shown{};
        std::size_t shownCount = 0;
        for (int copy = 0; copy < layerCopies; ++copy)
        {
            const float x = start + static_cast<float>(copy) * width;
            if (x < viewRight && x + width > viewLeft)
                shown[shownCount++] = x;
        }

        for (const LayerCoverage::Patch& patch : layerCoverage[i].getPatches())
        {
            const sf::BlendMode blend = patch.opaque ? sf::BlendNone : sf::BlendAlpha;
            // A patch across the whole image is one scissor for every copy.
            if (patch.fullWidth &&
                !clipTo(target, 0, patch.top, static_cast<int>(windowSize.x), patch.bottom))
                continue;
            for (std::size_t copy = 0; copy < shownCount; ++copy)
            {
                const float x = shown[copy];
                layers[i].setPosition(x, 0.f);
                if (!patch.fullWidth)
                {
                    // A little wider than the columns: rounding at the edges
                    // must not lose a pixel; more of the layer changes nothing.
                    const float left = x + static_cast<float>(patch.left) * columnWidth - viewLeft;
                    const float right =
                        x + static_cast<float>(patch.right) * columnWidth - viewLeft;
                    if (!clipTo(target, static_cast<int>(std::floor(left)) - 2, patch.top,
                                static_cast<int>(std::ceil(right)) + 2, patch.bottom))
                        continue;
                }
                target.draw(layers[i], blend);
            }
        }
    }
    glDisable(GL_SCISSOR_TEST);
}

bool World::clipTo(const sf::RenderTarget& target, int left, int top, int right, int bottom) const
{
    const sf::Vector2u size = target.getSize();
    left = std::max(left, 0);
    right = std::min(right, static_cast<int>(size.x));
    if (right <= left || bottom <= top)
        return false;
    // The scissor counts rows from the bottom of the target.
    glScissor(left, static_cast<int>(size.y) - bottom, right - left, bottom - top);
    return true;
}

void World::drawWholeLayers(sf::RenderTarget& target) const
{
    for (std::size_t i = 0; i < layers.size(); ++i)
    {
        if (layers[i].getTexture() == nullptr)
            continue;
        sf::Sprite layer = layers[i];
        for (const float x : layerCopyPositions(i))
        {
            layer.setPosition(x, 0.f);
            target.draw(layer);
        }
    }
}

void World::drawCharacters(sf::RenderTarget& target) const
{
    for (const auto& entity : entities)
        entity->draw(target);
}

void World::render(sf::RenderTarget& target)
{
    // Where the forest's opaque rows fill the whole view, nothing of the
    // clearing colour would show.
    if (!forestFillsView)
        target.clear(backgroundColor);
    target.setView(camera);
    drawLayers(target);
    target.draw(tileMap);
    target.draw(groundStrip);
    drawCharacters(target);
    target.setView(target.getDefaultView());
}

void World::renderStraightforward(sf::RenderTarget& target) const
{
    target.clear(backgroundColor);
    target.setView(camera);
    drawWholeLayers(target);
    tileMap.drawWhole(target, sf::RenderStates::Default);
    target.draw(groundStrip);
    drawCharacters(target);
    target.setView(target.getDefaultView());
}
