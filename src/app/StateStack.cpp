#include "app/StateStack.hpp"

#include <cassert>

StateStack::~StateStack()
{
    while (!states.empty())
        pop();
}

void StateStack::registerScreen(ScreenId id, Factory factory)
{
    factories[static_cast<std::size_t>(id)] = std::move(factory);
}

std::unique_ptr<State> StateStack::make(ScreenId id, sf::Vector2u windowSize,
                                        StartFocus focus) const
{
    const Factory& factory = factories[static_cast<std::size_t>(id)];
    assert(factory && "every screen is registered before it is asked for");
    return factory(windowSize, focus);
}

void StateStack::push(ScreenId id, sf::Vector2u windowSize, StartFocus focus)
{
    push(make(id, windowSize, focus));
}

void StateStack::replace(ScreenId id, sf::Vector2u windowSize, StartFocus focus)
{
    replace(make(id, windowSize, focus));
}

void StateStack::push(std::unique_ptr<State> state)
{
    if (!state)
        return;
    states.push_back(std::move(state));
    ++changes;
}

void StateStack::pop()
{
    if (states.empty())
        return;
    states.pop_back();
    ++changes;
}

void StateStack::replace(std::unique_ptr<State> state)
{
    pop();
    push(std::move(state));
}

State& StateStack::top()
{
    assert(!states.empty());
    return *states.back();
}
