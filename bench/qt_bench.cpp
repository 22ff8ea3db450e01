// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// The real window, offscreen: "=" with the history panel open, at a short and at a full
// history, and the chart window opened on a fresh window and opened again. Each timed step
// runs until the event loop has nothing left to do, so that the layout and the drawing it
// queued are counted too.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <memory>
#include <string>

#include "bench/qt_application.h"
#include "keypad/keys.h"
#include "qt/main_window.h"
#include "qt/resources.h"

namespace {

using numira::Key;
using numira::MainWindow;

void application() {
    numira::bench::useQtApplication();
    static const bool resources = [] {
        numira::initResources();
        return true;
    }();
    (void)resources;
}

void settle() {
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

std::unique_ptr<MainWindow> shownWindow() {
    auto window = std::make_unique<MainWindow>();
    window->show();
    settle();
    return window;
}

// Types n on a cleared box, so that each "=" adds an entry of its own.
void typeNumber(MainWindow& window, std::size_t n) {
    window.pressKey(Key::Clear);
    for (const char digit : std::to_string(n)) {
        window.pressKey(static_cast<Key>(digit - '0'));
    }
}

// The history holds `entries` calculations, and the panel shows them.
void fillHistory(MainWindow& window, std::size_t entries) {
    window.form().history.clear();
    for (std::size_t n = 0; n < entries; ++n) {
        numira::HistoryEntry entry;
        entry.t = entry.comp = std::to_string(n);
        entry.raised = std::string(entry.t.size(), '0');
        entry.caption = "=" + entry.t;
        window.form().history.add(entry);
    }
    window.refresh();
    settle();
}

void equalsWithPanel(benchmark::State& state, std::size_t entries) {
    application();
    auto window = shownWindow();
    window->pressKey(Key::MenuIstoria);
    fillHistory(*window, entries);
    std::size_t n = entries;
    for (auto _ : state) {
        state.PauseTiming();
        // A short history grows with every "="; it is brought back to its length now and then.
        if (window->form().history.size() >= entries + 50) {
            fillHistory(*window, entries);
        }
        typeNumber(*window, ++n);
        settle();
        state.ResumeTiming();
        window->pressKey(Key::Equals);
        settle();
    }
    state.counters["entries"] = static_cast<double>(window->form().history.size());
}

void typeFunction(MainWindow& window) {
    for (const Key key : {Key::X, Key::Times, Key::X, Key::Plus, Key::D1}) {
        window.pressKey(key);
    }
}

void openChart(MainWindow& window) {
    window.pressKey(Key::MenuGrafika);
    settle();
}

// The first opening on a fresh window, the module already loaded by an opening before.
void chartOpenFirst(benchmark::State& state) {
    application();
    {
        auto warm = shownWindow();
        typeFunction(*warm);
        openChart(*warm);
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto window = shownWindow();
        typeFunction(*window);
        state.ResumeTiming();
        openChart(*window);
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}

// Closed by the user, opened again on the same window.
void chartOpenAgain(benchmark::State& state) {
    application();
    auto window = shownWindow();
    typeFunction(*window);
    openChart(*window);
    for (auto _ : state) {
        state.PauseTiming();
        window->chartWindow()->close();
        settle();
        state.ResumeTiming();
        openChart(*window);
    }
}

// Named as they are compared from run to run.
[[maybe_unused]] const bool kRegistered = [] {
    for (const std::size_t entries : {std::size_t{10}, std::size_t{1000}}) {
        benchmark::RegisterBenchmark(
            ("qt_equals/history:" + std::to_string(entries) + "/panel").c_str(), equalsWithPanel,
            entries)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("qt_chart_open/first", chartOpenFirst)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("qt_chart_open/again", chartOpenAgain)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
