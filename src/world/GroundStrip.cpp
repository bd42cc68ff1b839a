#include "world/GroundStrip.hpp"

#include <SFML/Graphics/VertexArray.hpp>

#include <algorithm>
#include <cmath>

namespace
{
/// Appends the map's quad that starts at vertex `pattern`, moved to map
/// column `column`.
void addCell(sf::VertexArray& quads, const TileMap& map, std::size_t pattern, int column)
{
    const sf::VertexArray& cells = map.getVertices();
    const float offset = static_cast<float>(column) * static_cast<float>(map.getTileSize().x) -
                         cells[pattern].position.x;
    for (std::size_t corner = 0; corner < 4; ++corner)
    {
        sf::Vertex vertex = cells[pattern + corner];
        vertex.position.x += offset;
        quads.append(vertex);
    }
}
} // namespace

void GroundStrip::draw(sf::RenderTarget& target, sf::RenderStates states) const
{
    const std::size_t columns = map.getWidth();
    const std::size_t rows = map.getHeight();
    if (columns == 0 || rows == 0 || map.getVertices().getVertexCount() < columns * rows * 4)
        return;

    // The view's edges in the map's own units, and the columns they cut.
    states.transform *= map.getTransform();
    const sf::Transform toMap = states.transform.getInverse();
    const sf::View& view = target.getView();
    const float viewLeft = view.getCenter().x - view.getSize().x * 0.5f;
    const float left = toMap.transformPoint(viewLeft, 0.f).x;
    const float right = toMap.transformPoint(viewLeft + view.getSize().x, 0.f).x;
    const float cell = static_cast<float>(map.getTileSize().x);
    const int first = static_cast<int>(std::floor(left / cell));
    const int last = static_cast<int>(std::ceil(right / cell));

    const std::size_t bottomRow = (rows - 1) * columns;
    const int width = static_cast<int>(columns);
    sf::VertexArray quads(sf::Quads);
    for (int column = first; column < std::min(last, 0); ++column)
        addCell(quads, map, bottomRow * 4, column);
    for (int column = std::max(first, width); column < last; ++column)
        addCell(quads, map, (bottomRow + columns - 1) * 4, column);

    // Drawn as the map draws its cells, so that the two meet without a seam.
    states.texture = &map.getTileset();
    target.draw(quads, states);
}
