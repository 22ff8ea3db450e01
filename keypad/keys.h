// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "window/form1.h"
#include "window/platform.h"

namespace numira {

// Every event a user can cause: the keys by what they do, the choices of the two combo
// boxes, the menu items and the two timer ticks; one per row of keypad/key_table.h, in its
// order.
enum class Key {
#define NUMIRA_KEY(key, ...) key,
#include "keypad/key_table.h"
#undef NUMIRA_KEY
};

// A keyboard shortcut of the window, in the portable text of key sequences ("Ctrl+M", "F2").
struct Shortcut {
    std::string_view sequence;
    std::string_view meaning;  // what it does, in Bulgarian, for the help and the tooltips
};

// What a key types, in its two spellings: `shown` goes into t, `engine` into comp. A function
// key's engine text is the name of its row in engine/function_names.h, and the key types "("
// after both. The handlers, the history's words and paste's names read this; no other list
// of key texts exists.
enum class KeyKind {
    None,         // types nothing of its own (power, backspace, memory, menus, ...)
    Operand,      // digits, the comma, pi, e, x
    Operator,     // + - · : /
    Function,     // a name and its "("
    Parenthesis,  // ( and )
};
struct KeyText {
    KeyKind kind = KeyKind::None;
    std::string_view shown;
    std::string_view engine;

    // What a press puts into t and into comp: a function's name is followed by its "(".
    std::string shownTyped() const { return withParen(shown); }
    std::string engineTyped() const { return withParen(engine); }

  private:
    std::string withParen(std::string_view text) const {
        return std::string(text) + (kind == KeyKind::Function ? "(" : "");
    }
};

// What the program knows about one key in one place. Adding a key takes its row in
// keypad/key_table.h, which makes its Key value too; a key that only types its text needs no
// handler. Its button is a control of the window (window/form1.cpp); a function key's text
// names its row in the engine (engine/function_names.h). The hint is what the view tells the
// user about the key's button: a Bulgarian name for screen readers (the picture keys have no
// caption to read), the key on the keyboard and how a pasted text spells it when no key types
// it; "" for none.
struct KeyRow {
    Key key;
    std::string_view control;  // its control or menu item in the window, "" for none
    std::string_view cliName;  // its command-line name
    KeyText text;
    void (*handler)(Form1&);    // nullptr: the press types `text` (typeKeyText)
    bool clearsFailure;         // the press removes the failure of the last "=" (clearFailure)
    std::u32string_view typed;  // the characters typed on the keyboard that press it
    std::string_view hintName = {};
    std::string_view hintKeyboard = {};
    std::string_view hintPaste = {};
    std::string_view shortcut = {};  // "" for none
    std::string_view shortcutMeaning = {};
};

// One row per Key, in the order of Key.
std::span<const KeyRow> keyTable();
const KeyRow& keyRow(Key key);

// Runs the handler of `key` on the window, then delivers the keystrokes it queued. The
// failure of the last "=" (its reason, its words in the result's place and the part of t it
// marks) is cleared first by the keys whose row says so: every key that types, clears or
// evaluates, the unit choice and the history walk; not by the help key, the decimals, the
// menu items or the ticks. A tick of a disabled timer does nothing.
void press(Form1& form, Platform& platform, Key key);

// The key of a control or menu item by its name ("b1", "CommandButton21", "Ravno";
// "Gradusi" has none: use Radians/Degrees). Nothing for an unknown name.
std::optional<Key> keyForControl(std::string_view name);

// The key of a command-line name: the name in its row ("7", "sin", "bs", "=2", "round:3",
// "menu:Raund", "up"), or any control name keyForControl knows.
std::optional<Key> keyForName(std::string_view name);

// The command-line name of a key.
std::string_view keyName(Key key);

}  // namespace numira
