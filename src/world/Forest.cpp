#include "world/Forest.hpp"

#include "resources/ImageFiles.hpp"
#include "resources/TextureCache.hpp"
#include "world/Parallax.hpp"

#include <array>
#include <iterator>

namespace
{
// Back to front, as the images are listed; a far layer scrolls at a small
// share of the camera's speed.
constexpr float factors[] = {0.05f, 0.1f, 0.3f, 0.5f};
static_assert(std::size(factors) == std::size(forestLayerFiles), "a speed for every layer");

constexpr int layerCopies = 4;
} // namespace

void Forest::load(sf::Vector2u windowSize)
{
    layers.clear();
    layerFactors.clear();

    std::array<const sf::Texture*, std::size(forestLayerFiles)> textures{};
    for (std::size_t i = 0; i < textures.size(); ++i)
        textures[i] = &TextureCache::get(forestLayerFiles[i]);

    for (std::size_t i = 0; i < textures.size(); ++i)
    {
        sf::Sprite layer(*textures[i]);
        const sf::Vector2u size = textures[i]->getSize();
        // Stretched to exactly the window, each way on its own.
        layer.setScale(static_cast<float>(windowSize.x) / static_cast<float>(size.x),
                       static_cast<float>(windowSize.y) / static_cast<float>(size.y));
        layers.push_back(layer);
        layerFactors.push_back(factors[i]);
    }

    std::vector<sf::Image> images;
    for (const sf::Texture* texture : textures)
        images.push_back(texture->copyToImage());
    renderer = ForestRenderer(ForestRenderer::tuningFor(windowSize));
    renderer.prepare(images, windowSize);
}

std::vector<float> Forest::layerCopyPositions(std::size_t index, const sf::View& camera) const
{
    std::vector<ForestRenderer::Layer> placed;
    placeLayers(camera, placed);
    return placed[index].copies;
}

void Forest::placeLayers(const sf::View& camera, std::vector<ForestRenderer::Layer>& placed) const
{
    placed.resize(layers.size());
    for (std::size_t i = 0; i < layers.size(); ++i)
    {
        placed[i].sprite = &layers[i];
        placed[i].copies.clear();
        if (layers[i].getTexture() == nullptr)
            continue;
        const float width = layerWidth(layers[i]);
        const float start =
            parallaxStart(camera.getCenter().x, camera.getSize().x, layerFactors[i], width);
        for (int copy = 0; copy < layerCopies; ++copy)
            placed[i].copies.push_back(start + static_cast<float>(copy) * width);
    }
}

void Forest::draw(sf::RenderTarget& target, const sf::View& camera)
{
    placeLayers(camera, placedLayers);
    renderer.draw(target, placedLayers,
                  {camera.getCenter() - camera.getSize() * 0.5f, camera.getSize()});
}

void Forest::drawWhole(sf::RenderTarget& target, const sf::View& camera) const
{
    std::vector<ForestRenderer::Layer> placed;
    placeLayers(camera, placed);
    ForestRenderer::drawWhole(target, placed);
}
