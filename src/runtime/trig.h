#pragma once
// Sine, cosine and arc tangent for the game's rules. The C libraries round these differently in the
// last bit (the desktop's glibc and the browser build's musl disagree on about 3 % of sines), and the
// game keeps positions as unrounded doubles, so a game would drift apart between the two. These are
// computed with plain IEEE additions, multiplications and divisions in double-double precision, so
// every compiler and platform gives the same bits, and the result is the correctly rounded value
// for practically every argument.
namespace cw {

double Sin(double x);
double Cos(double x);
double Atan(double x);

}  // namespace cw
