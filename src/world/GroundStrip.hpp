#pragma once

#include "world/TileMap.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

/// The level's ground row carried on without end to the left and the right,
/// under the characters' floor line that goes on too: the row's first cell
/// repeated leftward and its last cell rightward, at the same height and
/// scale, wherever the target's view looks. The level's own cells are left to
/// the map, so inside the level the picture is the map's alone.
class GroundStrip : public sf::Drawable
{
public:
    /// Follows the map as it stands when drawn: its bottom row, its tileset,
    /// and where and how big it is drawn. An empty map gives no strip.
    explicit GroundStrip(const TileMap& map) : map(map) {}

private:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    const TileMap& map;
};
