#pragma once

/// While it lives, memory the process frees stays with the process instead of
/// going back to the system at once. When it goes, freeing returns memory as
/// usual again; what was kept goes back with releaseFreed, which the main loop
/// calls once the next screen has shown, after the drawing let go of the last
/// frame of play.
///
/// Mesa drawing in software takes a fresh 64 KB block for every change of
/// drawing state, such as each clip rectangle of the forest, and frees them
/// all once a frame is drawn. Handed back to the system every frame, the
/// blocks cost page faults in the next one, more than the drawing itself.
class HeapRetention
{
public:
    HeapRetention();
    ~HeapRetention();

    HeapRetention(const HeapRetention&) = delete;
    HeapRetention& operator=(const HeapRetention&) = delete;

    /// Hands back to the system, now, whatever freed memory the heap holds,
    /// also between blocks still in use, which freeing alone never returns.
    static void releaseFreed();
};
