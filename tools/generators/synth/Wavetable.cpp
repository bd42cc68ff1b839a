#include "Wavetable.hpp"

#include <cmath>

namespace
{
constexpr std::size_t tableSize = 4096;
}

Wavetable::Wavetable(const std::vector<double>& harmonics) : table(tableSize + 1, 0.0)
{
    const double pi = 3.14159265358979323846;
    for (std::size_t i = 0; i < tableSize; ++i)
        for (std::size_t k = 0; k < harmonics.size(); ++k)
            table[i] += harmonics[k] * std::sin(2.0 * pi * static_cast<double>((k + 1) * i) /
                                                static_cast<double>(tableSize));
    table[tableSize] = table[0]; // so reading between the last entry and the first needs no test
}

double Wavetable::at(double phase) const
{
    const double position = (phase - std::floor(phase)) * static_cast<double>(tableSize);
    const auto index = static_cast<std::size_t>(position);
    const double fraction = position - static_cast<double>(index);
    return table[index] + (table[index + 1] - table[index]) * fraction;
}
