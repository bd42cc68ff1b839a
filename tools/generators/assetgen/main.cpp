// woodrun-assets: paints all of woodrun's sprites, tiles and backgrounds into a folder,
// or with --icons its desktop icons, or with --windows-icon the icon file of the
// game's Windows executable. With --list it paints nothing and prints every
// image the game loads, one a line: what it is (sheet, forest or tileset), a
// space, and its path.

#include "AssetGenerator.hpp"
#include "resources/ImageFiles.hpp"

#include <exception>
#include <iostream>
#include <string>

namespace
{
void list()
{
    for (const SheetLayout& layout : sheetLayouts)
        std::cout << "sheet " << layout.path << '\n';
    for (const char* layer : forestLayerFiles)
        std::cout << "forest " << layer << '\n';
    std::cout << "tileset " << tilesetFile << '\n';
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && std::string(argv[1]) == "--list")
    {
        list();
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--windows-icon")
    {
        const std::string failure = AssetGenerator().writeWindowsIcon(argv[2]);
        if (failure.empty())
            return 0;
        std::cerr << "woodrun-assets: " << failure << '\n';
        return 1;
    }
    const bool icons = argc == 3 && std::string(argv[1]) == "--icons";
    if ((argc != 2 && !icons) || argv[argc - 1][0] == '\0')
    {
        std::cerr << "usage: woodrun-assets [--icons] <output-dir> | woodrun-assets --list\n"
                     "       woodrun-assets --windows-icon <file.ico>\n";
        return 2;
    }
    try
    {
        const std::filesystem::path outputDir(argv[argc - 1]);
        const AssetGenerator generator;
        const std::vector<std::string> failures =
            icons ? generator.writeIcons(outputDir) : generator.writeAll(outputDir);
        for (const std::string& failure : failures)
            std::cerr << "woodrun-assets: " << failure << '\n';
        if (!failures.empty())
            return 1;
        std::cout << "woodrun-assets: wrote all images to " << outputDir.string() << '\n';
        return 0;
    }
    catch (const std::exception& e)
    {
        std::cerr << "woodrun-assets: " << e.what() << '\n';
        return 1;
    }
}
