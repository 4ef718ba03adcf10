#include "ui/scan_steps.h"

#include <gtest/gtest.h>

#include "core/conversions.h"
#include "engine/failures.h"
#include "engine/rows/window_range.h"

namespace ui {
namespace {

// The main window's three fields and list box, as plain values.
class ScanTest : public ::testing::Test {
protected:
    void scan(const QString& from, const QString& to, const QString& length) {
        m_from.setFieldText(from);
        m_to.setFieldText(to);
        m_length.setFieldText(length);
        scanIntoFields(controls(), m_state);
    }
    ScanControls controls() { return {m_to, m_from, m_length, m_list}; }

    [[nodiscard]] QStringList lines() const {
        QStringList result;
        for (qsizetype i = 0; i < m_list.count(); ++i) {
            result.append(m_list.line(i));
        }
        return result;
    }
    [[nodiscard]] QString lastLine() const { return m_list.line(m_list.count() - 1); }

    PlainTextField m_from;
    PlainTextField m_to;
    PlainTextField m_length;
    core::LineList m_list;
    SharedState m_state = [] {
        SharedState state;
        state.conventions = {core::Language::German, U','};
        return state;
    }();
};

// The listing of 1..100 in rows of ten.
const char* const kOneToHundred = R"(     1  +OO+O+O+++  4
    11  O+O+++O+O+  4
    21  ++O+++++O+  2
    31  O+++++O+++  2
    41  O+O+++O+++  3
    51  ++O+++++O+  2
    61  O+++++O+++  2
    71  O+O+++++O+  3
    81  ++O+++++O+  2
    91  ++++++O+++  1
 
Primz/Zeile: Anzahl, relative Häufigkeit
  0   :      0-mal,     0,00000
  1   :      1-mal,     0,10000
  2   :      5-mal,     0,50000
  3   :      2-mal,     0,20000
  4   :      2-mal,     0,20000
  5   :      0-mal,     0,00000
  6   :      0-mal,     0,00000
  7   :      0-mal,     0,00000
  8   :      0-mal,     0,00000
  9   :      0-mal,     0,00000
 10   :      0-mal,     0,00000
 11   :      0-mal,     0,00000
 12   :      0-mal,     0,00000
 13   :      0-mal,     0,00000
 14   :      0-mal,     0,00000
 15   :      0-mal,     0,00000
 16   :      0-mal,     0,00000
 17   :      0-mal,     0,00000
 18   :      0-mal,     0,00000
 19   :      0-mal,     0,00000
 20   :      0-mal,     0,00000

 Summe:    10       1,00000

 Primzahlen gesamt:     25)";

TEST_F(ScanTest, OneToHundredByteForByte) {
    scan("1", "100", "10");
    EXPECT_EQ(lines().join(u'\n'), QString::fromUtf8(kOneToHundred));
    EXPECT_EQ(m_from.fieldText(), "1");
    EXPECT_EQ(m_to.fieldText(), "100");
    EXPECT_EQ(m_state.rowLength, 10);
    std::array<double, 21> shares{};
    shares[1] = 0.1;
    shares[2] = 0.5;
    shares[3] = 0.2;
    shares[4] = 0.2;
    EXPECT_EQ(m_state.shares, shares);
}

TEST_F(ScanTest, StartUpValues) {
    scan("1", "45000", "90");
    EXPECT_EQ(m_from.fieldText(), "1");
    EXPECT_EQ(m_to.fieldText(), "45000");
    ASSERT_EQ(m_list.count(), 500 + 27);
    EXPECT_EQ(m_list.line(0),
              "     1  +OO+O+O+++O+O+++O+O+++O+++++O+O+++++O+++O+O+++O+++++O+++++O+O+++++O+++O+O+"
              "++++O+++O+++++O+  24");
    EXPECT_EQ(m_list.line(499).left(8), " 44911  ");
    EXPECT_EQ(lastLine(), " Primzahlen gesamt:     4675");
    EXPECT_EQ(m_list.line(500), " ");
    EXPECT_EQ(m_list.line(524).left(15), " Summe:    499 ");  // the first row is not tallied
}

TEST_F(ScanTest, BoundsAreAdjustedToWholeRows) {
    const struct {
        const char* from;
        const char* adjusted;
    } lower[] = {{"45", "1"},    {"89", "1"},  {"90", "91"}, {"91", "91"},    {"179", "91"},
                 {"180", "181"}, {"-89", "1"}, {"0", "1"},   {"-100", "-89"}, {"-180", "-179"}};
    for (const auto& c : lower) {
        scan(c.from, "45000", "90");
        EXPECT_EQ(m_from.fieldText(), c.adjusted) << c.from;
    }
    const struct {
        const char* to;
        const char* adjusted;
    } upper[] = {
        {"45089", "45000"}, {"45090", "45090"}, {"50", "0"}, {"-50", "0"}, {"-100", "-90"}};
    for (const auto& c : upper) {
        scan("-1000", c.to, "90");
        EXPECT_EQ(m_to.fieldText(), c.adjusted) << c.to;
    }
}

TEST_F(ScanTest, ARefusedRangeLeavesTheAdjustedBoundsAndAnEmptyList) {
    scan("1", "100", "10");
    const auto shares = m_state.shares;

    scan("1", "50", "90");
    EXPECT_EQ(m_from.fieldText(), "1");
    EXPECT_EQ(m_to.fieldText(), "0");
    EXPECT_EQ(m_list.count(), 0);
    EXPECT_EQ(m_state.shares, shares);
    EXPECT_EQ(m_state.rowLength, 90);

    scan("100", "150", "90");
    EXPECT_EQ(m_from.fieldText(), "91");
    EXPECT_EQ(m_to.fieldText(), "90");
    EXPECT_EQ(m_list.count(), 0);
}

TEST_F(ScanTest, TheLimitAppliesToTheAdjustedBounds) {
    const struct {
        const char* from;
        const char* to;
        const char* length;
        const char* adjustedFrom;
        const char* adjustedTo;
        bool accepted;
    } cases[] = {
        {"9999901", "10000050", "90", "9999901", "9999990", true},
        {"9999901", "10000100", "100", "9999901", "10000100", false},
        {"9999901", "10000000", "100", "9999901", "10000000", true},
        {"10000001", "10000000", "1", "10000002", "10000000", false},
        {"-10000050", "0", "100", "-9999999", "0", true},
        {"-10000100", "0", "100", "-10000099", "0", false},
        // The largest lower bound must not wrap around when one is added.
        {"2147483647", "2147483647", "1", "2147483648", "2147483647", false},
    };
    for (const auto& c : cases) {
        scan(c.from, c.to, c.length);
        EXPECT_EQ(m_from.fieldText(), c.adjustedFrom) << c.from << ".." << c.to;
        EXPECT_EQ(m_to.fieldText(), c.adjustedTo) << c.from << ".." << c.to;
        EXPECT_EQ(m_list.count() > 0, c.accepted) << c.from << ".." << c.to;
    }
}

TEST_F(ScanTest, ASingleRow) {
    scan("91", "180", "90");
    ASSERT_EQ(m_list.count(), 1 + 27);
    EXPECT_TRUE(m_list.line(0).endsWith("  17"));
    EXPECT_EQ(m_list.line(20), " 17   :      1-mal,     1,00000");
    EXPECT_EQ(m_list.line(25), " Summe:    1       1,00000");
    std::array<double, 21> shares{};
    shares[17] = 1.0;
    EXPECT_EQ(m_state.shares, shares);
}

TEST_F(ScanTest, RowLengthOne) {
    scan("1", "5", "1");
    EXPECT_EQ(m_from.fieldText(), "2");
    EXPECT_EQ(lines().mid(0, 4),
              (QStringList{"     2  O  1", "     3  O  1", "     4  +  0", "     5  O  1"}));
    EXPECT_EQ(m_list.line(4 + 24), " Summe:    4       1,00000");
}

TEST_F(ScanTest, AConversionFailureKeepsWhatWasWrittenBeforeIt) {
    scan("1", "100", "10");

    m_length.setFieldText("abc");
    EXPECT_THROW(scanIntoFields(controls(), m_state), core::ConversionError);
    EXPECT_EQ(m_list.count(), 37);
    EXPECT_EQ(m_state.rowLength, 10);

    m_length.setFieldText("90");
    m_from.setFieldText("1,5");
    EXPECT_THROW(scanIntoFields(controls(), m_state), core::ConversionError);
    EXPECT_EQ(m_state.rowLength, 90);
    EXPECT_EQ(m_list.count(), 0);
    EXPECT_EQ(m_to.fieldText(), "100");

    m_from.setFieldText("45");
    m_to.setFieldText("");
    EXPECT_THROW(scanIntoFields(controls(), m_state), core::ConversionError);
    EXPECT_EQ(m_from.fieldText(), "1");
    EXPECT_EQ(m_to.fieldText(), "");
}

TEST_F(ScanTest, RowsWithMoreThanTwentyPrimesAreListedButNotTallied) {
    scan("1", "90", "90");
    ASSERT_EQ(m_list.count(), 1 + 27);
    EXPECT_TRUE(m_list.line(0).endsWith("  24"));
    EXPECT_EQ(m_list.line(3), "  0   :      0-mal,     0,00000");
    EXPECT_EQ(m_list.line(25), " Summe:    0       0,00000");
    EXPECT_EQ(lastLine(), " Primzahlen gesamt:     24");
    EXPECT_EQ(m_state.shares, (std::array<double, 21>{}));

    scan("1", "180", "90");
    EXPECT_EQ(m_list.line(2 + 24), " Summe:    1       1,00000");
    EXPECT_EQ(lastLine(), " Primzahlen gesamt:     41");
    EXPECT_EQ(m_state.shares[17], 1.0);
}

TEST_F(ScanTest, NumbersBelowOneAreNotPrime) {
    scan("-10", "10", "10");
    EXPECT_EQ(m_from.fieldText(), "-9");
    EXPECT_EQ(lines().mid(0, 2), (QStringList{"    -9  ++++++++++  0", "     1  +OO+O+O+++  4"}));

    scan("-10000000", "0", "120");
    EXPECT_EQ(lastLine(), " Primzahlen gesamt:     0");
}

TEST_F(ScanTest, LongFirstNumbersWidenEveryHeaderOfTheirScan) {
    scan("999981", "1000010", "10");
    EXPECT_EQ(lines().mid(0, 3), (QStringList{" 999981  ++O+++++++  1", " 999991  ++++++++++  0",
                                              "1000001  ++O+++++++  1"}));

    scan("-100010", "-99990", "10");
    EXPECT_EQ(m_list.line(0).left(9), "-100009  ");
    EXPECT_EQ(m_list.line(1).left(9), " -99999  ");

    scan("1", "100", "10");
    EXPECT_EQ(m_list.line(0), "     1  +OO+O+O+++  4");
}

TEST_F(ScanTest, ARowLengthBelowOneIsRefusedWithAMessage) {
    scan("1", "100", "10");
    for (const char* length : {"0", "-5"}) {
        m_length.setFieldText(length);
        m_from.setFieldText("1");
        try {
            scanIntoFields(controls(), m_state);
            ADD_FAILURE() << "row length " << length << " accepted";
        } catch (const core::RowLengthError& e) {
            EXPECT_EQ(e.message(), "Die Anzahl Zahlen pro Zeile muss mindestens 1 sein.");
        }
        EXPECT_EQ(m_state.rowLength, core::parseInteger(length));
        EXPECT_EQ(m_list.count(), 0);
        EXPECT_EQ(m_from.fieldText(), "1");
    }
    // The lower bound is converted before the row length is used.
    m_length.setFieldText("0");
    m_from.setFieldText("x");
    EXPECT_THROW(scanIntoFields(controls(), m_state), core::ConversionError);
}

TEST_F(ScanTest, ARowLengthAboveTheBarIsUsedUnchanged) {
    scan("1", "10000000", "5000000");
    ASSERT_EQ(m_list.count(), 2 + 27);
    const QString first = m_list.line(0);
    // The second row's first number has seven digits, so both headers take seven characters.
    EXPECT_EQ(first.size(), 9 + 5'000'000 + 8);
    EXPECT_TRUE(first.startsWith("      1  +OO+O+O+++"));
    EXPECT_TRUE(first.endsWith("+  348513"));
    EXPECT_TRUE(m_list.line(1).startsWith("5000001  "));
    EXPECT_TRUE(m_list.line(1).endsWith("  316066"));
    EXPECT_EQ(lastLine(), " Primzahlen gesamt:     664579");
}

}  // namespace
}  // namespace ui
