#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <vector>

/// How the forest's layers look once each is stretched to the window, band by
/// band: the window's rows are cut into bands, and within a band every layer
/// has the image columns that show something and those that are opaque all the
/// way down the band. A layer needs drawing only where it shows something and
/// no nearer layer is opaque; these runs are what that is worked out from.
class LayerBands
{
public:
    /// Image columns [begin, end).
    struct Run
    {
        unsigned begin;
        unsigned end;
    };

    /// One layer within one band.
    struct Columns
    {
        std::vector<Run> shown;  ///< columns with a pixel that is not fully transparent
        std::vector<Run> opaque; ///< columns whose every pixel in the band is opaque
    };

    struct Band
    {
        int top;                     ///< first window row
        int bottom;                  ///< one past the last
        std::vector<Columns> layers; ///< back to front
    };

    LayerBands() = default;

    /// The images back to front, each stretched to `windowSize`, looked at in
    /// bands of about `bandHeight` window rows.
    LayerBands(const std::vector<sf::Image>& images, sf::Vector2u windowSize, unsigned bandHeight);

    const std::vector<Band>& getBands() const { return bands; }

    /// The width of layer `layer`'s image, in its own columns.
    unsigned getColumns(std::size_t layer) const { return columns[layer]; }
    std::size_t getLayerCount() const { return columns.size(); }

    /// Whether every band has a layer opaque across its whole width, so that
    /// nothing behind the layers can show anywhere in the window.
    bool fillWindow() const;

private:
    std::vector<unsigned> columns;
    std::vector<Band> bands;
};
