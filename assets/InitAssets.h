#pragma once

// Registers the built-in pictures (":/tlo_mokre.jpg" and the rest). Resources in a static library
// are not registered on their own; call this once before the first picture is loaded.
void initSolvarinAssets();
