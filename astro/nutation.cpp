#include "astro/nutation.h"

#include <cstdint>
#include <iterator>

namespace dawnrule {

namespace {

// One term of the nutation series: multiples of D, M, M', F, Omega; the longitude pair
// (S0 + S1 T/10, sine) and the obliquity pair (C0 + C1 T/10, cosine), 0.0001".
struct NutationTerm {
    std::int8_t d, m, mp, f, omega;
    std::int32_t s0, s1, c0, c1;
};

constexpr NutationTerm kNutationTerms[] = {
    // D,  M, M',  F,  Om,      S0,    S1,    C0,  C1
    { 0,  0,  0,  0,  1, -171996, -1742, 92025,  89},
    {-2,  0,  0,  2,  2,  -13187,   -16,  5736, -31},
    { 0,  0,  0,  2,  2,   -2274,    -2,   977,  -5},
    { 0,  0,  0,  0,  2,    2062,     2,  -895,   5},
    { 0,  1,  0,  0,  0,    1426,   -34,    54,  -1},
    { 0,  0,  1,  0,  0,     712,     1,    -7,   0},
    {-2,  1,  0,  2,  2,    -517,    12,   224,  -6},
    { 0,  0,  0,  2,  1,    -386,    -4,   200,   0},
    { 0,  0,  1,  2,  2,    -301,     0,   129,  -1},
    {-2, -1,  0,  2,  2,     217,    -5,   -95,   3},
    {-2,  0,  1,  0,  0,    -158,     0,     0,   0},
    {-2,  0,  0,  2,  1,     129,     1,   -70,   0},
    { 0,  0, -1,  2,  2,     123,     0,   -53,   0},
    { 2,  0,  0,  0,  0,      63,     0,     0,   0},
    { 0,  0,  1,  0,  1,      63,     1,   -33,   0},
    { 2,  0, -1,  2,  2,     -59,     0,    26,   0},
    { 0,  0, -1,  0,  1,     -58,    -1,    32,   0},
    { 0,  0,  1,  2,  1,     -51,     0,    27,   0},
    {-2,  0,  2,  0,  0,      48,     0,     0,   0},
    { 0,  0, -2,  2,  1,      46,     0,   -24,   0},
    { 2,  0,  0,  2,  2,     -38,     0,    16,   0},
    { 0,  0,  2,  2,  2,     -31,     0,    13,   0},
    { 0,  0,  2,  0,  0,      29,     0,     0,   0},
    {-2,  0,  1,  2,  2,      29,     0,   -12,   0},
    { 0,  0,  0,  2,  0,      26,     0,     0,   0},
    {-2,  0,  0,  2,  0,     -22,     0,     0,   0},
    { 0,  0, -1,  2,  1,      21,     0,   -10,   0},
    { 0,  2,  0,  0,  0,      17,    -1,     0,   0},
    { 2,  0, -1,  0,  1,      16,     0,    -8,   0},
    {-2,  2,  0,  2,  2,     -16,     1,     7,   0},
    { 0,  1,  0,  0,  1,     -15,     0,     9,   0},
};
static_assert(std::size(kNutationTerms) == 31);

constexpr long double kTermUnitArcsec = 0.0001L; // unit of S0, S1, C0, C1
constexpr long double kRatePerCentury = 0.1L;    // S1, C1 are per millennium
constexpr long double kArcsecPerDegree = 3600;

} // namespace

namespace generic {

template <std::floating_point Real>
void Nutation(TDateTime date, Real& deltaPsi, Real& epsilon)
{
    const auto k = [](long double v) { return static_cast<Real>(v); };
    const Real t = JulianCenturies<Real>(date);

    // Fundamental arguments, degrees (Horner's rule).
    const Real d = Normalize360(k(297.85036L) + t * (k(445267.11148L) + t * (k(-0.0019142L) + t / k(189474))));
    const Real m = Normalize360(k(357.52772L) + t * (k(35999.05034L) + t * (k(-0.0001603L) - t / k(300000))));
    const Real mp = Normalize360(k(134.96298L) + t * (k(477198.867398L) + t * (k(0.0086972L) + t / k(56250))));
    const Real f = Normalize360(k(93.27191L) + t * (k(483202.017538L) + t * (k(-0.0036825L) + t / k(327270))));
    const Real omega = Normalize360(k(125.04452L) + t * (k(-1934.136261L) + t * (k(0.0020708L) + t / k(450000))));

    Real sumPsi = 0;
    Real sumEpsilon = 0;
    for (const NutationTerm& term : kNutationTerms) {
        const Real a = d * term.d + m * term.m + mp * term.mp + f * term.f + omega * term.omega;
        sumPsi += SinDeg(a) * (term.s1 * t * k(kRatePerCentury) + term.s0);
        sumEpsilon += CosDeg(a) * (term.c1 * t * k(kRatePerCentury) + term.c0);
    }
    deltaPsi = sumPsi * k(kTermUnitArcsec) / k(kArcsecPerDegree);

    const Real meanObliquity = k(84381.448L) + t * (k(-46.815L) + t * (k(-0.00059L) + t * k(0.001813L)));
    epsilon = (meanObliquity + sumEpsilon * k(kTermUnitArcsec)) / k(kArcsecPerDegree);
}

template void Nutation<double>(TDateTime, double&, double&);
template void Nutation<long double>(TDateTime, long double&, long double&);

} // namespace generic

void Nutation(TDateTime date, long double& deltaPsi, long double& epsilon)
{
    generic::Nutation(date, deltaPsi, epsilon);
}

} // namespace dawnrule
