#pragma once

#include <cstdint>
#include <vector>

namespace core {

// ln B(n, p; k) and ln Poisson(lambda; k) to a few units of the last place of a long double at
// any n, k and lambda, by the saddle point form (Stirling's remainder and the deviance): no
// difference of large logarithms of factorials, whose rounding grows with n.
[[nodiscard]] long double logBinomialMass(std::uint64_t n, long double p, std::uint64_t k);
[[nodiscard]] long double logPoissonMass(long double lambda, std::uint64_t k);

// One distribution's point masses over the counts first..last, added with a weight to a
// mixture's shares, and its mass outside them.
struct MassWindow {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    std::vector<long double>* shares = nullptr;  // index k - first
    long double* outside = nullptr;
};

// Adds weight * B(n, p; k) + curvature * d²/dp² B(n, p; k) at every k of the window, and the
// same of the mass outside it. Each mass comes from the one nearest the mode by the ratio of
// neighbours, so that it keeps its relative precision however far out it lies; masses too small
// to show in a double are left out.
void addBinomialWindow(const MassWindow& window, std::uint64_t n, long double p, long double weight,
                       long double curvature);
// The same for Poisson(lambda), the derivative taken by lambda.
void addPoissonWindow(const MassWindow& window, long double lambda, long double weight,
                      long double curvature);

}  // namespace core
