// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/keys.h"

#include <cstddef>

#include "engine/function_names.h"
#include "keypad/entry.h"
#include "keypad/history_keys.h"
#include "keypad/keypad_state.h"
#include "keypad/paste.h"

namespace numira {

namespace {

template <int decimals>
void roundTo(Form1& f) {
    f.selectIzbor(decimals);
}

template <int position>
void unit(Form1& f) {
    closeOpenParens(f);  // the change evaluates again, as "=" would
    if (f.selectGradusi(position)) {
        keypadState(f).xEntryMode = true;
    }
}

template <void (Form1::*click)()>
void menu(Form1& f) {
    (f.*click)();
}

void equals(Form1& f) {
    closeOpenParens(f);
    if (f.Ravno_Click()) {
        keypadState(f).xEntryMode = true;
    }
}

void equals2(Form1& f) {
    closeOpenParens(f);
    if (f.Command5_Click()) {
        keypadState(f).xEntryMode = true;
    }
}

void historyBack(Form1& f) {
    if (const auto n = f.history.stepBack()) {
        recallHistory(f, f.platform(), *n);
    }
}

void historyForward(Form1& f) {
    if (f.history.walking()) {
        if (const auto n = f.history.stepForward()) {
            recallHistory(f, f.platform(), *n);
        } else {
            press(f, f.platform(), Key::Clear);
        }
    }
}

void pasteClipboard(Form1& f) {
    paste(f, f.platform(), f.platform().clipboardText());
}

void tick1(Form1& f) {
    if (f.Timer1.enabled) {
        f.Timer1_Timer();
    }
}

void tick2(Form1& f) {
    if (f.Timer2.enabled) {
        f.Timer2_Timer();
    }
}

constexpr KeyText kNoText{};
constexpr KeyText operand(std::string_view shown, std::string_view engine) {
    return {KeyKind::Operand, shown, engine};
}
constexpr KeyText operand(std::string_view same) {
    return operand(same, same);
}
constexpr KeyText operation(std::string_view shown, std::string_view engine) {
    return {KeyKind::Operator, shown, engine};
}
constexpr KeyText operation(std::string_view same) {
    return operation(same, same);
}
constexpr KeyText parenthesis(std::string_view same) {
    return {KeyKind::Parenthesis, same, same};
}
// `engine` names the function's row in the engine; a name it does not have fails to compile.
consteval KeyText function(std::string_view shown, std::string_view engine) {
    for (const Function& f : kFunctions) {
        if (f.name == engine) {
            return {KeyKind::Function, shown, f.name};
        }
    }
    throw "no such function in engine/function_names.h";
}

constexpr KeyRow kKeys[] = {
#define NUMIRA_KEY(key, ...) KeyRow{Key::key, __VA_ARGS__},
#include "keypad/key_table.h"
#undef NUMIRA_KEY
};

}  // namespace

std::span<const KeyRow> keyTable() {
    return kKeys;
}

const KeyRow& keyRow(Key key) {
    return kKeys[static_cast<std::size_t>(key)];
}

void press(Form1& form, Platform& platform, Key key) {
    form.setPlatform(platform);
    const KeyRow& row = keyRow(key);
    if (row.clearsFailure) {
        form.clearFailure();
    }
    if (row.handler != nullptr) {
        row.handler(form);
    } else {
        typeKeyText(form, row.text);
    }
    form.processKeystrokes();
}

std::optional<Key> keyForControl(std::string_view name) {
    // The hidden button Command3 does what the menu item does.
    if (name == "Command3") {
        return Key::MenuGrafika;
    }
    for (const KeyRow& row : kKeys) {
        if (!row.control.empty() && row.control == name) {
            return row.key;
        }
    }
    return std::nullopt;
}

std::optional<Key> keyForName(std::string_view name) {
    for (const KeyRow& row : kKeys) {
        if (row.cliName == name) {
            return row.key;
        }
    }
    return keyForControl(name);
}

std::string_view keyName(Key key) {
    return keyRow(key).cliName;
}

}  // namespace numira
