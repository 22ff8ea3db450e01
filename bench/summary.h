// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <benchmark/benchmark.h>

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "bench/corpus.h"

namespace numira::bench {

// The console reporter, which also keeps the CPU time of every "peers/<library>/<entry>"
// run (the median when repetitions are asked for) for the summary printed after the run.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    using ConsoleReporter::ConsoleReporter;
    void ReportRuns(const std::vector<Run>& runs) override;

    // Nanoseconds by library, then by entry name.
    const std::map<std::string, std::map<std::string, double>>& peerTimes() const {
        return m_peerTimes;
    }

  private:
    std::map<std::string, std::map<std::string, double>> m_peerTimes;
};

// Prints each entry's time by library, the totals, the ratio of Numira's total to each
// peer's, and the entries where Numira is slower than muparser. Entries that did not run
// for every library are left out of the totals.
void printPeerSummary(std::ostream& out, const std::vector<CorpusEntry>& entries,
                      const std::map<std::string, std::map<std::string, double>>& times);

}  // namespace numira::bench
