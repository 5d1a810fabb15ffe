// The game's own sine and cosine, correctly rounded in double precision.
//
// Every mover's step goes through sin and cos, and one result rounded the
// other way changes a position, and then a whole game. The C libraries do
// not agree in the last place (glibc and mingw-w64's differ at headings such
// as 90 degrees), so the game carries its own: the same bits on every
// platform, and glibc's bits wherever glibc rounds correctly.
#pragma once

namespace vorbexia {

// sin and cos of an angle in radians, rounded to the nearest double. Exact
// for |radians| up to 2^27 (heading values far beyond any game); beyond that,
// and for infinities and NaN, the C library's.
double Sine(double radians);
double Cosine(double radians);

}  // namespace vorbexia
