#include "app/StateStack.hpp"

#include <cassert>

StateStack::~StateStack()
{
    while (!states.empty())
        pop();
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
