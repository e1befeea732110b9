#pragma once

#include "effects/Emboss.h"

// Two forms of the same relief, in place on a 24-bit bitmap of at least 3 x 3 pixels. The plain
// one works pixel by pixel, as the rule reads, and takes any level; the fast one works a row at a
// time, declines (returns false, bitmap untouched) where it does not apply, and must give the
// very same pixels wherever it does.
void embossPlain(QImage &bitmap, const EmbossParams &params);
bool embossFast(QImage &bitmap, const EmbossParams &params);
