// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// The fuzzer's bytes choose an expression the keypad can type; the engine must agree with
// the independent reference on it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/engine/keyed_expressions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    numira::keyed::ByteChoices choices(data, size);
    const numira::keyed::KeyedCase c = numira::keyed::generate(choices);
    numira::Engine engine;
    const numira::keyed::Comparison result = numira::keyed::compare(engine, c);
    if (result.verdict == numira::keyed::Verdict::Differ) {
        std::fprintf(stderr, "%s%s x=%s\n  %s\n", c.expr.c_str(), c.degrees ? " (degrees)" : "",
                     c.xValue.c_str(), result.detail.c_str());
        std::abort();
    }
    return 0;
}
