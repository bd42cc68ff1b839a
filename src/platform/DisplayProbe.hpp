#pragma once

/// Whether the display the game would draw on can be reached, asked before
/// the window is made. SFML aborts the program when it cannot open a display
/// (its X11 code ends in abort, not an error), so the game asks first and
/// says why it cannot start instead.
///
/// On X11 the probe keeps its connection open for as long as it lives. An X
/// server with no other client (Xvfb without -noreset, a bare xinit session)
/// resets itself when its last client leaves and refuses connections while
/// it does: a probe that closed its connection at once could cost SFML its
/// own. For the same reason a display that is named but refuses is tried
/// again for two seconds: the game that ran before may just have left it.
/// Elsewhere there is always a display. It could go if SFML ever reports a
/// missing display as an error.
class DisplayProbe
{
public:
    DisplayProbe();
    ~DisplayProbe();

    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    bool found() const;

private:
    void* connection = nullptr; ///< the X11 Display, where there is one
};
