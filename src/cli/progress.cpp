#include "progress.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <utility>

namespace cli {
namespace {

// The share of rows done, cut (never rounded up to 100 before the end) to the decimals that
// change within a second at the pace so far: one for a short run, up to six for a long one.
QString percentText(const ProgressState& state, const QLocale& locale) {
    const double share = 100.0 * static_cast<double>(state.rowsDone) /
                         static_cast<double>(std::max<std::uint64_t>(state.rows, 1));
    int decimals = 1;
    if (state.rowsDone > 0 && state.seconds > 0) {
        const double perSecond = share / state.seconds;
        decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(perSecond))), 1, 6);
    }
    const double scale = std::pow(10.0, decimals);
    return locale.toString(std::floor(share * scale) / scale, 'f', decimals);
}

// A pace in numbers per second, to three digits in the large units; a unit is taken where the
// value rounds to at least one of it.
QString paceText(double perSecond, const QLocale& locale) {
    const std::pair<double, QString> units[] = {
        {1e12, QCoreApplication::translate("primzeilen-cli", "%1 Bio.")},
        {1e9, QCoreApplication::translate("primzeilen-cli", "%1 Mrd.")},
        {1e6, QCoreApplication::translate("primzeilen-cli", "%1 Mio.")}};
    for (const auto& [unit, text] : units) {
        const double value = perSecond / unit;
        if (value >= 0.9995) {
            const int decimals = value < 9.995 ? 2 : value < 99.95 ? 1 : 0;
            return text.arg(locale.toString(value, 'f', decimals));
        }
    }
    return locale.toString(perSecond, 'f', 0);
}

// The time left in its two largest units.
QString durationText(double seconds) {
    const auto whole = static_cast<std::uint64_t>(std::min(std::ceil(seconds), 1e15));
    const std::uint64_t minutes = whole / 60;
    const std::uint64_t hours = minutes / 60;
    const std::uint64_t days = hours / 24;
    if (days > 0) {
        return QCoreApplication::translate("primzeilen-cli", "%1 d %2 h").arg(days).arg(hours % 24);
    }
    if (hours > 0) {
        return QCoreApplication::translate("primzeilen-cli", "%1 h %2 min")
            .arg(hours)
            .arg(minutes % 60);
    }
    if (minutes > 0) {
        return QCoreApplication::translate("primzeilen-cli", "%1 min %2 s")
            .arg(minutes)
            .arg(whole % 60);
    }
    return QCoreApplication::translate("primzeilen-cli", "%1 s").arg(whole);
}

}  // namespace

QString progressLine(const ProgressState& state, const QLocale& locale, int width) {
    QString line =
        QCoreApplication::translate("primzeilen-cli", "%1 von %2 Zeilen gezählt (%3 %)")
            .arg(locale.toString(static_cast<qulonglong>(state.rowsDone)),
                 locale.toString(static_cast<qulonglong>(state.rows)), percentText(state, locale));
    if (state.records > 0) {
        const QString done =
            locale.toString(static_cast<qulonglong>(std::min(state.recordsDone, state.records)));
        line.prepend(
            state.records == 1
                ? QCoreApplication::translate("primzeilen-cli", "%1 von 1 Datensatz fertig, ")
                      .arg(done)
                : QCoreApplication::translate("primzeilen-cli", "%1 von %2 Datensätzen fertig, ")
                      .arg(done, locale.toString(static_cast<qulonglong>(state.records))));
    }
    if (state.rowsDone > 0 && state.seconds > 0) {
        const double rowsPerSecond = static_cast<double>(state.rowsDone) / state.seconds;
        const double left =
            static_cast<double>(state.rows - std::min(state.rowsDone, state.rows)) / rowsPerSecond;
        // The time left before the pace: where the width is short the pace goes first.
        for (const QString& part :
             {QCoreApplication::translate("primzeilen-cli", ", noch %1").arg(durationText(left)),
              QCoreApplication::translate("primzeilen-cli", ", %1 Zahlen/s")
                  .arg(paceText(rowsPerSecond * state.length, locale))}) {
            if (width > 0 && line.size() + part.size() > width) {
                break;
            }
            line += part;
        }
    }
    if (width > 0 && line.size() > width) {
        line.truncate(width);
    }
    return line;
}

bool ProgressPace::due(const ProgressState& state) {
    if (m_terminal) {
        if (m_tenthShown >= 0 && state.seconds - m_shownAt < kTerminalPause) {
            return false;
        }
        m_tenthShown = 0;
        m_shownAt = state.seconds;
        return true;
    }
    // In 128 bits: ten times the rows of a run may pass 2^64.
    const auto tenth = static_cast<int>(std::min<__uint128_t>(
        10, __uint128_t{state.rowsDone} * 10 / std::max<std::uint64_t>(state.rows, 1)));
    if (tenth <= m_tenthShown) {
        return false;
    }
    m_tenthShown = tenth;
    return true;
}

}  // namespace cli
