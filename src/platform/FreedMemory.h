#pragma once

// Gives memory the allocator keeps free back to the system. glibc holds
// freed blocks in per-thread arenas for reuse; after a burst of short-lived
// threads (a media player's open, decode and analysis threads) those arenas
// keep resident memory that nothing uses. Elsewhere it does nothing.
namespace FreedMemory {

// Costs a walk over the allocator's arenas: call it after a large teardown,
// not in a loop.
void release();

}
