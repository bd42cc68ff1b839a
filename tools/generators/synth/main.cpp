// woodrun-synth: makes all of woodrun's sounds and music into a folder.

#include "SoundGenerator.hpp"

#include <exception>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2 || argv[1][0] == '\0')
    {
        std::cerr << "usage: woodrun-synth <output-dir>\n";
        return 2;
    }
    try
    {
        const std::filesystem::path outputDir(argv[1]);
        const std::vector<std::string> failures = SoundGenerator().writeAll(outputDir);
        for (const std::string& failure : failures)
            std::cerr << "woodrun-synth: " << failure << '\n';
        if (!failures.empty())
            return 1;
        std::cout << "woodrun-synth: wrote all sounds to " << outputDir.string() << '\n';
        return 0;
    }
    catch (const std::exception& e)
    {
        std::cerr << "woodrun-synth: " << e.what() << '\n';
        return 1;
    }
}
