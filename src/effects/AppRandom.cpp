#include "effects/AppRandom.h"

namespace {
uint32_t g_state = 0;
}

namespace AppRandom {

uint32_t next(uint32_t n)
{
    g_state = step(g_state);
    return scale(g_state, n);
}

uint32_t state()
{
    return g_state;
}

void setState(uint32_t state)
{
    g_state = state;
}

uint32_t advance(uint32_t state, uint64_t count)
{
    // Compose the affine map s -> m*s + c with itself by squaring.
    uint32_t m = kMultiplier, c = 1u;
    while (count) {
        if (count & 1u)
            state = state * m + c;
        c = c * m + c;
        m = m * m;
        count >>= 1;
    }
    return state;
}

} // namespace AppRandom
