#pragma once

// Counts every heap allocation of the test program, through operator new and malloc alike,
// between start and stop. Linking this replaces the program's allocator, so it suits test
// programs that can live with that (all of ours).

namespace test {

// False under AddressSanitizer, which brings an allocator of its own: nothing is counted there.
bool canCountAllocations();

void startCountingAllocations();
// The allocations since the start.
long stopCountingAllocations();

}  // namespace test
