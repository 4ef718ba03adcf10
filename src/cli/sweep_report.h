#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "cli/csv_report.h"
#include "cli/json_text.h"
#include "engine/rows/row_lengths.h"
#include "engine/statistics/sweep.h"
#include "engine/texts/language.h"

namespace core {

// The records of a sweep as a table, one line per record, each column right-aligned under its
// heading; without the column of heights where `withHeight` is false (the lengths of one
// range). A record without rows or without models says why after its rows.
[[nodiscard]] QStringList sweepLines(const std::vector<SweepRecord>& records, bool withHeight,
                                     const Conventions& reader);

// The same for programs: the window and the list of records.
[[nodiscard]] QString sweepJson(Number window, const std::vector<SweepRecord>& records);
// One CSV row per record.
[[nodiscard]] QString sweepCsv(CsvStyle style, const std::vector<SweepRecord>& records);

// The lengths of one range where a row holds more than 20 primes: after the table of the rows up
// to 20, the records over all rows (text); each length's entry with its record as "gesamt"
// (JSON); each length's row with the record's columns after its own (CSV). Where no length has a
// record these give the plain comparison unchanged.
[[nodiscard]] QStringList wholeRowLengthLines(const std::vector<RowLengthResult>& results,
                                              const Conventions& reader);
[[nodiscard]] QString wholeRowLengthJson(Number from, Number to,
                                         const std::vector<RowLengthResult>& results);
[[nodiscard]] QString wholeRowLengthCsv(CsvStyle style, Number from, Number to,
                                        const std::vector<RowLengthResult>& results);

}  // namespace core
