#pragma once

#include "controls/Input.hpp"
#include "kit/ScriptedSource.hpp"

#include <memory>

/// The game's Input over a source that the test scripts.
class ScriptedInput
{
public:
    ScriptedInput() : ScriptedInput(std::make_unique<ScriptedSource>()) {}

    ScriptedSource& script;
    Input input;

private:
    explicit ScriptedInput(std::unique_ptr<ScriptedSource> source)
        : script(*source), input(std::move(source))
    {
    }
};
