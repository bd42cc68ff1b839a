#pragma once

/// Sends OpenAL Soft's log nowhere, unless the player asked for it
/// (ALSOFT_LOGLEVEL or ALSOFT_LOGFILE). Call it before OpenAL is first used:
/// it reads its settings then.
///
/// OpenAL Soft writes its errors straight to standard error, from threads of
/// its own, at any time: when the sound server goes away during play, say.
/// The game tells the player itself what matters. It could go if OpenAL Soft
/// reported such errors instead of printing them.
void quietOpenAlLog();
