#pragma once

#include <vector>

// The game's short sounds, mono at the common rate, each starting at once (no
// silence before it) and dying away to nothing. Levels are set afterwards.

/// The pointer comes onto a menu item: a small wooden tick.
std::vector<double> tickSound();

/// A menu item is chosen: a crisp two-part click.
std::vector<double> clickSound();

/// The knight's foot meets the forest floor: a soft thump in earth and leaves.
std::vector<double> stepSound();

/// The knight takes off: a rising swish.
std::vector<double> jumpSound();

/// The knight comes down: a low thud with a faint clink of armour.
std::vector<double> landingSound();

/// The skeleton's bony foot: a dry clack and a little rattle.
std::vector<double> boneStepSound();

/// The skeleton's axe cuts the air.
std::vector<double> axeSound();
