#pragma once

#include <cstdint>

#include "engine/statistics/models.h"

namespace core {

// What takes in the rows of a range group by group: rows whose mean probabilities p_r agree
// closely enough that each model's shares at their mean p, plus half the second derivative by p
// times their spread, stand for the rows one by one.
class RowGroupSink {
public:
    virtual ~RowGroupSink() = default;
    // Whether a row of mean probability p takes Cramér's binomial in the
    // Montgomery-Soundararajan model: a group never mixes the two kinds.
    [[nodiscard]] virtual bool fallsBack(long double p) const = 0;
    // How far from the mean count mu, at most, the shares are taken: a share's change with p
    // grows with its distance from the mean, so the groups narrow with it.
    [[nodiscard]] virtual long double countScale(long double mu) const = 0;
    // `count` rows whose mean probabilities average p, `spread` the sum of the squares of their
    // differences from p.
    virtual void addRows(long double p, long double spread, std::uint64_t count) = 0;
};

// The sums behind the models' variances of the count of a row picked at random: each row's own
// variance in the model plus the spread of L p_r across the rows, taken in group by group.
class VarianceSums final {
public:
    VarianceSums(long double length, long double nStar, long double weight)
        : m_l(length), m_nStar(nStar), m_weight(weight) {}
    // `count` rows as RowGroupSink::addRows takes them; `fallsBack`: they take Cramér's binomial
    // in the Montgomery-Soundararajan model.
    void add(long double p, long double spread, std::uint64_t count, bool fallsBack);

    struct Variances {
        double cramer = 0.0;
        double poisson = 0.0;
        double montgomery = 0.0;
        std::uint64_t montgomeryFallbackRows = 0;
    };
    [[nodiscard]] Variances variances() const;
    // Writes the variances, the rows that fall back and n* into a model's shares (the models over
    // 0..20 and over all rows keep the same fields).
    template <class Shares>
    void fill(Shares& shares) const {
        const Variances sums = variances();
        shares.varianceCramer = sums.cramer;
        shares.variancePoisson = sums.poisson;
        shares.varianceMontgomery = sums.montgomery;
        shares.montgomeryFallbackRows = sums.montgomeryFallbackRows;
        shares.predictedN = static_cast<double>(m_nStar);
    }

private:
    long double m_l;
    long double m_nStar;
    long double m_weight;
    std::uint64_t m_fallbackRows = 0;
    long double m_sumMean = 0;        // of L p_r
    long double m_sumSquare = 0;      // of (L p_r)^2
    long double m_sumBinomial = 0;    // of L p_r (1 - p_r)
    long double m_sumMontgomery = 0;  // of the rows' variances in that model
};

// The share of p by which a group's rows may differ, divided by the sink's count scale; with the
// second-order term what is left stays below 1e-13 of each share.
inline constexpr long double kExactGroupSpread = 5e-4L;

// Hands every row of `rows` to the sink, in groups, in order. Near the start of the number line
// and for rows long beside their height one row at a time, summed number by number.
void addRowGroups(const ModelRows& rows, long double groupSpread, RowGroupSink& sink);

}  // namespace core
