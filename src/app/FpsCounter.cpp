#include "app/FpsCounter.hpp"

#include <algorithm>
#include <ostream>

float clampFrameTime(sf::Time elapsed)
{
    return std::min(elapsed.asSeconds(), maxFrameTime);
}

FpsCounter::FpsCounter(std::ostream& out) : out(out) {}

bool FpsCounter::frameShown(sf::Time sinceLastReport)
{
    ++frames;
    if (sinceLastReport < sf::seconds(1.f))
        return false;
    out << "FPS: " << frames << std::endl;
    frames = 0;
    return true;
}
