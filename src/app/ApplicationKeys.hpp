#pragma once

#include "controls/Input.hpp"

/// The keys that are the application's, not a screen's: F11 or Alt+Enter
/// switch full screen, M mutes and unmutes. While it lives, no screen gets
/// their events; the application asks once a frame what they asked for.
class ApplicationKeys
{
public:
    /// Keeps the keys' events from the screens that read `input`, which must
    /// outlive it.
    explicit ApplicationKeys(Input& input);
    ~ApplicationKeys();

    ApplicationKeys(const ApplicationKeys&) = delete;
    ApplicationKeys& operator=(const ApplicationKeys&) = delete;

    /// Whether F11 or Alt+Enter asked to switch full screen since the last
    /// call; two presses cancel out.
    bool takeFullscreenToggle();

    /// Whether M asked to mute or unmute since the last call; two presses
    /// cancel out, and a held M counts once.
    bool takeMuteToggle();

private:
    /// Whether the event is one of the keys', which no screen gets.
    bool keep(const InputEvent& event);

    Input& input;
    bool fullscreenToggle = false;
    bool muteToggle = false;
};
