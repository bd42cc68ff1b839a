#pragma once

#include <SFML/Graphics/Image.hpp>

#include <istream>
#include <optional>
#include <string>

/// Reads an X window dump (what `xwd` writes) of a true-colour window into an image.
class XwdReader
{
public:
    /// The picture, or nothing with a reason in `error` when the dump is not one we read.
    static std::optional<sf::Image> read(std::istream& in, std::string& error);
};
