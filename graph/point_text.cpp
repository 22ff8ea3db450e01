// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/point_text.h"

#include "engine/number_text.h"
#include "engine/result_caption.h"
#include "engine/words.h"

namespace numira::graph {
namespace {

void appendRounded(std::string& out, double value, int decimals) {
    out += resultCaption(numberText(value), decimals).substr(1);  // without its "="
}

}  // namespace

std::string pointText(double x, std::optional<double> y, int decimals) {
    std::string out = "x = ";
    appendRounded(out, x, decimals);
    if (y) {
        out += "; y = ";
        appendRounded(out, *y, decimals);
    }
    return out;
}

std::string traceText(double x, const FunctionValue& value, int decimals) {
    std::string out = pointText(x, value.value, decimals);
    if (!value.value) {
        out += "; ";
        out += word(Word::PointHasNoValue);
        if (value.failure) {
            out += ": ";
            out += failureReasonBg(*value.failure);
        }
    }
    return out;
}

}  // namespace numira::graph
