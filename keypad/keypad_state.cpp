// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/keypad_state.h"

#include <cstddef>
#include <memory>

namespace numira {

void KeypadState::record() {
    ++typedLength;
    openParensRecord(typedLength) = openParens;
    exponentModeRecord(typedLength) = exponentMode ? 1 : 0;
}

void KeypadState::restore() {
    if (typedLength > 0) {
        openParens = openParensRecord(typedLength);
        exponentMode = exponentModeRecord(typedLength) == 1;
    } else {
        openParens = 0;
        exponentMode = false;
    }
    if (openParens > 0) {
        exponentMode = true;
    }
    // A flag left over from a deleted "(" would make the next "(" count outside any exponent
    // and block the power key.
    parenFlag = openParens > 0;
}

std::vector<int> KeypadState::raisedRecords() const {
    std::vector<int> records(static_cast<std::size_t>(typedLength) + 1, 0);
    for (std::size_t i = 0; i < records.size() && i < exponentModeAt.size(); ++i) {
        records[i] = exponentModeAt[i];
    }
    return records;
}

int& KeypadState::recordAt(std::vector<int>& records, int position) {
    const auto index = static_cast<std::size_t>(position < 0 ? 0 : position);
    if (index >= records.size()) {
        records.resize(index + 1, 0);
    }
    return records[index];
}

KeypadState& keypadState(Form1& form) {
    if (!form.keypadHeld) {
        form.keypadHeld = std::make_unique<KeypadState>();
    }
    // Only this function puts a state there, so it is a KeypadState.
    return static_cast<KeypadState&>(*form.keypadHeld);
}

const KeypadState& keypadState(const Form1& form) {
    static const KeypadState nothingTyped;
    return form.keypadHeld ? static_cast<const KeypadState&>(*form.keypadHeld) : nothingTyped;
}

}  // namespace numira
