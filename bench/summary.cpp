// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "bench/summary.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "bench/peers.h"

namespace numira::bench {

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        const bool wanted = run.repetitions > 1 ? run.run_type == Run::RT_Aggregate &&
                                                      run.aggregate_name == "median"
                                                : run.run_type == Run::RT_Iteration;
        const std::string name = run.run_name.function_name;
        if (!wanted || run.error_occurred || !name.starts_with("peers/")) {
            continue;
        }
        const std::size_t slash = name.find('/', 6);
        if (slash == std::string::npos) {
            continue;
        }
        const double nanoseconds =
            run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        m_peerTimes[name.substr(6, slash - 6)][name.substr(slash + 1)] = nanoseconds;
    }
    ConsoleReporter::ReportRuns(runs);
}

namespace {

std::string format(const char* pattern, double a) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, a);
    return buffer;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

}  // namespace

void printPeerSummary(std::ostream& out, const std::vector<CorpusEntry>& entries,
                      const std::map<std::string, std::map<std::string, double>>& times) {
    std::vector<std::string> names;
    for (const Library library : libraries()) {
        names.emplace_back(libraryName(library));
    }
    const auto timeOf = [&](const std::string& library, const std::string& entry) -> double {
        const auto byLibrary = times.find(library);
        if (byLibrary == times.end()) {
            return -1;
        }
        const auto found = byLibrary->second.find(entry);
        return found == byLibrary->second.end() ? -1 : found->second;
    };

    if (times.empty()) {
        return;  // the filter left out every peer benchmark
    }
    std::vector<double> totals(names.size(), 0.0);
    std::vector<std::string> slower;
    std::size_t counted = 0;
    out << "\nOne-shot cost of the corpus, CPU ns per expression\n";
    out << padded("expression", 12);
    for (const std::string& name : names) {
        out << padded(name, 11);
    }
    out << padded("numira/muparser", 17) << '\n';
    for (const CorpusEntry& entry : entries) {
        std::vector<double> row;
        for (const std::string& name : names) {
            row.push_back(timeOf(name, entry.name));
        }
        if (std::find_if(row.begin(), row.end(), [](double t) { return t < 0; }) != row.end()) {
            continue;
        }
        ++counted;
        out << padded(entry.name, 12);
        for (std::size_t i = 0; i < row.size(); ++i) {
            totals[i] += row[i];
            out << padded(format("%.0f", row[i]), 11);
        }
        const double muparser = timeOf("muparser", entry.name);
        if (muparser > 0) {
            const double ratio = row[0] / muparser;
            out << padded(format("%.2f", ratio), 17);
            if (ratio > 1) {
                slower.push_back(entry.name + " (" + format("%.2f", ratio) + "x)");
            }
        }
        out << '\n';
    }
    if (counted == 0) {
        return;
    }
    out << padded("total", 12);
    for (const double total : totals) {
        out << padded(format("%.0f", total), 11);
    }
    out << "\n\n";
    std::size_t fastest = 0;
    for (std::size_t i = 1; i < names.size(); ++i) {
        out << "numira total / " << names[i] << " total: " << format("%.3f", totals[0] / totals[i])
            << '\n';
        if (fastest == 0 || totals[i] < totals[fastest]) {
            fastest = i;
        }
    }
    if (fastest != 0) {
        out << "target, below the fastest peer's total (" << names[fastest]
            << "): " << (totals[0] < totals[fastest] ? "met" : "missed") << '\n';
    }
    if (std::find(names.begin(), names.end(), "muparser") != names.end()) {
        out << "slower than muparser's one-shot: ";
        if (slower.empty()) {
            out << "none";
        }
        for (std::size_t i = 0; i < slower.size(); ++i) {
            out << (i ? ", " : "") << slower[i];
        }
        out << '\n';
    }
    out << "(" << counted << " of " << entries.size() << " expressions ran for every library)\n";
}

}  // namespace numira::bench
