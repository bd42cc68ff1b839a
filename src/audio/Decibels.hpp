#pragma once

#include <cmath>

/// The factor a level of `db` decibels scales a sound's amplitude by.
inline float fromDecibels(float db)
{
    return std::pow(10.f, db / 20.f);
}
