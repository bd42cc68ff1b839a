#pragma once

#include <SFML/System/Err.hpp>

#include <streambuf>

/// While it lives, SFML keeps its messages to itself. SFML writes every failed
/// load to sf::err() (standard error), in English and in lines of its own; the
/// audio code reports a missing sound file in one line of the game's instead.
/// It could go if SFML's loads returned their reason rather than printing it.
class QuietSfmlErrors
{
public:
    QuietSfmlErrors() : previous(sf::err().rdbuf(nullptr)) {}
    ~QuietSfmlErrors() { sf::err().rdbuf(previous); } // also clears the stream's fail state

    QuietSfmlErrors(const QuietSfmlErrors&) = delete;
    QuietSfmlErrors& operator=(const QuietSfmlErrors&) = delete;

private:
    std::streambuf* previous;
};
