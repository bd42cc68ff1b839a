#pragma once

#include <SFML/Graphics/Color.hpp>

/// The colour the window is cleared to before every frame is drawn; play's
/// world shows it wherever nothing else is drawn.
inline sf::Color clearColor()
{
    return {30, 30, 60};
}
