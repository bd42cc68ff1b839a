#include "Reverb.hpp"

namespace
{
// Delay lengths in samples at 44.1 kHz, mutually prime so the echoes never line up.
constexpr std::array<std::size_t, 8> combLengths = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<std::size_t, 4> allPassLengths = {556, 441, 341, 225};
// The right side's delays are a little longer, which spreads the tail across.
constexpr std::size_t stereoSpread = 23;
constexpr double inputGain = 0.015;
} // namespace

Reverb::Reverb(double room, double damping) : feedback(0.7 + 0.28 * room), damp(0.4 * damping)
{
    for (std::size_t i = 0; i < combLengths.size(); ++i)
    {
        leftCombs[i].buffer.assign(combLengths[i], 0.0);
        rightCombs[i].buffer.assign(combLengths[i] + stereoSpread, 0.0);
    }
    for (std::size_t i = 0; i < allPassLengths.size(); ++i)
    {
        leftAllPasses[i].buffer.assign(allPassLengths[i], 0.0);
        rightAllPasses[i].buffer.assign(allPassLengths[i] + stereoSpread, 0.0);
    }
}

double Reverb::comb(Comb& c, double input) const
{
    const double output = c.buffer[c.index];
    c.store = output * (1.0 - damp) + c.store * damp;
    c.buffer[c.index] = input + c.store * feedback;
    c.index = (c.index + 1) % c.buffer.size();
    return output;
}

double Reverb::allPass(AllPass& a, double input)
{
    const double delayed = a.buffer[a.index];
    a.buffer[a.index] = input + delayed * 0.5;
    a.index = (a.index + 1) % a.buffer.size();
    return delayed - input;
}

void Reverb::process(double inLeft, double inRight, double& outLeft, double& outRight)
{
    const double input = (inLeft + inRight) * inputGain;
    outLeft = 0;
    outRight = 0;
    for (std::size_t i = 0; i < leftCombs.size(); ++i)
    {
        outLeft += comb(leftCombs[i], input);
        outRight += comb(rightCombs[i], input);
    }
    for (std::size_t i = 0; i < leftAllPasses.size(); ++i)
    {
        outLeft = allPass(leftAllPasses[i], outLeft);
        outRight = allPass(rightAllPasses[i], outRight);
    }
}
