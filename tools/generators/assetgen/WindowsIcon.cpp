#include "WindowsIcon.hpp"

#include <stdexcept>

namespace
{
void put16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, unsigned value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

/// One picture as an icon's bitmap: its header (twice as high, for the mask
/// that follows the colours), its pixels bottom row first in blue, green, red
/// and alpha, and a mask of no bits set, since the alpha says it all.
std::vector<std::uint8_t> bitmapOf(const sf::Image& picture)
{
    const unsigned size = picture.getSize().x;
    const unsigned maskRow = (size + 31) / 32 * 4;
    std::vector<std::uint8_t> out;
    put32(out, 40); // the header's own size
    put32(out, size);
    put32(out, size * 2);
    put16(out, 1);  // planes
    put16(out, 32); // bits per pixel
    put32(out, 0);  // no compression
    put32(out, size * size * 4 + maskRow * size);
    for (int i = 0; i < 4; ++i)
        put32(out, 0); // resolution and palette: none
    for (unsigned y = size; y-- > 0;)
        for (unsigned x = 0; x < size; ++x)
        {
            const sf::Color c = picture.getPixel(x, y);
            out.insert(out.end(), {c.b, c.g, c.r, c.a});
        }
    out.insert(out.end(), static_cast<std::size_t>(maskRow) * size, 0);
    return out;
}
} // namespace

void WindowsIcon::add(const sf::Image& picture)
{
    const sf::Vector2u size = picture.getSize();
    if (size.x != size.y || size.x == 0 || size.x > 256)
        throw std::invalid_argument("an icon's pictures are square, 1 to 256 pixels across");
    pictures.push_back(picture);
}

std::vector<std::uint8_t> WindowsIcon::bytes() const
{
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1); // an icon, not a cursor
    put16(out, static_cast<unsigned>(pictures.size()));
    std::vector<std::vector<std::uint8_t>> bitmaps;
    for (const sf::Image& picture : pictures)
        bitmaps.push_back(bitmapOf(picture));
    unsigned offset = 6 + 16 * static_cast<unsigned>(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i)
    {
        const unsigned size = pictures[i].getSize().x;
        out.push_back(static_cast<std::uint8_t>(size % 256)); // 256 is written as 0
        out.push_back(static_cast<std::uint8_t>(size % 256));
        out.push_back(0); // no palette
        out.push_back(0);
        put16(out, 1);
        put16(out, 32);
        put32(out, static_cast<unsigned>(bitmaps[i].size()));
        put32(out, offset);
        offset += static_cast<unsigned>(bitmaps[i].size());
    }
    for (const auto& bitmap : bitmaps)
        out.insert(out.end(), bitmap.begin(), bitmap.end());
    return out;
}
