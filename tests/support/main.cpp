#include "platform/LeakCheck.hpp"
#include "resources/TextureCache.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // The sound players' tests need an audio device: OpenAL's null output,
    // unless the one running the tests chose another.
    setenv("ALSOFT_CONF", WOODRUN_NULL_AUDIO, 0);
    // Listing the tests (as the build does, without a display) opens no GL context.
    std::optional<LeakCheck> leakCheck;
    if (!testing::GTEST_FLAG(list_tests))
        leakCheck.emplace();
    const int status = RUN_ALL_TESTS();
    // As the game does: the textures go while SFML can still delete them.
    TextureCache::clear();
    return status;
}
