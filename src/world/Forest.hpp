#pragma once

#include "world/ForestRenderer.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/View.hpp>

#include <vector>

/// The four forest layers behind the level, back to front: each stretched to
/// the window and repeated side by side, scrolling at its own share of the
/// camera's speed, so that far trees seem to move slower than near ones.
class Forest
{
public:
    Forest() = default;

    Forest(const Forest&) = delete;
    Forest& operator=(const Forest&) = delete;

    /// (Re)builds the layers, each stretched to a window of this size, and
    /// looks at where they show for drawing them fast. Throws what
    /// TextureCache::get throws when a layer image is missing.
    void load(sf::Vector2u windowSize);

    /// Whether the layers, wherever they stand, leave nothing behind them to
    /// show anywhere in the window.
    bool fillsWindow() const { return renderer.fillsWindow(); }

    /// Draws the layers into the target through `camera`, which the target's
    /// view must already be: only where they can show, the picture being the
    /// one drawWhole draws.
    void draw(sf::RenderTarget& target, const sf::View& camera);

    /// The same picture drawn the plain way: every layer whole, in four copies
    /// side by side.
    void drawWhole(sf::RenderTarget& target, const sf::View& camera) const;

    const std::vector<sf::Sprite>& getLayers() const { return layers; }
    const std::vector<float>& getLayerFactors() const { return layerFactors; }

    /// Where the world x of each of the four copies of layer `index` is drawn,
    /// seen through `camera`.
    std::vector<float> layerCopyPositions(std::size_t index, const sf::View& camera) const;

private:
    /// Every layer with the world x of its copies, as the camera stands.
    void placeLayers(const sf::View& camera, std::vector<ForestRenderer::Layer>& placed) const;

    std::vector<sf::Sprite> layers;
    std::vector<float> layerFactors;
    ForestRenderer renderer{ForestRenderer::tuningFor({})};
    std::vector<ForestRenderer::Layer> placedLayers; ///< kept from frame to frame
};
