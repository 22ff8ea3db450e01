// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// Arbitrary bytes as an evaluation: the first byte chooses the angle unit, x-entry mode and
// the decimals; the rest is the expression, and after a newline, the value of x.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "engine/result_caption.h"

namespace {

[[noreturn]] void reject(std::string_view why, std::string_view caption) {
    std::fprintf(stderr, "bad caption (%.*s): %.*s\n", static_cast<int>(why.size()), why.data(),
                 static_cast<int>(caption.size()), caption.data());
    std::abort();
}

void checkCaption(const std::string& caption) {
    if (caption.size() < 2 || caption[0] != '=') {
        reject("no value after =", caption);
    }
    if (caption.find('.') != std::string::npos) {
        reject("a decimal point", caption);
    }
    if (caption.find("inf") != std::string::npos || caption.find("nan") != std::string::npos) {
        reject("not a number", caption);
    }
    if (caption == "=-0") {
        reject("negative zero", caption);
    }
    for (std::size_t i = 1; i < caption.size(); ++i) {
        const char c = caption[i];
        const bool allowed = (c >= '0' && c <= '9') || c == ',' || c == '-' || c == '+' || c == 'E';
        if (!allowed) {
            reject("a stray character", caption);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t flags = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t newline = rest.find('\n');
    const std::string_view expression = rest.substr(0, newline);
    const std::string_view xValue =
        newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);

    numira::EngineSettings settings;
    settings.degreesMode = (flags & 1) != 0;
    settings.xEntryMode = (flags & 2) != 0;
    settings.xValue = xValue;
    const int decimals = (flags >> 2) % 8;

    numira::Engine engine;
    const numira::Evaluation result = engine.evaluate(expression, settings);
    if (!result.evaluated) {
        if (!expression.empty()) {
            std::abort();  // only an empty expression computes nothing
        }
        return 0;
    }
    if (result.failure) {
        const auto reason = static_cast<int>(*result.failure);
        if (reason < 0 || reason > static_cast<int>(numira::Failure::XHasNoValue)) {
            std::abort();
        }
        return 0;
    }
    checkCaption(numira::resultCaption(result.numberText, decimals));
    return 0;
}
