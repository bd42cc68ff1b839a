#pragma once

/// While it lives, whatever anything in the process writes to standard error
/// goes nowhere, unless the player asked OpenAL for its log (ALSOFT_LOGLEVEL).
///
/// Opening an audio device where there is none, OpenAL Soft, ALSA and SFML
/// each print lines of their own straight to the process's standard error,
/// which no API of theirs turns off; the game says it once, in a line of its
/// own. It could go if they reported failures instead of printing them.
class QuietStandardError
{
public:
    QuietStandardError();
    ~QuietStandardError();

    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    void restore();

    int saved = -1; ///< the real standard error, while it is put aside
};
