// woodrun-assets: paints all of woodrun's sprites, tiles and backgrounds into a folder,
// or with --icons its desktop icons.

#include "AssetGenerator.hpp"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    const bool icons = argc == 3 && std::string(argv[1]) == "--icons";
    if ((argc != 2 && !icons) || argv[argc - 1][0] == '\0')
    {
        std::cerr << "usage: woodrun-assets [--icons] <output-dir>\n";
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
