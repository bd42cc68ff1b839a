#pragma once

/// A second-order filter (the usual audio "cookbook" shapes), run one sample at
/// a time. Its shape can be changed while it runs, for sweeps.
class Biquad
{
public:
    enum class Shape
    {
        LowPass,
        HighPass,
        BandPass
    };

    Biquad(Shape shape, double sampleRate, double frequency, double q);

    /// New corner or centre frequency and q; the filter's memory is kept.
    void tune(double frequency, double q);

    double process(double input);

private:
    Shape shape;
    double sampleRate;
    double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double z1 = 0, z2 = 0;
};
