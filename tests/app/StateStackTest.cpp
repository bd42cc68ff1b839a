#include "app/StateStack.hpp"

#include "support/RecordingState.hpp"

#include <gtest/gtest.h>

#include <memory>

using Log = std::vector<std::string>;

TEST(StateStack, PushPopAndReplaceKeepTheScreensBeneathUntouched)
{
    Log log;
    StateStack stack;
    EXPECT_TRUE(stack.empty());
    stack.pop(); // nothing happens on an empty stack
    stack.replace(std::make_unique<RecordingState>("menu", log));
    ASSERT_EQ(stack.size(), 1u);

    stack.push(std::make_unique<RecordingState>("settings", log));
    stack.pop();
    EXPECT_EQ(log, (Log{"settings.destroyed"}));

    stack.replace(std::make_unique<RecordingState>("game", log));
    EXPECT_EQ(log, (Log{"settings.destroyed", "menu.destroyed"}));
    EXPECT_EQ(stack.size(), 1u);
}

TEST(StateStack, DestroysItsScreensFromTheTopDown)
{
    Log log;
    {
        StateStack stack;
        stack.push(std::make_unique<RecordingState>("menu", log));
        stack.push(std::make_unique<RecordingState>("settings", log));
    }
    EXPECT_EQ(log, (Log{"settings.destroyed", "menu.destroyed"}));
}
