#pragma once

#include <SFML/System/Vector2.hpp>

/// Joint geometry for posing the characters' limbs.
///
/// Angles are in degrees measured from straight down; positive angles swing the
/// limb forward (towards +x, the way the characters face).
class Rig
{
public:
    /// The point `length` pixels from `origin` in direction `angle`.
    static sf::Vector2f reach(sf::Vector2f origin, float angle, float length);

    /// Middle joint (knee or elbow) of a two-bone limb running from root to tip.
    /// `bendForward` picks which side the joint pokes out to. If the tip is out of
    /// reach the limb is simply stretched straight towards it.
    static sf::Vector2f bend(sf::Vector2f root, sf::Vector2f tip, float upper, float lower,
                             bool bendForward);

    /// Where in its stride a foot is on `frame` of a cycle of `frames`, from 0
    /// (just come down, on frame `footfall`) up to 1.
    static float stridePhase(int frame, int footfall, int frames);
};
