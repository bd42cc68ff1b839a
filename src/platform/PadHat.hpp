#pragma once

/// Which way SFML's d-pad axis PovY counts. SFML 2.6 on Linux hands on the
/// driver's value, up negative as on the stick; on Windows it turns the pad's
/// hat angle into PovY = cos(angle) * 100, so there up is +100 (PovX agrees on
/// both: right is positive). It could go if SFML gave one sign everywhere.
enum class PadHatY
{
    UpNegative, ///< Linux
    UpPositive  ///< Windows
};

#if defined(_WIN32)
constexpr PadHatY systemPadHatY = PadHatY::UpPositive;
#else
constexpr PadHatY systemPadHatY = PadHatY::UpNegative;
#endif

/// SFML's PovY position with up negative, as the stick's Y reads.
constexpr float padHatYUpNegative(float povY, PadHatY sign = systemPadHatY)
{
    return sign == PadHatY::UpPositive ? -povY : povY;
}
