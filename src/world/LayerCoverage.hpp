#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <vector>

/// The parts of a forest layer that can show in the window, as quads in the
/// layer image's own pixels: cells with something to show, left out where they
/// are fully transparent or where nearer layers cover them with opaque rows.
/// Fully opaque cells are kept apart, since they need no blending. Drawn with
/// the layer's texture and transform, the quads give the same picture as the
/// whole layer for much less filling.
class LayerCoverage
{
public:
    /// The coverage of every layer (images back to front), each stretched to
    /// a window `windowHeight` pixels high.
    static std::vector<LayerCoverage> analyse(const std::vector<sf::Image>& images,
                                              unsigned windowHeight);

    /// Cells without a single pixel that lets anything through.
    const sf::VertexArray& getOpaque() const { return opaque; }

    /// Cells with some content that the layers behind show through.
    const sf::VertexArray& getTranslucent() const { return translucent; }

private:
    sf::VertexArray opaque{sf::Quads};
    sf::VertexArray translucent{sf::Quads};
};
