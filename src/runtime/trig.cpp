#include "runtime/trig.h"

#include <cmath>

// Built with -ffp-contract=off (see CMakeLists.txt): a fused multiply-add would break the error-free
// transformations below and make the bits depend on the processor.

namespace cw {
namespace {

// A value as the unevaluated sum hi + lo with |lo| <= half an ulp of hi: about 106 bits.
struct DD {
  double hi = 0;
  double lo = 0;
};

DD TwoSum(double a, double b) {
  double s = a + b;
  double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// Needs |a| >= |b| (or a == 0).
DD FastTwoSum(double a, double b) {
  double s = a + b;
  return {s, b - (s - a)};
}

// Veltkamp's split: a == hi + lo with each half of at most 26 significant bits.
void Split(double a, double& hi, double& lo) {
  double t = 134217729.0 * a;  // 2^27 + 1
  hi = t - (t - a);
  lo = a - hi;
}

// Dekker's exact product: a * b == p.hi + p.lo.
DD TwoProd(double a, double b) {
  double p = a * b;
  double ah, al, bh, bl;
  Split(a, ah, al);
  Split(b, bh, bl);
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DD Add(DD a, DD b) {
  DD s = TwoSum(a.hi, b.hi);
  DD t = TwoSum(a.lo, b.lo);
  s.lo += t.hi;
  s = FastTwoSum(s.hi, s.lo);
  s.lo += t.lo;
  return FastTwoSum(s.hi, s.lo);
}

DD Neg(DD a) { return {-a.hi, -a.lo}; }

DD Mul(DD a, DD b) {
  DD p = TwoProd(a.hi, b.hi);
  p.lo += a.hi * b.lo + a.lo * b.hi;
  return FastTwoSum(p.hi, p.lo);
}

DD Div(DD a, DD b) {
  double q1 = a.hi / b.hi;
  DD r = Add(a, Neg(Mul(b, {q1, 0})));
  double q2 = r.hi / b.hi;
  r = Add(r, Neg(Mul(b, {q2, 0})));
  double q3 = r.hi / b.hi;
  return Add(FastTwoSum(q1, q2), {q3, 0});
}

// pi / 2 in four parts; the first three have at most 33 significant bits, so k times them is exact
// for |k| < 2^20.
constexpr double kPio2[4] = {0x1.921fb544p+0, 0x1.0b4611a6p-34, 0x1.3198a2ep-69, 0x1.b839a252049c1p-104};
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;

// atan(j / 8) for j = 0..8, to double-double precision.
constexpr DD kAtanEighths[9] = {
    {0, 0},
    {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
    {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
    {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
    {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
    {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
    {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
    {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
    {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
};

// Series coefficients, worked out once in double-double arithmetic: 1/n! and (-1)^k / (2k + 1).
struct Coefficients {
  static constexpr int kFactorials = 30;
  static constexpr int kAtanTerms = 15;
  DD inverse_factorial[kFactorials];
  DD atan_term[kAtanTerms];
  Coefficients() {
    DD f{1, 0};
    inverse_factorial[0] = inverse_factorial[1] = f;
    for (int n = 2; n < kFactorials; ++n) {
      f = Div(f, {double(n), 0});
      inverse_factorial[n] = f;
    }
    for (int k = 0; k < kAtanTerms; ++k) {
      DD t = Div({1, 0}, {double(2 * k + 1), 0});
      atan_term[k] = k % 2 ? Neg(t) : t;
    }
  }
};

const Coefficients& Coeff() {
  static const Coefficients c;
  return c;
}

// Terms this small are summed in plain doubles: their rounding errors stay below 2^-80 of the result.
double Plain(DD a) { return a.hi + a.lo; }

// sin r for |r| <= pi/4 (a little more is fine): r - r^3/3! + ... - r^27/27!.
DD SinSeries(DD r) {
  const auto& c = Coeff().inverse_factorial;
  DD z = Mul(r, r);
  double tail = 0;
  for (int n = 27; n >= 11; n -= 2) tail = tail * z.hi + (((n - 1) / 2) % 2 ? -Plain(c[n]) : Plain(c[n]));
  DD p{tail, 0};
  for (int n = 9; n >= 3; n -= 2) p = Add(Mul(p, z), ((n - 1) / 2) % 2 ? Neg(c[n]) : c[n]);
  return Add(r, Mul(Mul(r, z), p));
}

// cos r for |r| <= pi/4: 1 - r^2/2! + ... + r^28/28!.
DD CosSeries(DD r) {
  const auto& c = Coeff().inverse_factorial;
  DD z = Mul(r, r);
  double tail = 0;
  for (int n = 28; n >= 12; n -= 2) tail = tail * z.hi + ((n / 2) % 2 ? -Plain(c[n]) : Plain(c[n]));
  DD p{tail, 0};
  for (int n = 10; n >= 2; n -= 2) p = Add(Mul(p, z), (n / 2) % 2 ? Neg(c[n]) : c[n]);
  return Add({1, 0}, Mul(z, p));
}

// x - k pi/2 with k the nearest whole number to x / (pi/2); `quadrant` gets k mod 4.
DD Reduce(double x, int& quadrant) {
  double k = std::nearbyint(x * kTwoOverPi);
  // For |k| >= 2^20 the products are no longer exact: still the same bits everywhere, only less precise.
  DD r = TwoSum(x, -(k * kPio2[0]));
  r = Add(r, {-(k * kPio2[1]), 0});
  r = Add(r, {-(k * kPio2[2]), 0});
  r = Add(r, Neg(TwoProd(k, kPio2[3])));
  double m = std::fmod(k, 4.0);  // exact
  if (m < 0) m += 4;
  quadrant = int(m);
  return r;
}

double SinOrCos(double x, int shift) {
  if (!std::isfinite(x)) return x - x;  // NaN
  int quadrant = 0;
  DD r{x, 0};
  if (std::fabs(x) > 0x1.921fb54442d18p-1) r = Reduce(x, quadrant);
  DD v;
  switch ((quadrant + shift) & 3) {
    case 0: v = SinSeries(r); break;
    case 1: v = CosSeries(r); break;
    case 2: v = Neg(SinSeries(r)); break;
    default: v = Neg(CosSeries(r)); break;
  }
  return v.hi + v.lo;
}

}  // namespace

double Sin(double x) {
  if (x == 0) return x;  // keeps the sign of zero
  return SinOrCos(x, 0);
}

double Cos(double x) { return SinOrCos(x, 1); }

double Atan(double x) {
  if (std::isnan(x)) return x;
  bool negative = std::signbit(x);
  double a = std::fabs(x);
  const DD half_pi{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
  DD result;
  if (std::isinf(a)) {
    result = half_pi;
  } else {
    bool inverted = a > 1;
    DD t = inverted ? Div({1, 0}, {a, 0}) : DD{a, 0};
    // atan t = atan c + atan((t - c) / (1 + t c)) with c the nearest eighth: |u| <= 1/16.
    int j = int(std::nearbyint(t.hi * 8));
    DD c{j / 8.0, 0};
    DD u = Div(Add(t, Neg(c)), Add({1, 0}, Mul(t, c)));
    const auto& k = Coeff().atan_term;
    DD z = Mul(u, u);
    double tail = 0;
    for (int n = Coefficients::kAtanTerms - 1; n >= 4; --n) tail = tail * z.hi + Plain(k[n]);
    DD p{tail, 0};
    for (int n = 3; n >= 1; --n) p = Add(Mul(p, z), k[n]);
    DD atan_u = Add(u, Mul(Mul(u, z), p));
    result = Add(kAtanEighths[j], atan_u);
    if (inverted) result = Add(half_pi, Neg(result));
  }
  double v = result.hi + result.lo;
  return negative ? -v : v;
}

}  // namespace cw
