// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// One key press on the window model: the handler, the keystrokes it queues and t_Change
// with its text measurement, through the fake platform. The expression is typed up to the
// wanted length first and typed again, untimed, whenever the timed keys have made it
// longer than it should be.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "keypad/keys.h"
#include "window/fake_platform.h"
#include "window/form1.h"

namespace {

using numira::Key;

// Digits and operators, no parentheses: every key adds one character to comp.
constexpr Key kTyping[] = {Key::D1,    Key::D2,    Key::Plus, Key::D3,    Key::D4,
                           Key::Times, Key::D5,    Key::D6,   Key::Minus, Key::D7,
                           Key::D8,    Key::Slash, Key::D9,   Key::D0,    Key::Plus};

struct Calculator {
    numira::FakePlatform platform;
    numira::Form1 form{platform};

    // `entries` calculations in the history first, each a different number and "=".
    explicit Calculator(std::size_t length, std::size_t entries = 0) {
        form.Form_Load();
        for (std::size_t n = 0; n < entries; ++n) {
            numira::press(form, platform, Key::Clear);
            for (const char digit : std::to_string(n)) {
                numira::press(form, platform, static_cast<Key>(digit - '0'));
            }
            numira::press(form, platform, Key::Equals);
        }
        numira::press(form, platform, Key::Clear);
        for (std::size_t i = 0; form.comp.text.size() < length; ++i) {
            numira::press(form, platform, kTyping[i % std::size(kTyping)]);
        }
        form.takeDelivered();
    }
};

// The keys alone are timed with the value while typing turned off; key/preview times the
// digit with it on, so that the difference is what the preview costs a key.
void pressOnExpression(benchmark::State& state, Key key, bool preview = false) {
    const auto length = static_cast<std::size_t>(state.range(0));
    // Typing again costs as much as the length, so the timed keys may lengthen the
    // expression by 5% before it is typed again.
    const std::size_t longest = length + length / 20;
    auto calculator = std::make_unique<Calculator>(length);
    calculator->form.previewOn = preview;
    for (auto _ : state) {
        if (calculator->form.comp.text.size() > longest) {
            state.PauseTiming();
            calculator = std::make_unique<Calculator>(length);
            calculator->form.previewOn = preview;
            state.ResumeTiming();
        }
        numira::press(calculator->form, calculator->platform, key);
    }
    state.counters["chars"] = static_cast<double>(calculator->form.comp.text.size());
    if (preview) {
        // 1 when the last key left a value on show: the time is that of a real preview.
        state.counters["shown"] = calculator->form.preview.caption.empty() ? 0 : 1;
    }
}

void BM_KeyDigit(benchmark::State& state) {
    pressOnExpression(state, Key::D7);
}
// Every digit gives the expression a new value to preview.
void BM_KeyPreview(benchmark::State& state) {
    pressOnExpression(state, Key::D7, true);
}
void BM_KeySin(benchmark::State& state) {
    pressOnExpression(state, Key::Sin);
}
// A full history costs a key nothing: it is touched by "=" only. The digit is taken back,
// untimed, so that the expression keeps its length.
void BM_KeyDigitFullHistory(benchmark::State& state) {
    Calculator calculator(static_cast<std::size_t>(state.range(0)), numira::History::kCapacity);
    for (auto _ : state) {
        numira::press(calculator.form, calculator.platform, Key::D7);
        state.PauseTiming();
        numira::press(calculator.form, calculator.platform, Key::Backspace);
        state.ResumeTiming();
    }
    state.counters["entries"] = static_cast<double>(calculator.form.history.size());
}
// "=" on a new expression each time: the history adds one and drops its oldest.
void BM_EqualsFullHistory(benchmark::State& state) {
    Calculator calculator(static_cast<std::size_t>(state.range(0)), numira::History::kCapacity);
    int digit = 0;
    for (auto _ : state) {
        // Another last digit each time, so that no "=" repeats the newest entry.
        digit = (digit + 1) % 10;
        numira::press(calculator.form, calculator.platform, Key::Backspace);
        numira::press(calculator.form, calculator.platform, static_cast<Key>(digit));
        numira::press(calculator.form, calculator.platform, Key::Equals);
    }
    state.counters["entries"] = static_cast<double>(calculator.form.history.size());
}

}  // namespace

BENCHMARK(BM_KeyDigit)->Name("key/digit")->Arg(20)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyPreview)->Name("key/preview")->Arg(20)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeySin)->Name("key/sin")->Arg(20)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyDigitFullHistory)
    ->Name("key/digit/history:1000")
    ->Arg(20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EqualsFullHistory)
    ->Name("key/bs+digit+equals/history:1000")
    ->Arg(20)
    ->Unit(benchmark::kMicrosecond);
