#include "world/trig.h"

#include <cmath>
#include <cstdint>

namespace vorbexia {
namespace {

// A value held as the unevaluated sum hi + lo, |lo| <= half an ulp of hi:
// about 106 bits of precision. Built from exact sums and products only
// (no fused multiply-add: the project builds with -ffp-contract=off).
struct Double2 {
  double hi;
  double lo;
};

Double2 TwoSum(double a, double b) {
  const double s = a + b;
  const double v = s - a;
  return {s, (a - (s - v)) + (b - v)};
}

Double2 QuickTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// Veltkamp's split into two halves of 26 bits.
Double2 Split(double a) {
  const double t = 134217729.0 * a;  // 2^27 + 1
  const double hi = t - (t - a);
  return {hi, a - hi};
}

Double2 TwoProduct(double a, double b) {
  const double p = a * b;
  const Double2 x = Split(a);
  const Double2 y = Split(b);
  const double error = ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
  return {p, error};
}

Double2 Add(Double2 a, Double2 b) {
  Double2 s = TwoSum(a.hi, b.hi);
  const Double2 t = TwoSum(a.lo, b.lo);
  s.lo += t.hi;
  s = QuickTwoSum(s.hi, s.lo);
  s.lo += t.lo;
  return QuickTwoSum(s.hi, s.lo);
}

Double2 Multiply(Double2 a, Double2 b) {
  Double2 p = TwoProduct(a.hi, b.hi);
  p.lo += a.hi * b.lo + a.lo * b.hi;
  return QuickTwoSum(p.hi, p.lo);
}

// pi/2 in seven pieces of at most 26 significant bits each (182 bits in
// all): a piece times a quadrant count below 2^27 is an exact double.
constexpr double kHalfPiPieces[] = {
    0x1.921fb58p+0,    -0x1.dde974p-27,   0x1.1a62630p-54,  0x1.8a2e038p-81,
    -0x1.f1976b8p-110, 0x1.2704450p-142,  0x1.9f31d00p-169,
};
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kLargestReduced = 0x1p27;  // radians

// 1/n! for n = 0 to 30, each as hi + lo.
constexpr Double2 kInverseFactorial[] = {
    {0x1p+0, 0.0},
    {0x1p+0, 0.0},
    {0x1p-1, 0.0},
    {0x1.5555555555555p-3, 0x1.5555555555555p-57},
    {0x1.5555555555555p-5, 0x1.5555555555555p-59},
    {0x1.1111111111111p-7, 0x1.1111111111111p-63},
    {0x1.6c16c16c16c17p-10, -0x1.f49f49f49f49fp-65},
    {0x1.a01a01a01a01ap-13, 0x1.a01a01a01a01ap-73},
    {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},
    {0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73},
    {0x1.27e4fb7789f5cp-22, 0x1.cbbc05b4fa99ap-76},
    {0x1.ae64567f544e4p-26, -0x1.c062e06d1f209p-80},
    {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},
    {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},
    {0x1.93974a8c07c9dp-37, 0x1.05d6f8a2efd1fp-92},
    {0x1.ae7f3e733b81fp-41, 0x1.1d8656b0ee8cbp-97},
    {0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101},
    {0x1.952c77030ad4ap-49, 0x1.ac981465ddc6cp-103},
    {0x1.6827863b97d97p-53, 0x1.eec01221a8b0bp-107},
    {0x1.2f49b46814157p-57, 0x1.2650f61dbdcb4p-112},
    {0x1.e542ba4020225p-62, 0x1.ea72b4afe3c2fp-120},
    {0x1.71b8ef6dcf572p-66, -0x1.d043ae40c4647p-120},
    {0x1.0ce396db7f853p-70, -0x1.aebcdbd20331cp-124},
    {0x1.761b41316381ap-75, -0x1.3423c7d91404fp-130},
    {0x1.f2cf01972f578p-80, -0x1.9ada5fcc1ab14p-135},
    {0x1.3f3ccdd165fa9p-84, -0x1.58ddadf344487p-139},
    {0x1.88e85fc6a4e5ap-89, -0x1.71c37ebd16540p-143},
    {0x1.d1ab1c2dccea3p-94, 0x1.054d0c78aea14p-149},
    {0x1.0a18a2635085dp-98, 0x1.b9e2e28e1aa54p-153},
    {0x1.259f98b4358adp-103, 0x1.eaf8c39dd9bc5p-157},
    {0x1.3932c5047d60ep-108, 0x1.832b7b530a627p-162},
};
constexpr int kLastTerm = 30;  // 0.79^31 / 31! is below 2^-115

// An angle brought into [-pi/4, pi/4] (a hair more after rounding) and the
// number of quarter turns taken off.
struct Reduced {
  Double2 angle;
  int64_t quadrant;
};

Reduced Reduce(double radians) {
  const double k = std::nearbyint(radians * kTwoOverPi);
  // The first difference is exact (Sterbenz); the others gather the rest.
  Double2 angle{radians - k * kHalfPiPieces[0], 0.0};
  for (int i = 1; i < 7; ++i) angle = Add(angle, Double2{-k * kHalfPiPieces[i], 0.0});
  return {angle, static_cast<int64_t>(k)};
}

// Taylor series in y^2 from the last term down, each coefficient
// +-1/n! for n = first, first + 2, ... up to kLastTerm.
Double2 Series(Double2 square, int first) {
  const int last = (kLastTerm - first) % 2 == 0 ? kLastTerm : kLastTerm - 1;
  Double2 sum = kInverseFactorial[last];
  if ((last - first) % 4 != 0) sum = {-sum.hi, -sum.lo};
  for (int n = last - 2; n >= first; n -= 2) {
    Double2 term = kInverseFactorial[n];
    if ((n - first) % 4 != 0) term = {-term.hi, -term.lo};
    sum = Add(Multiply(sum, square), term);
  }
  return sum;
}

Double2 SineOfReduced(Double2 y) {
  return Multiply(y, Series(Multiply(y, y), 1));
}

Double2 CosineOfReduced(Double2 y) { return Series(Multiply(y, y), 0); }

double Rounded(Double2 value, bool negate) {
  const double sum = value.hi + value.lo;
  return negate ? -sum : sum;
}

}  // namespace

double Sine(double radians) {
  if (!(std::fabs(radians) <= kLargestReduced)) return std::sin(radians);
  // sin x = x to the last bit this close to 0 (x^3/6 is below half an ulp).
  if (std::fabs(radians) < 0x1p-27) return radians;
  const Reduced r = Reduce(radians);
  switch (r.quadrant & 3) {
    case 0: return Rounded(SineOfReduced(r.angle), false);
    case 1: return Rounded(CosineOfReduced(r.angle), false);
    case 2: return Rounded(SineOfReduced(r.angle), true);
    default: return Rounded(CosineOfReduced(r.angle), true);
  }
}

double Cosine(double radians) {
  if (!(std::fabs(radians) <= kLargestReduced)) return std::cos(radians);
  if (std::fabs(radians) < 0x1p-27) return 1.0;
  const Reduced r = Reduce(radians);
  switch (r.quadrant & 3) {
    case 0: return Rounded(CosineOfReduced(r.angle), false);
    case 1: return Rounded(SineOfReduced(r.angle), true);
    case 2: return Rounded(CosineOfReduced(r.angle), true);
    default: return Rounded(SineOfReduced(r.angle), false);
  }
}

}  // namespace vorbexia
