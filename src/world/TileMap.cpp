#include "world/TileMap.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>

bool TileMap::load(const std::string& path, sf::Vector2u tileSize, const std::vector<int>& tiles,
                   unsigned width, unsigned height,
                   const std::unordered_map<int, sf::IntRect>& tileRects)
{
    const std::uint64_t cellCount = std::uint64_t{width} * height;
    if (tiles.size() < cellCount)
    {
        std::cerr << "Недостаточно номеров тайлов: " << tiles.size() << " на " << width << 'x'
                  << height << " клеток" << std::endl;
        return false;
    }
    sf::Image image;
    if (!image.loadFromFile(path) || !tileset.loadFromImage(image))
        return false;

    this->tileSize = tileSize;
    this->width = width;
    this->height = height;
    this->tiles = tiles;
    this->tileRects = tileRects;

    // Resizing keeps the quads of an earlier load, so a cell whose number is
    // unknown now keeps its earlier look.
    vertices.setPrimitiveType(sf::Quads);
    vertices.resize(static_cast<std::size_t>(cellCount) * 4);
    for (unsigned i = 0; i < width; ++i)
    {
        for (unsigned j = 0; j < height; ++j)
        {
            const std::size_t cell = i + std::size_t{j} * width;
            const int number = tiles[cell];
            sf::Vertex* quad = &vertices[cell * 4];

            const float left = static_cast<float>(i * tileSize.x);
            const float right = static_cast<float>((i + 1) * tileSize.x);
            const float top = static_cast<float>(j * tileSize.y);
            const float bottom = static_cast<float>((j + 1) * tileSize.y);
            quad[0].position = {left, top};
            quad[1].position = {right, top};
            quad[2].position = {right, bottom};
            quad[3].position = {left, bottom};

            if (number == 0)
            {
                for (int corner = 0; corner < 4; ++corner)
                    quad[corner].texCoords = {0.f, 0.f};
                continue;
            }
            const auto rect = tileRects.find(number);
            if (rect == tileRects.end())
            {
                std::cerr << "Неизвестный номер тайла: " << number << std::endl;
                continue;
            }
            const sf::IntRect& r = rect->second;
            quad[0].texCoords = {static_cast<float>(r.left), static_cast<float>(r.top)};
            quad[1].texCoords = {static_cast<float>(r.left + r.width), static_cast<float>(r.top)};
            quad[2].texCoords = {static_cast<float>(r.left + r.width),
                                 static_cast<float>(r.top + r.height)};
            quad[3].texCoords = {static_cast<float>(r.left), static_cast<float>(r.top + r.height)};
        }
    }
    collectShownQuads(image);
    return true;
}

void TileMap::collectShownQuads(const sf::Image& image)
{
    const sf::Vector2u size = image.getSize();
    // Whether a texel of the rectangle spanned by the quad's texture
    // coordinates (the one texel at its corner when it spans none) shows.
    const auto shows = [&image, size](const sf::Vertex* quad)
    {
        float left = quad[0].texCoords.x, right = left, top = quad[0].texCoords.y, bottom = top;
        for (int corner = 1; corner < 4; ++corner)
        {
            left = std::min(left, quad[corner].texCoords.x);
            right = std::max(right, quad[corner].texCoords.x);
            top = std::min(top, quad[corner].texCoords.y);
            bottom = std::max(bottom, quad[corner].texCoords.y);
        }
        const auto column = [size](float x)
        { return static_cast<unsigned>(std::clamp(x, 0.f, static_cast<float>(size.x) - 1.f)); };
        const auto row = [size](float y)
        { return static_cast<unsigned>(std::clamp(y, 0.f, static_cast<float>(size.y) - 1.f)); };
        const unsigned x1 = right > left ? column(std::ceil(right) - 1.f) : column(left);
        const unsigned y1 = bottom > top ? row(std::ceil(bottom) - 1.f) : row(top);
        for (unsigned y = row(top); y <= y1; ++y)
            for (unsigned x = column(left); x <= x1; ++x)
                if (image.getPixel(x, y).a > 0)
                    return true;
        return false;
    };

    shownVertices.clear();
    for (std::size_t first = 0; first + 3 < vertices.getVertexCount(); first += 4)
        if (size.x > 0 && size.y > 0 && shows(&vertices[first]))
            for (std::size_t corner = 0; corner < 4; ++corner)
                shownVertices.append(vertices[first + corner]);
}

void TileMap::draw(sf::RenderTarget& target, sf::RenderStates states) const
{
    states.transform *= getTransform();
    states.texture = &tileset;
    target.draw(shownVertices, states);
}

void TileMap::drawWhole(sf::RenderTarget& target, sf::RenderStates states) const
{
    states.transform *= getTransform();
    states.texture = &tileset;
    target.draw(vertices, states);
}
