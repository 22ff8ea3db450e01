// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// numira-bench: every benchmark that needs no display, in one program, followed by the
// summary of Numira beside its peers. "--check-corpus" only checks that every library gives
// the corpus the same values.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstring>
#include <iostream>
#include <stdexcept>

#include "bench/corpus.h"
#include "bench/peers.h"
#if NUMIRA_BENCH_QT
#include "bench/qt_application.h"
#endif
#include "bench/summary.h"

int main(int argc, char** argv) {
    using namespace numira::bench;
    bool checkOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check-corpus") == 0) {
            checkOnly = true;
        }
    }
    if (checkOnly) {
        argc = 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }

    const std::vector<CorpusEntry>* entries = nullptr;
    try {
        entries = &corpus();
    } catch (const std::invalid_argument& error) {
        std::cerr << "numira-bench: " << error.what() << '\n';
        return 1;
    }
    // Timing libraries that disagree would compare different work.
    const std::vector<std::string> problems = corpusDisagreements(*entries);
    if (!problems.empty()) {
        std::cerr << "numira-bench: the corpus does not evaluate alike in every library:\n";
        for (const std::string& problem : problems) {
            std::cerr << "  " << problem << '\n';
        }
        return 1;
    }
    std::cout << "corpus: " << entries->size() << " expressions agree in";
    for (const Library library : libraries()) {
        std::cout << ' ' << libraryName(library);
    }
    std::cout << std::endl;
    if (checkOnly) {
        return 0;
    }

    registerPeerBenchmarks(*entries);
    SummaryReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Color
                                                   : benchmark::ConsoleReporter::OO_None);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printPeerSummary(std::cout, *entries, reporter.peerTimes());
    benchmark::Shutdown();
#if NUMIRA_BENCH_QT
    endQtApplication();
#endif
    return 0;
}
