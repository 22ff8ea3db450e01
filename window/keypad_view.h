// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <vector>

namespace numira {

// The keys' entry state as the window reads it. The keypad owns that state and is alone in
// writing it (keypad/keypad_state.h); the window only asks it the level at which queued text
// is typed, whether "=" evaluates with a typed x, and the level of each typed position, which
// a calculation of the history keeps.
class KeypadView {
  public:
    virtual ~KeypadView() = default;
    virtual bool raised() const = 0;     // what is typed next into t is raised
    virtual bool enteringX() const = 0;  // the operand keys type the value of x (Label4)
    // 1 for a position typed raised, from 0 (unused) to the last typed position.
    virtual std::vector<int> raisedRecords() const = 0;

  protected:
    KeypadView() = default;
    KeypadView(const KeypadView&) = default;
    KeypadView& operator=(const KeypadView&) = default;
};

}  // namespace numira
