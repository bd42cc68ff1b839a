#pragma once

#include "world/ColumnSpans.hpp"
#include "world/LayerBands.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <cstddef>
#include <vector>

/// The drawn width of one copy of a forest layer: its texture as scaled.
float layerWidth(const sf::Sprite& layer);

/// Works out, for each frame, the rectangles of the window in which each of
/// the forest's layers must be drawn so that the picture is the one drawing
/// every copy of every layer whole gives: where the layer shows something and
/// no nearer layer is opaque, and whether it is opaque all over a rectangle.
/// The rectangles move from frame to frame as the layers scroll apart. Plain
/// arithmetic on the layer images: no drawing.
class ClipPlanner
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

    explicit ClipPlanner(Tuning tuning) : tuning(tuning) {}

    /// Looks at the layer images (back to front) as stretched to a window of
    /// this size.
    void prepare(const std::vector<sf::Image>& images, sf::Vector2u windowSize);

    /// Whether the layers, wherever they stand, leave nothing behind them to
    /// show anywhere in the window.
    bool fillsWindow() const { return bands.fillWindow(); }

    /// The rectangles each layer is drawn in, layer after layer, back to front,
    /// for a view whose left edge is at world x `viewLeft`.
    const std::vector<Clip>& plan(const std::vector<Layer>& layers, float viewLeft);

    /// The window size the layers were looked at for; none before prepare.
    sf::Vector2u getWindowSize() const { return windowSize; }
    std::size_t getLayerCount() const { return bands.getLayerCount(); }
    /// The width of layer `layer`'s image.
    unsigned getColumns(std::size_t layer) const { return bands.getColumns(layer); }

    /// Whether every pixel of layer `layer` is either fully opaque or fully
    /// transparent, so that leaving out the transparent ones gives what
    /// blending would.
    bool isOpaqueOrClear(std::size_t layer) const { return opaqueOrClear[layer]; }

private:
    /// Where runs of a layer's image columns fall in the window, in window x.
    void place(const std::vector<LayerBands::Run>& runs, std::size_t layer, const Layer& layerShown,
               float viewLeft, columnSpans::FloatSpans& out) const;

    /// The band's rectangles for one layer: its columns that show something,
    /// less those that nearer layers cover, joined over narrow gaps and with
    /// the band above where they line up.
    void planLayer(const LayerBands::Band& band, std::size_t layer, const Layer& layerShown,
                   float viewLeft);

    Tuning tuning;
    sf::Vector2u windowSize;
    LayerBands bands;
    std::vector<bool> opaqueOrClear;

    // Kept from frame to frame, so that planning allocates nothing.
    std::vector<Clip> clips;
    std::vector<std::vector<Clip>> layerClips;
    std::vector<std::vector<std::size_t>> open; ///< each layer's clips that reach the band
    std::vector<std::size_t> stillOpen;
    columnSpans::FloatSpans placed;
    columnSpans::Spans shown;
    columnSpans::Spans opaque;
    columnSpans::Spans covered;
    columnSpans::Spans drawn;
    columnSpans::Spans scratch;
};
