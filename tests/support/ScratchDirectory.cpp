#include "support/ScratchDirectory.hpp"

#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

ScratchDirectory::ScratchDirectory(std::initializer_list<std::string> without)
    : previous(fs::current_path())
{
    std::random_device seed;
    directory = fs::temp_directory_path() / ("woodrun-test-" + std::to_string(seed()));
    fs::create_directories(directory);

    const fs::path game = WOODRUN_GAME_DIR;
    for (const auto& entry : fs::recursive_directory_iterator(game))
    {
        if (!entry.is_regular_file() || entry.path().filename() == "woodrun")
            continue;
        const fs::path relative = entry.path().lexically_relative(game);
        bool skipped = false;
        for (const auto& name : without)
            skipped = skipped || relative == fs::path(name);
        if (skipped)
            continue;
        fs::create_directories((directory / relative).parent_path());
        fs::copy_file(entry.path(), directory / relative);
    }
    fs::current_path(directory);
}

ScratchDirectory::~ScratchDirectory()
{
    std::error_code error;
    fs::current_path(previous, error);
    fs::permissions(directory, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(directory, error);
}

void ScratchDirectory::write(const std::string& name, const std::string& contents) const
{
    std::ofstream(directory / name, std::ios::binary) << contents;
}

std::string ScratchDirectory::read(const std::string& name) const
{
    std::ifstream in(directory / name, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}
