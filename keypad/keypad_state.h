// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <vector>

#include "window/form1.h"
#include "window/keypad_view.h"

namespace numira {

// What the keys know about the expression being typed. Only the keys write it; the window
// holds it and reads it through KeypadView.
//
// What every key keeps true:
// - t and comp in step: a key appends its display text to t and its engine text to comp in
//   the same handler; typedLength counts the positions the keys typed into t, and the records
//   at a position hold openParens and exponentMode as they were when it was typed (record),
//   so that a backspace brings back the state before it (restore).
// - The typing level: what is typed next into t is raised exactly while exponentMode is set,
//   and comp then stands inside an exponent (after its "^").
struct KeypadState final : KeypadView {
    bool exponentMode = false;  // typing a raised exponent
    int openParens = 0;         // parentheses open inside the exponent
    bool parenFlag = false;     // openParens counts
    bool xEntryMode = false;    // the operand keys type the value of x (Label4)
    int typedLength = 0;
    // Records per typed position; index 0 is unused, they grow with typedLength.
    std::vector<int> openParensAt{0};
    std::vector<int> exponentModeAt{0};

    // The records at a position, grown on demand.
    int& openParensRecord(int position) { return recordAt(openParensAt, position); }
    int& exponentModeRecord(int position) { return recordAt(exponentModeAt, position); }

    // One more position typed, in the state now in force.
    void record();
    // The state in force when the last typed position was typed, after a backspace; an
    // exponent stays raised while parentheses are open in it, and the flag counts exactly then.
    void restore();

    bool raised() const override { return exponentMode; }
    bool enteringX() const override { return xEntryMode; }
    std::vector<int> raisedRecords() const override;

  private:
    static int& recordAt(std::vector<int>& records, int position);
};

// The keys' state of the window, put there by the first key.
KeypadState& keypadState(Form1& form);
const KeypadState& keypadState(const Form1& form);

}  // namespace numira
