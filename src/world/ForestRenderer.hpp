#pragma once

#include "world/LayerBands.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <cstddef>
#include <utility>
#include <vector>

/// Draws the forest's layers fast, with exactly the picture that drawing every
/// copy of every layer whole, back to front, gives. Each layer is still drawn
/// whole, but clipped (with the GL scissor) to the rectangles where it shows
/// something and no nearer layer is opaque; where it is opaque all over a
/// rectangle, without blending. The rectangles move from frame to frame as
/// the layers scroll apart. Drawing in software pays for every pixel filled,
/// and this fills most pixels of the window once instead of three times.
class ForestRenderer
{
public:
    /// One layer as a frame shows it: its sprite, stretched to the window, and
    /// the world x of each of its copies, side by side, left to right.
    struct Layer
    {
        const sf::Sprite* sprite = nullptr;
        std::vector<float> copies;
    };

    /// Window pixels [left, right) x [top, bottom) that one layer is drawn in.
    struct Clip
    {
        std::size_t layer;
        int left;
        int top;
        int right;
        int bottom;
        bool opaque; ///< the layer covers all of it opaquely: no blending needed
    };

    /// How finely the layers are cut into rectangles.
    struct Tuning
    {
        /// What one more clip rectangle costs, as a number of pixels filled:
        /// a gap narrower than that is filled over rather than cut out.
        double clipCost;
        /// About how many window rows the layers are looked at together.
        unsigned bandHeight;
    };

    /// What suits a window of this size.
    static Tuning tuningFor(sf::Vector2u windowSize);

    explicit ForestRenderer(Tuning tuning);

    /// Looks at the layer images (back to front) as stretched to a window of
    /// this size. Until then, and for any other target size, the layers are
    /// drawn whole.
    void prepare(const std::vector<sf::Image>& images, sf::Vector2u windowSize);

    /// Whether the layers, wherever they stand, leave nothing behind them to
    /// show anywhere in the window.
    bool fillsWindow() const { return bands.fillWindow(); }

    /// Draws the layers into the target through its current view, which shows
    /// `view` of the world.
    void draw(sf::RenderTarget& target, const std::vector<Layer>& layers,
              const sf::FloatRect& view);

    /// The rectangles each layer is drawn in, layer after layer, back to front,
    /// for a view whose left edge is at world x `viewLeft`.
    const std::vector<Clip>& plan(const std::vector<Layer>& layers, float viewLeft);

    /// Draws every copy of every layer whole: the plain way, for any target.
    static void drawWhole(sf::RenderTarget& target, const std::vector<Layer>& layers);

private:
    /// Half-open ranges of window columns, sorted and apart.
    using Spans = std::vector<std::pair<int, int>>;
    using FloatSpans = std::vector<std::pair<float, float>>;

    /// Where runs of a layer's image columns fall in the window, in window x.
    void place(const std::vector<LayerBands::Run>& runs, std::size_t layer, const Layer& layerShown,
               float viewLeft, FloatSpans& out) const;

    /// The band's rectangles for one layer: its columns that show something,
    /// less those that nearer layers cover, joined over narrow gaps and with
    /// the band above where they line up.
    void planLayer(const LayerBands::Band& band, std::size_t layer, const Layer& layerShown,
                   float viewLeft);

    bool ready(const sf::RenderTarget& target, const std::vector<Layer>& layers,
               const sf::FloatRect& view) const;

    Tuning tuning;
    sf::Vector2u windowSize;
    LayerBands bands;
    /// Per layer: every pixel is either fully opaque or fully transparent, so
    /// dropping the transparent ones gives what blending would.
    std::vector<bool> opaqueOrClear;

    // Kept from frame to frame, so that planning allocates nothing.
    std::vector<Clip> clips;
    std::vector<std::vector<Clip>> layerClips;
    std::vector<std::vector<std::size_t>> open; ///< each layer's clips that reach the band
    std::vector<std::size_t> stillOpen;
    FloatSpans placed;
    Spans shown;
    Spans opaque;
    Spans covered;
    Spans drawn;
    Spans scratch;
};
