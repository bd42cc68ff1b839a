#pragma once

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <string>
#include <unordered_map>
#include <vector>

/// A grid of textured squares cut from one tileset, drawn as one vertex array.
/// It keeps the grid of tile numbers for collision: a number above 0 is solid.
class TileMap : public sf::Drawable, public sf::Transformable
{
public:
    /// Loads the tileset and builds one quad per cell. `tiles` lists the cells
    /// row by row (column + row * width). Returns false, leaving the map as it
    /// was, when the tileset cannot be loaded or `tiles` has fewer than
    /// width * height numbers. A cell of number 0 shows the tileset's top-left
    /// pixel; a number missing from `tileRects` is reported on standard error
    /// and its cell keeps the texture coordinates it had.
    bool load(const std::string& path, sf::Vector2u tileSize, const std::vector<int>& tiles,
              unsigned width, unsigned height,
              const std::unordered_map<int, sf::IntRect>& tileRects);

    sf::Vector2u getTileSize() const { return tileSize; }
    unsigned getWidth() const { return width; }
    unsigned getHeight() const { return height; }
    const std::vector<int>& getTiles() const { return tiles; }
    const sf::VertexArray& getVertices() const { return vertices; }
    const sf::Texture& getTileset() const { return tileset; }

    /// Draws every quad, the fully transparent ones too. The picture is the one
    /// the map draws as a drawable, which leaves those out.
    void drawWhole(sf::RenderTarget& target, sf::RenderStates states) const;

private:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    /// Keeps the quads that show something: the empty cells of a level, which
    /// show a transparent pixel, are most of the map.
    void collectShownQuads(const sf::Image& image);

    sf::VertexArray vertices;
    sf::VertexArray shownVertices{sf::Quads};
    sf::Texture tileset;
    sf::Vector2u tileSize;
    unsigned width = 0;
    unsigned height = 0;
    std::vector<int> tiles;
    std::unordered_map<int, sf::IntRect> tileRects;
};
