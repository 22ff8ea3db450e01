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

    explicit Calculator(std::size_t length) {
        form.Form_Load();
        for (std::size_t i = 0; form.comp.text.size() < length; ++i) {
            numira::press(form, platform, kTyping[i % std::size(kTyping)]);
        }
        form.takeDelivered();
    }
};

void pressOnExpression(benchmark::State& state, Key key) {
    const auto length = static_cast<std::size_t>(state.range(0));
    // Typing again costs as much as the length, so the timed keys may lengthen the
    // expression by 5% before it is typed again.
    const std::size_t longest = length + length / 20;
    auto calculator = std::make_unique<Calculator>(length);
    for (auto _ : state) {
        if (calculator->form.comp.text.size() > longest) {
            state.PauseTiming();
            calculator = std::make_unique<Calculator>(length);
            state.ResumeTiming();
        }
        numira::press(calculator->form, calculator->platform, key);
    }
    state.counters["chars"] = static_cast<double>(calculator->form.comp.text.size());
}

void BM_KeyDigit(benchmark::State& state) {
    pressOnExpression(state, Key::D7);
}
void BM_KeySin(benchmark::State& state) {
    pressOnExpression(state, Key::Sin);
}

}  // namespace

BENCHMARK(BM_KeyDigit)->Name("key/digit")->Arg(20)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeySin)->Name("key/sin")->Arg(20)->Arg(500)->Unit(benchmark::kMicrosecond);
