// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <vector>

namespace numira {

// What the keys know about the expression being typed. The keys (keypad/) change it; the
// window holds it and reads it, so it is declared here, below both: the window types queued
// text at its level (Form1::processKeystrokes), reads xEntryMode at "=" and keeps the level
// and the records with each calculation of the history.
//
// What every key keeps true:
// - t and comp in step: a key appends its display text to t and its engine text to comp in
//   the same handler; typedLength counts the positions the keys typed into t, and the records
//   at a position hold openParens and exponentMode as they were when it was typed, so that a
//   backspace brings back the state before it.
// - The typing level: what is typed next into t is raised exactly while exponentMode is 1,
//   and comp then stands inside an exponent (after its "^").
struct KeypadState {
    int exponentMode = 0;  // 1 while typing a raised exponent
    int openParens = 0;    // parentheses open inside the exponent
    int parenFlag = 0;     // 1 while openParens counts
    int xEntryMode = 0;    // 1 while the operand keys type the value of x (Label4)
    int typedLength = 0;
    // Records per typed position; index 0 is unused, they grow with typedLength.
    std::vector<int> openParensAt{0};
    std::vector<int> exponentModeAt{0};

    // The records at a position, grown on demand.
    int& openParensRecord(int position) { return record(openParensAt, position); }
    int& exponentModeRecord(int position) { return record(exponentModeAt, position); }

  private:
    static int& record(std::vector<int>& records, int position) {
        const auto index = static_cast<std::size_t>(position < 0 ? 0 : position);
        if (index >= records.size()) {
            records.resize(index + 1, 0);
        }
        return records[index];
    }
};

}  // namespace numira
