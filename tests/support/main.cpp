#include "platform/LeakCheck.hpp"

#include <gtest/gtest.h>

#include <optional>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as the build does, without a display) opens no GL context.
    std::optional<LeakCheck> leakCheck;
    if (!testing::GTEST_FLAG(list_tests))
        leakCheck.emplace();
    return RUN_ALL_TESTS();
}
