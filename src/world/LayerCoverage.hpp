#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

/// Where each forest layer can show in a window of a given size: the rows that
/// nearer layers do not cover with opaque rows, and within them the columns
/// that are not fully transparent, as a few rectangles ("patches"). Drawing
/// each layer whole but only inside its patches gives the same picture as
/// drawing it whole everywhere, for much less filling.
///
/// Patches are chosen by their cost: every patch the drawing has to clip to
/// costs as much as filling `patchCost` pixels, so small gaps are filled over
/// rather than cut out.
class LayerCoverage
{
public:
    /// A rectangle of a layer: rows in window pixels from the top, columns in
    /// the layer image's own pixels.
    struct Patch
    {
        int top;
        int bottom; ///< one past the last row
        unsigned left;
        unsigned right;      ///< one past the last column
        bool fullWidth;      ///< spans the whole image: the same for every copy
        bool opaque = false; ///< every pixel it shows is opaque: no blending needed
    };

    /// The patches of every layer (images back to front), each image stretched
    /// to `windowSize`.
    static std::vector<LayerCoverage> analyse(const std::vector<sf::Image>& images,
                                              sf::Vector2u windowSize, double patchCost);

    /// Whether every row of the window shows an opaque row of some layer, so
    /// that nothing behind the layers can show.
    static bool fillsWindow(const std::vector<sf::Image>& images, unsigned windowHeight);

    const std::vector<Patch>& getPatches() const { return patches; }

private:
    std::vector<Patch> patches;
};
