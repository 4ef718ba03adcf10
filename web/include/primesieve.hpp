// The web build's stand-in for libprimesieve: its iterator, as the core uses it, on the core's
// own segmented sieve.
#pragma once

#include <stdexcept>

#include "engine/rows/segmented_primes.h"

namespace primesieve {

using iterator = core::SegmentedPrimes;
using primesieve_error = std::out_of_range;

}  // namespace primesieve
