#pragma once

#include <cstdint>

// The application's one pseudo-random generator: a 32-bit state, 0 at start and never seeded,
// so a run of the program always draws the same sequence. The pixel effects are its only user;
// the state carries over from one rendering to the next.
namespace AppRandom {

// Random(n): state := state * 134775813 + 1 (mod 2^32); the high 32 bits of state * n,
// a number in 0..n - 1 for n >= 1.
uint32_t next(uint32_t n);

uint32_t state();
void setState(uint32_t state); // tests put it back to 0

// The state after `count` more draws from `state`, in O(log count) steps.
uint32_t advance(uint32_t state, uint64_t count);

inline constexpr uint32_t kMultiplier = 134775813u;

inline uint32_t step(uint32_t s)
{
    return s * kMultiplier + 1u;
}
inline uint32_t scale(uint32_t s, uint32_t n)
{
    return uint32_t((uint64_t(s) * n) >> 32);
}

} // namespace AppRandom
