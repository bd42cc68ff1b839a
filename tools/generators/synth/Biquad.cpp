#include "Biquad.hpp"

#include <algorithm>
#include <cmath>

Biquad::Biquad(Shape shape, double sampleRate, double frequency, double q)
    : shape(shape), sampleRate(sampleRate)
{
    tune(frequency, q);
}

void Biquad::tune(double frequency, double q)
{
    const double pi = 3.14159265358979323846;
    const double w = 2.0 * pi * std::clamp(frequency, 10.0, sampleRate * 0.45) / sampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double cosw = std::cos(w);
    const double a0 = 1.0 + alpha;
    switch (shape)
    {
    case Shape::LowPass:
        b0 = (1.0 - cosw) / 2.0;
        b1 = 1.0 - cosw;
        b2 = b0;
        break;
    case Shape::HighPass:
        b0 = (1.0 + cosw) / 2.0;
        b1 = -(1.0 + cosw);
        b2 = b0;
        break;
    case Shape::BandPass:
        // Unit gain at the centre, whatever the q.
        b0 = alpha;
        b1 = 0.0;
        b2 = -alpha;
        break;
    }
    b0 /= a0;
    b1 /= a0;
    b2 /= a0;
    a1 = -2.0 * cosw / a0;
    a2 = (1.0 - alpha) / a0;
}

double Biquad::process(double input)
{
    const double output = b0 * input + z1;
    z1 = b1 * input - a1 * output + z2;
    z2 = b2 * input - a2 * output;
    return output;
}
