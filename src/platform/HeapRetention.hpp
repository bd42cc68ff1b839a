#pragma once

/// While one lives, memory the process frees stays with the process instead of
/// going back to the system at once. When the last one goes, freeing returns
/// memory again; what was kept goes back with releaseFreed.
///
/// Mesa, drawing in software, takes a fresh 64 KB block from glibc's malloc
/// for every change of drawing state, such as each clip rectangle of the
/// forest, and frees them all once a frame is drawn. glibc hands the top of
/// its heap back to the system as soon as more than its trim threshold lies
/// free there, so every frame paid page faults for the blocks of the next.
/// The play screen holds one while it lives. Elsewhere than glibc it does
/// nothing. It could go if Mesa kept its blocks from frame to frame.
class HeapRetention
{
public:
    HeapRetention();
    ~HeapRetention();

    HeapRetention(const HeapRetention&) = delete;
    HeapRetention& operator=(const HeapRetention&) = delete;

    /// Hands back to the system, now, whatever freed memory the heap holds,
    /// also between blocks still in use, which freeing alone never returns.
    /// The application asks for it once a new screen or a re-made window has
    /// shown its first frame. Does nothing while a retention lives: what is
    /// kept then is kept on purpose.
    static void releaseFreed();
};
