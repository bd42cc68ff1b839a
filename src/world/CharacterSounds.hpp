#pragma once

#include "audio/Audio.hpp"

#include <vector>

class World;

/// Hears the play screen's characters: after each step of play it looks at
/// what the knight and the skeleton show and plays what goes with it, on the
/// frames their sheets put a foot down or swing the axe on. The characters
/// themselves know nothing of sound.
class CharacterSounds
{
public:
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
