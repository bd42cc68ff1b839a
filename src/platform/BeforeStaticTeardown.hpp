#pragma once

#include <functional>
#include <utility>

/// Runs `release` as it goes out of scope in main, before the program's static
/// objects are destroyed. Linked statically, as on Windows, SFML's own globals
/// may be destroyed before the game's, and a texture still cached then crashes
/// the game as it ends: it can no longer make a GL context to delete itself.
/// It could go if nothing of SFML's outlived main in a static of the game's.
class BeforeStaticTeardown
{
public:
    explicit BeforeStaticTeardown(std::function<void()> release) : release(std::move(release)) {}
    ~BeforeStaticTeardown() { release(); }

    BeforeStaticTeardown(const BeforeStaticTeardown&) = delete;
    BeforeStaticTeardown& operator=(const BeforeStaticTeardown&) = delete;

private:
    std::function<void()> release;
};
