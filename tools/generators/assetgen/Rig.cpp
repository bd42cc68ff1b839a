#include "Rig.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float degreesToRadians = 3.14159265f / 180.0f;
}

sf::Vector2f Rig::reach(sf::Vector2f origin, float angle, float length)
{
    const float a = angle * degreesToRadians;
    return {origin.x + std::sin(a) * length, origin.y + std::cos(a) * length};
}

sf::Vector2f Rig::bend(sf::Vector2f root, sf::Vector2f tip, float upper, float lower,
                       bool bendForward)
{
    const sf::Vector2f d = tip - root;
    const float dist = std::sqrt(d.x * d.x + d.y * d.y);
    if (dist < 1e-4f)
        return reach(root, 0.0f, upper);
    const sf::Vector2f dir = d / dist;
    if (dist >= upper + lower)
        return root + dir * upper;

    // Law of cosines: distance along root->tip to the foot of the joint, then sideways.
    const float along =
        std::clamp((upper * upper - lower * lower + dist * dist) / (2.0f * dist), -upper, upper);
    const float side = std::sqrt(std::max(0.0f, upper * upper - along * along));
    sf::Vector2f normal(-dir.y, dir.x);
    if ((normal.x > 0.0f) != bendForward)
        normal = -normal;
    return root + dir * along + normal * side;
}

float Rig::stridePhase(int frame, int footfall, int frames)
{
    return static_cast<float>((frame - footfall + frames) % frames) / static_cast<float>(frames);
}
