#include "shot/XwdReader.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace
{
// Field indices of the XWD file header: 25 big-endian 32-bit words.
enum Field
{
    HeaderSize = 0,
    FileVersion = 1,
    PixmapFormat = 2,
    PixmapWidth = 4,
    PixmapHeight = 5,
    ByteOrder = 7,
    BitsPerPixel = 11,
    BytesPerLine = 12,
    RedMask = 14,
    GreenMask = 15,
    BlueMask = 16,
    ColorCount = 19,
    FieldCount = 25
};

constexpr std::uint32_t zPixmap = 2;
constexpr std::uint32_t xwdVersion = 7;
constexpr std::size_t colorEntrySize = 12;

/// The 8-bit channel that `mask` selects from `pixel`.
std::uint8_t channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    unsigned shift = 0;
    while (((mask >> shift) & 1u) == 0)
        ++shift;
    const std::uint32_t maximum = mask >> shift;
    return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255u / maximum);
}
} // namespace

std::optional<sf::Image> XwdReader::read(std::istream& in, std::string& error)
{
    std::array<std::uint32_t, FieldCount> header{};
    for (auto& field : header)
    {
        unsigned char bytes[4];
        if (!in.read(reinterpret_cast<char*>(bytes), 4))
        {
            error = "truncated header";
            return std::nullopt;
        }
        field = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
                (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
    }

    const std::uint32_t width = header[PixmapWidth];
    const std::uint32_t height = header[PixmapHeight];
    const std::uint32_t bitsPerPixel = header[BitsPerPixel];
    const std::uint32_t bytesPerLine = header[BytesPerLine];
    if (header[FileVersion] != xwdVersion || header[PixmapFormat] != zPixmap)
    {
        error = "not a ZPixmap dump";
        return std::nullopt;
    }
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) || width == 0 || height == 0 || width > 16384 ||
        height > 16384 || bytesPerLine < width * (bitsPerPixel / 8) ||
        header[HeaderSize] < FieldCount * 4)
    {
        error = "unsupported pixel layout";
        return std::nullopt;
    }

    // Skip the window name and the colour map; a true-colour image does not use them.
    const std::size_t skip =
        header[HeaderSize] - FieldCount * 4 + std::size_t{header[ColorCount]} * colorEntrySize;
    in.ignore(static_cast<std::streamsize>(skip));

    std::vector<unsigned char> row(bytesPerLine);
    sf::Image image;
    image.create(width, height);
    const unsigned bytesPerPixel = bitsPerPixel / 8;
    const bool mostSignificantFirst = header[ByteOrder] == 1;
    for (unsigned y = 0; y < height; ++y)
    {
        if (!in.read(reinterpret_cast<char*>(row.data()), bytesPerLine))
        {
            error = "truncated image";
            return std::nullopt;
        }
        for (unsigned x = 0; x < width; ++x)
        {
            std::uint32_t pixel = 0;
            for (unsigned b = 0; b < bytesPerPixel; ++b)
            {
                const unsigned index = mostSignificantFirst ? b : bytesPerPixel - 1 - b;
                pixel = (pixel << 8) | row[x * bytesPerPixel + index];
            }
            image.setPixel(x, y,
                           sf::Color(channel(pixel, header[RedMask]),
                                     channel(pixel, header[GreenMask]),
                                     channel(pixel, header[BlueMask])));
        }
    }
    return image;
}
