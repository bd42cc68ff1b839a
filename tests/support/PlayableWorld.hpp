#pragma once

#include "kit/ScriptedInput.hpp"
#include "support/ScratchDirectory.hpp"
#include "world/World.hpp"

/// The play screen's world for a window of the given size, built with its
/// level, characters and forest in a scratch directory, on keys the test holds.
struct PlayableWorld
{
    explicit PlayableWorld(sf::Vector2u size) : world(size, keys.input)
    {
        world.build(size);
        world.loadBackground();
    }

    ScratchDirectory dir;
    ScriptedInput keys;
    World world;
};
