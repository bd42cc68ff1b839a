#pragma once

#include "audio/Audio.hpp"

#include <vector>

class World;

/// Hears the play screen's characters: after each step of play it looks at
/// what the knight and the skeleton show and plays what goes with it. The
/// characters themselves know nothing of sound.
class CharacterSounds
{
public:
    /// The knight's run frames where a foot meets the ground, and the
    /// skeleton's walk frames likewise (both sheets put the near foot down on
    /// the first frame and the far foot halfway through).
    static constexpr int footfallFrames[] = {0, 5};
    /// The frame of the skeleton's attack where the axe starts its swing.
    static constexpr int swingFrame = 2;

    /// Called after every update of the world.
    void update(const World& world, Audio& audio);

private:
    /// What a character showed after the previous update.
    struct Seen
    {
        int state = -1;
        int frame = -1;
        bool airborne = false;
    };

    std::vector<Seen> seen;
};
