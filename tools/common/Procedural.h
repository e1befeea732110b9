#pragma once

// Deterministic noise and random numbers for the picture generators, written out here so the
// pictures come out the same whatever the C++ library.

#include <QtGlobal>
#include <cmath>

// Smooth value noise in 0..1; own implementation so the pictures do not depend on the C++ library.
struct Noise
{
    quint32 seed;

    double at(double x, double y) const
    {
        const int ix = int(std::floor(x)), iy = int(std::floor(y));
        const double fx = smooth(x - ix), fy = smooth(y - iy);
        const double a = lattice(ix, iy), b = lattice(ix + 1, iy);
        const double c = lattice(ix, iy + 1), d = lattice(ix + 1, iy + 1);
        return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
    }

    double fbm(double x, double y, int octaves) const
    {
        double sum = 0, amp = 0.5, norm = 0;
        for (int i = 0; i < octaves; ++i, amp *= 0.5, x = x * 2.03 + 17.1, y = y * 2.03 + 5.7) {
            sum += amp * at(x, y);
            norm += amp;
        }
        return sum / norm;
    }
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    double lattice(int x, int y) const
    {
        quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + seed * 2246822519u;
        h = (h ^ (h >> 13)) * 1274126177u;
        return ((h ^ (h >> 16)) & 0xffffff) / 16777215.0;
    }
};

struct Rng
{
    quint32 state;

    double range(double lo, double hi)
    {
        state = state * 1664525u + 1013904223u;
        return lo + (hi - lo) * ((state >> 8) / 16777216.0);
    }
};
