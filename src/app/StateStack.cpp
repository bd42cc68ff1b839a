#include "app/StateStack.hpp"

#include <cassert>

StateStack::~StateStack()
{
    while (!states.empty())
        pop();
}

void StateStack::push(std::unique_ptr<State> state)
{
    if (state)
        states.push_back(std::move(state));
}

void StateStack::pop()
{
    if (!states.empty())
        states.pop_back();
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
