// Resources of the renderer tests' own executable.
#pragma once

// 20 x 8, 8 bits with a two-colour palette: the left 10 columns RGB(10, 200, 30), the right 10
// RGB(220, 40, 160).
#define IDB_TEST_PALETTED 7
