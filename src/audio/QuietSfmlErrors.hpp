#pragma once

#include <SFML/System/Err.hpp>

#include <streambuf>

/// While it lives, SFML keeps its messages to itself. The audio code reports a
/// missing sound file in one line of its own; SFML would add lines of its own.
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
