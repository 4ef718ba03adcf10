#include "ui/result_table.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "core/worked_example.h"
#include "engine/failures.h"
#include "engine/texts/number_text.h"

namespace ui {
namespace {

class ResultTableTest : public ::testing::Test {
protected:
    void fill(const core::Frequencies& h, std::int32_t rowLength = 90) {
        fill(h, {rowLength, 1, 45000});
    }
    void fill(const core::Frequencies& h, const ui::ScannedRange& scanned) {
        fillResults(m_results, h, scanned, m_reader);
    }
    [[nodiscard]] QStringList row(int r) const {
        return m_results.table.at(static_cast<std::size_t>(r));
    }
    [[nodiscard]] QString cell(int column, int r) const { return row(r).at(column); }
    [[nodiscard]] QStringList fields() const {
        const ResultFields& f = m_results.fields;
        return {f.n,
                f.p,
                f.observedMean,
                f.binomialMean,
                f.observedDeviation,
                f.binomialDeviation,
                f.scannedRowLength,
                f.scannedLower,
                f.scannedUpper};
    }

    FitResults m_results;
    // The reader of the texts: German with its decimal comma unless a test changes it.
    core::Conventions m_reader{core::Language::German, U','};
};

QStringList zeros(int count, const QString& zero) {
    return QStringList(count, zero);
}

TEST_F(ResultTableTest, WorkedExampleWithComma) {
    fill(core::WorkedExample(), 10);
    EXPECT_EQ(fields(), (QStringList{"9", "0,9375", "8,0000", "8,4375", "0,7071", "0,7262", "10",
                                     "1", "45000"}));
    QStringList x{"x"};
    for (int i = 0; i <= 18; ++i) {
        x.append(QString::number(i));
    }
    EXPECT_EQ(row(0), x);
    const QStringList h = QStringList{"h(x)"} + zeros(7, "0,0000") +
                          QStringList{"0,2500", "0,5000", "0,2500"} + zeros(9, "0,0000");
    EXPECT_EQ(row(1), h);
    const QStringList b = QStringList{"B(n;p)"} + zeros(4, "0,0000") +
                          QStringList{"0,0001", "0,0014", "0,0139", "0,0895", "0,3357", "0,5594"} +
                          zeros(9, "0,0000");
    EXPECT_EQ(row(2), b);
}

TEST_F(ResultTableTest, WorkedExampleWithPoint) {
    m_reader.decimalSeparator = U'.';
    fill(core::WorkedExample(), 10);
    EXPECT_EQ(fields().mid(0, 6),
              (QStringList{"9", "0.9375", "8.0000", "8.4375", "0.7071", "0.7262"}));
    EXPECT_EQ(row(1).at(9), "0.5000");
    EXPECT_EQ(row(2).at(10), "0.5594");
}

TEST_F(ResultTableTest, AFailedFitWritesOnlyTheHeadings) {
    EXPECT_THROW(fill(core::Frequencies{}), core::InvalidFloatOperation);
    EXPECT_EQ(row(0), QStringList{"x"} + zeros(19, QString()));
    EXPECT_EQ(row(1), QStringList{"h(x)"} + zeros(19, QString()));
    EXPECT_EQ(row(2), QStringList{"B(n;p)"} + zeros(19, QString()));
    EXPECT_EQ(fields(), (QStringList{"20", "0,32", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7",
                                     "Edit8", "Edit9"}));
}

TEST_F(ResultTableTest, PEqualToOneStopsAtTheFirstBinomialValue) {
    fill(core::WorkedExample());  // an earlier complete fill
    core::Frequencies singleRow{};
    singleRow[17] = 1.0;
    EXPECT_THROW(fill(singleRow, 120), core::FloatDivisionByZero);
    EXPECT_EQ(fields().mid(0, 3), (QStringList{"17", "1,0000", "8,0000"}));
    EXPECT_EQ(cell(1, 0), "0");
    EXPECT_EQ(cell(1, 1), "0,0000");
    EXPECT_EQ(cell(1, 2), "0,0000");   // still the earlier fill's
    EXPECT_EQ(cell(10, 1), "0,2500");  // still the earlier fill's
    EXPECT_EQ(fields().at(6), "90");   // Edit7 not reached
}

TEST_F(ResultTableTest, SmallNGivesUnsignedZerosBeyondIt) {
    core::Frequencies h{};
    h[1] = 0.5;
    h[2] = 0.5;  // m = 1.5, v = 0.25, p = 5/6, n = 2
    fill(h);
    EXPECT_EQ(fields().at(0), "2");
    EXPECT_EQ(row(2).mid(4), zeros(16, "0,0000"));  // x = 3..18, signed zeros among them
}

// The histogram draws B(n;p) for p as the field shows it, the table for the fit's own p.
TEST_F(ResultTableTest, TheShownFitIsPAsTheFieldShowsIt) {
    core::Frequencies h{};
    h[1] = 0.5;
    h[2] = 0.5;  // p = 5/6, n = 2
    for (const char32_t separator : {U',', U'.'}) {
        m_reader.decimalSeparator = separator;
        fill(h);
        ASSERT_TRUE(m_results.shownFit.has_value());
        EXPECT_EQ(m_results.shownFit->n, 2);
        EXPECT_EQ(m_results.shownFit->p, 0.8333);
        EXPECT_EQ(core::text::parseReal(m_results.fields.p.toStdString(), m_reader), 0.8333);
    }
    // A failed fit leaves the fit that the fields show.
    m_reader.decimalSeparator = U',';
    EXPECT_THROW(fill(core::Frequencies{}), core::InvalidFloatOperation);
    EXPECT_EQ(m_results.shownFit->p, 0.8333);
}

TEST_F(ResultTableTest, SharesBeyondTheColumnsStillCount) {
    core::Frequencies h = core::WorkedExample();
    h[8] = 0.25;
    h[20] = 0.25;
    fill(h);
    EXPECT_EQ(fields().at(2), "11,0000");
    EXPECT_EQ(fields().at(4), "5,2440");
    EXPECT_EQ(row(1).size(), 20);
    EXPECT_EQ(row(1).at(19), "0,0000");  // x = 18
}

TEST_F(ResultTableTest, RangeAndRowLengthAreThoseOfTheScan) {
    fill(core::WorkedExample(), {7, -496, 504});
    EXPECT_EQ(fields().mid(6), (QStringList{"7", "-496", "504"}));
}

}  // namespace
}  // namespace ui
