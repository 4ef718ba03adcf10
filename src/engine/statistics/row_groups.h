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

// The share of p by which a group's rows may differ, divided by the sink's count scale; with the
// second-order term what is left stays below 1e-13 of each share.
inline constexpr long double kExactGroupSpread = 5e-4L;

// Hands every row of `rows` to the sink, in groups, in order. Near the start of the number line
// and for rows long beside their height one row at a time, summed number by number.
void addRowGroups(const ModelRows& rows, long double groupSpread, RowGroupSink& sink);

}  // namespace core
