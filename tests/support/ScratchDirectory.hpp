#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

/// A fresh working directory for one test, holding copies of the game's files
/// (the font and the images), so the code under test finds them where the game
/// does. The previous working directory comes back when it goes away.
class ScratchDirectory
{
public:
    /// Copies every built game file but the listed ones (paths relative to the game directory).
    explicit ScratchDirectory(std::initializer_list<std::string> without = {});
    ~ScratchDirectory();

    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return directory; }

    /// Writes a file in the directory.
    void write(const std::string& name, const std::string& contents) const;

    /// The whole contents of a file in the directory, or "" when it cannot be read.
    std::string read(const std::string& name) const;

private:
    std::filesystem::path previous;
    std::filesystem::path directory;
};
