#pragma once

#include "app/State.hpp"

#include <memory>
#include <vector>

/// The screens of the game, last pushed on top. Only the top one is active;
/// the ones beneath keep their state untouched until they are on top again.
class StateStack
{
public:
    StateStack() = default;
    StateStack(const StateStack&) = delete;
    StateStack& operator=(const StateStack&) = delete;

    /// Destroys the screens from the top down.
    ~StateStack();

    void push(std::unique_ptr<State> state);

    /// Destroys the top screen at once; nothing happens on an empty stack.
    void pop();

    /// Destroys the top screen (if any), then pushes the new one.
    void replace(std::unique_ptr<State> state);

    /// The active screen; the stack must not be empty.
    State& top();

    bool empty() const { return states.empty(); }
    std::size_t size() const { return states.size(); }

    /// How many times a screen has been pushed, popped or replaced.
    std::size_t changeCount() const { return changes; }

private:
    std::vector<std::unique_ptr<State>> states;
    std::size_t changes = 0;
};
