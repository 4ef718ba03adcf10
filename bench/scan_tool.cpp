// primzeilen-scan FROM TO LENGTH [--repeat N] [--memory]
//
// Runs the main window's scan on these three field texts and prints the adjusted bounds
// (from, tab, to) and then every list line. With --repeat N the scan runs N times and the
// median time in milliseconds goes to stderr. With --memory the growth of resident memory from
// before the first scan to after the last one, with its listing held, goes to stderr in MB.

#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "analysis/berechnen.h"

namespace {

int usage() {
    std::fputs("usage: primzeilen-scan FROM TO LENGTH [--repeat N] [--memory]\n", stderr);
    return 2;
}

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

void print(const QString& text, QByteArray& buffer) {
    buffer += text.toUtf8();
    buffer += '\n';
    if (buffer.size() > (1 << 20)) {
        std::fwrite(buffer.constData(), 1, static_cast<std::size_t>(buffer.size()), stdout);
        buffer.clear();
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<QString> fields;
    int repeat = 1;
    bool memory = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--memory") == 0) {
            memory = true;
        } else if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc) {
            repeat = std::max(1, std::atoi(argv[++i]));
        } else {
            fields.push_back(QString::fromLocal8Bit(argv[i]));
        }
    }
    if (fields.size() != 3) {
        return usage();
    }

    shell::PlainTextField from;
    shell::PlainTextField to;
    shell::PlainTextField length;
    shell::LineList list;
    shell::SharedState state;
    std::vector<double> milliseconds;
    const double baseline = residentMegabytes();
    try {
        for (int run = 0; run < repeat; ++run) {
            from.SetText(fields[0]);
            to.SetText(fields[1]);
            length.SetText(fields[2]);
            const auto start = std::chrono::steady_clock::now();
            analysis::Berechnen({to, from, length, list}, state);
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            milliseconds.push_back(took.count());
        }
    } catch (const shell::Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }

    if (memory) {
        std::fprintf(stderr, "%.1f MB\n", residentMegabytes() - baseline);
    }

    QByteArray buffer;
    print(from.Text() + u'\t' + to.Text(), buffer);
    for (qsizetype i = 0; i < list.count(); ++i) {
        print(list.line(i), buffer);
    }
    std::fwrite(buffer.constData(), 1, static_cast<std::size_t>(buffer.size()), stdout);

    if (repeat > 1) {
        std::nth_element(milliseconds.begin(), milliseconds.begin() + repeat / 2,
                         milliseconds.end());
        std::fprintf(stderr, "%.3f\n", milliseconds[static_cast<std::size_t>(repeat / 2)]);
    }
    return 0;
}
