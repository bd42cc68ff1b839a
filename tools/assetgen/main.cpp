// woodrun-assets: paints all of woodrun's sprites, tiles and backgrounds into a folder.

#include "AssetGenerator.hpp"

#include <exception>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2 || argv[1][0] == '\0')
    {
        std::cerr << "usage: woodrun-assets <output-dir>\n";
        return 2;
    }
    try
    {
        const std::filesystem::path outputDir(argv[1]);
        const std::vector<std::string> failures = AssetGenerator().writeAll(outputDir);
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
