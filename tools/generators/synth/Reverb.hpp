#pragma once

#include <array>
#include <vector>

/// A small stereo room: eight damped feedback delays and four all-pass
/// diffusers per side, the classic recipe for a soft, dense tail.
class Reverb
{
public:
    /// `room` (0 to 1) sets how long the tail lasts, `damping` (0 to 1) how
    /// quickly its highs fade.
    Reverb(double room, double damping);

    /// Feeds one stereo sample in and returns the wet signal only.
    void process(double inLeft, double inRight, double& outLeft, double& outRight);

private:
    struct Comb
    {
        std::vector<double> buffer;
        std::size_t index = 0;
        double store = 0;
    };
    struct AllPass
    {
        std::vector<double> buffer;
        std::size_t index = 0;
    };

    double comb(Comb& c, double input) const;
    static double allPass(AllPass& a, double input);

    double feedback;
    double damp;
    std::array<Comb, 8> leftCombs;
    std::array<Comb, 8> rightCombs;
    std::array<AllPass, 4> leftAllPasses;
    std::array<AllPass, 4> rightAllPasses;
};
