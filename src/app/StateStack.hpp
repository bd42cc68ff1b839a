#pragma once

#include "app/ScreenId.hpp"
#include "app/State.hpp"

#include <array>
#include <functional>
#include <memory>
#include <vector>

/// The screens of the game, last pushed on top. Only the top one is active;
/// the ones beneath keep their state untouched until they are on top again.
/// Screens ask for one another by their ScreenId; the game registers what
/// builds each one, so that no screen needs to know another.
class StateStack
{
public:
    /// Builds a screen for a window of this size.
    using Factory = std::function<std::unique_ptr<State>(sf::Vector2u windowSize, StartFocus)>;

    StateStack() = default;
    StateStack(const StateStack&) = delete;
    StateStack& operator=(const StateStack&) = delete;

    /// Destroys the screens from the top down.
    ~StateStack();

    /// What builds the screen `id` from now on.
    void registerScreen(ScreenId id, Factory factory);

    void push(std::unique_ptr<State> state);

    /// Builds the screen `id` for a window of this size, then pushes it.
    void push(ScreenId id, sf::Vector2u windowSize, StartFocus focus = StartFocus::None);

    /// Destroys the top screen at once; nothing happens on an empty stack.
    void pop();

    /// Destroys the top screen (if any), then pushes the new one.
    void replace(std::unique_ptr<State> state);

    /// Builds the screen `id` while the top one still lives (it may hand the
    /// new one what it holds), then replaces it.
    void replace(ScreenId id, sf::Vector2u windowSize, StartFocus focus = StartFocus::None);

    /// The active screen; the stack must not be empty.
    State& top();

    bool empty() const { return states.empty(); }
    std::size_t size() const { return states.size(); }

    /// How many times a screen has been pushed, popped or replaced.
    std::size_t changeCount() const { return changes; }

private:
    std::unique_ptr<State> make(ScreenId id, sf::Vector2u windowSize, StartFocus focus) const;

    std::array<Factory, static_cast<std::size_t>(ScreenId::Count)> factories;
    std::vector<std::unique_ptr<State>> states;
    std::size_t changes = 0;
};
