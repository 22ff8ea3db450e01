// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/entry.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "engine/open_parens.h"
#include "keypad/keypad_state.h"

namespace numira {

namespace {

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

void leaveXEntry(Form1& f) {
    KeypadState& k = keypadState(f);
    if (f.Label4.visible) {
        k.xEntryMode = false;
        f.Label3.visible = false;
        f.setCaption(f.Label4, "");
        f.Label4.visible = false;
    }
}

// A key that types several characters counts the ones before its last here. Each skipped
// position records the state in force, so that a backspace into the middle of the key's
// text restores the level it was typed at rather than whatever an earlier text left there.
void skipPositions(Form1& f, int count) {
    KeypadState& k = keypadState(f);
    for (int i = 0; i < count; ++i) {
        k.record();
    }
}

// An operand typed right after an exponent has ended stands on the base line, a factor of
// its own. The engine reads what follows "^" without a sign as part of the exponent (the
// raised 3pi of 2^3pi is the exponent), so the product is made explicit, in both boxes:
// 2³·4 and 2^3*4, not 2^34.
void separateFromEndedExponent(Form1& f) {
    KeypadState& k = keypadState(f);
    const std::string& shown = f.t.text();
    if (!k.exponentMode && !shown.empty() && f.t.raisedAt(shown.size() - 1)) {
        f.sendText(".");
        f.comp.text += '*';
        masiv(f);
    }
}

// Digits, comma, pi and e: in x-entry mode they build the value of x instead.
void operandKey(Form1& f, std::string_view display, std::string_view engine) {
    KeypadState& k = keypadState(f);
    if (k.xEntryMode) {
        f.setCaption(f.Label4, f.Label4.caption + std::string(display));
        return;
    }
    f.Lok();
    f.tabb();
    separateFromEndedExponent(f);
    f.sendText(std::string(display));
    f.comp.text += engine;
    skipPositions(f, static_cast<int>(display.size()) - 1);
    masiv(f);
}

void operatorKey(Form1& f, std::string_view display, std::string_view engine) {
    f.Lok();
    leaveXEntry(f);
    f.tabb();
    dolu(f);
    f.sendText(std::string(display));
    f.comp.text += engine;
    masiv(f);
}

// The name, then "(", in both boxes.
void functionKey(Form1& f, const KeyText& text) {
    const std::string_view display = text.shown;
    const std::string engine = text.engineTyped();
    KeypadState& k = keypadState(f);
    f.Lok();
    f.tabb();
    separateFromEndedExponent(f);
    f.sendText(std::string(display));
    f.sendText("(");
    skipPositions(f, static_cast<int>(display.size()));
    f.comp.text += engine;
    if (endsWith(f.comp.text, "^" + engine)) {
        k.parenFlag = true;
    }
    if (k.parenFlag) {
        ++k.openParens;
    }
    masiv(f);
}

}  // namespace

void dolu(Form1& f) {
    KeypadState& k = keypadState(f);
    if (k.exponentMode && k.openParens == 0) {
        Nadolu(f);
        k.exponentMode = false;
        f.Pic2.visible = false;
        // An exponent ended before anything was typed into it would reach the engine as a
        // bare "^"; drop it, as the power key does, and forget that it was started.
        if (endsWith(f.comp.text, "^")) {
            f.comp.text.pop_back();
            if (k.typedLength > 0) {
                k.exponentModeRecord(k.typedLength) = 0;
            }
        }
    }
}

void masiv(Form1& f) {
    KeypadState& k = keypadState(f);
    k.record();
    if (k.exponentMode) {
        f.Pic2.visible = true;
    }
    if (!k.exponentMode) {
        f.Pic2.visible = false;
    }
    f.Pic1.visible = true;
}

void Gore(Form1& f) {
    f.t.setTypingFormat(kRaisedFormat);
}

void Nadolu(Form1& f) {
    f.t.setTypingFormat(kBaseFormat);
}

void typeKeyText(Form1& f, const KeyText& text) {
    switch (text.kind) {
        case KeyKind::Operand:
            operandKey(f, text.shown, text.engine);
            break;
        case KeyKind::Operator:
            operatorKey(f, text.shown, text.engine);
            break;
        case KeyKind::Function:
            functionKey(f, text);
            break;
        case KeyKind::None:
        case KeyKind::Parenthesis:  // typed by their own handlers
            break;
    }
}

void CommandButton18_Click(Form1& f) {
    KeypadState& k = keypadState(f);
    f.Lok();
    leaveXEntry(f);
    f.tabb();
    // A "(" after an exponent's first characters, with none open in it, ends the exponent
    // and starts a factor on the base line.
    if (k.exponentMode && k.openParens == 0 && !endsWith(f.comp.text, "^")) {
        dolu(f);
    }
    separateFromEndedExponent(f);
    f.sendText("(");
    f.comp.text += "(";
    if (endsWith(f.comp.text, "^(") || k.openParens > 0) {
        k.parenFlag = true;
    }
    if (k.parenFlag) {
        ++k.openParens;
    }
    // dolu before masiv: the record must say whether this "(" ended the exponent, or a
    // backspace to it would bring the exponent back while comp has none.
    dolu(f);
    masiv(f);
}

namespace {

// What the ")" key types, without its unlocking and focus keystrokes.
void typeCloseParen(Form1& f) {
    KeypadState& k = keypadState(f);
    // An exponent closed before anything was typed into it is dropped first, so the ")"
    // follows the base.
    if (k.exponentMode && k.openParens == 0 && endsWith(f.comp.text, "^")) {
        dolu(f);
    }
    // Straight into the box at the level in force, before dolu may lower it; at the end of
    // the text, where comp gets it, whatever the caret or selection was.
    f.t.moveToEnd();
    f.t.setTypingFormat(k.exponentMode ? kRaisedFormat : kBaseFormat);
    f.t.type(")");
    f.t_Change();
    f.comp.text += ")";
    if (k.parenFlag || k.openParens > 0) {
        k.openParens = std::max(0, k.openParens - 1);
    }
    if (k.openParens == 0 && k.parenFlag) {
        k.parenFlag = false;
    }
    dolu(f);
    masiv(f);
}

}  // namespace

void CommandButton17_Click(Form1& f) {
    f.Lok();
    leaveXEntry(f);
    f.tabb();
    typeCloseParen(f);
}

void closeOpenParens(Form1& f) {
    for (std::size_t n = missingCloseParens(f.comp.text).value_or(0); n > 0; --n) {
        typeCloseParen(f);
    }
}

void CommandButton21_Click(Form1& f) {
    KeypadState& k = keypadState(f);
    if (f.t.text().empty() || k.openParens > 0) {
        return;
    }
    f.Lok();
    leaveXEntry(f);
    if (!k.exponentMode) {
        f.comp.text += "^";
        k.exponentMode = true;
        f.Pic2.visible = true;
        Gore(f);
    } else {
        Nadolu(f);
        k.exponentMode = false;
        if (endsWith(f.comp.text, "^")) {
            f.comp.text.pop_back();
        }
        f.Pic2.visible = false;
    }
    f.tabb();
    if (k.typedLength > 0) {
        k.openParensRecord(k.typedLength) = k.openParens;
        k.exponentModeRecord(k.typedLength) = k.exponentMode ? 1 : 0;
    }
    f.Pic2.visible = k.exponentMode;
}

void Command6_Click(Form1& f) {
    KeypadState& k = keypadState(f);
    f.Lok();
    f.tabb();
    if (f.comp.text == "^") {
        Nadolu(f);
    }
    f.send(Keystroke::Kind::Backspace);
    if (k.typedLength > 0 && !f.comp.text.empty()) {
        // Right after the power key comp ends in the "^" of an empty exponent; it goes
        // together with the character t loses.
        if (endsWith(f.comp.text, "^")) {
            f.comp.text.pop_back();
        }
        if (!f.comp.text.empty()) {
            f.comp.text.pop_back();
        }
        k.openParensRecord(k.typedLength) = 0;
    }
    if (k.typedLength > 0) {
        --k.typedLength;
    }
    k.restore();
    if (endsWith(f.comp.text, "^")) {
        f.comp.text.pop_back();
        f.Timer2.enabled = true;
        k.exponentMode = false;
        if (k.typedLength > 0) {
            k.exponentModeRecord(k.typedLength) = 0;
        }
    }
    f.Pic1.visible = false;
    f.Pic2.visible = false;
    if (k.typedLength > 0 && k.exponentModeRecord(k.typedLength + 1) == 0 &&
        k.exponentModeRecord(k.typedLength) == 1) {
        Nadolu(f);
    }
    k.xEntryMode = false;
    f.Label3.visible = false;
    f.setCaption(f.Label4, "");
    f.Label4.visible = false;
}

void butonC_Click(Form1& f) {
    KeypadState& k = keypadState(f);
    f.Lok();
    if (!f.t.text().empty()) {
        f.t.setText("");
        f.t_Change();
    }
    f.t.geometry.left = kBoxLeft;
    f.setCaption(f.L, "");
    f.comp.text.clear();
    f.L.visible = false;
    f.windowWidth = f.startWidth;
    f.t.geometry.width = static_cast<float>(f.startBoxWidth);
    f.comp.geometry.width = static_cast<float>(f.startBoxWidth);
    f.send(Keystroke::Kind::Tab);
    k = {};
    f.Pic2.visible = false;
    f.Label3.visible = false;
    f.Label2.visible = false;
    f.setCaption(f.Label4, "");
    f.Label4.visible = false;
    Nadolu(f);
}

void CommandButton22_Click(Form1& f) {
    f.Lok();
    bool shown = f.L.visible;
    if (!shown) {
        closeOpenParens(f);
        if (f.RRavno()) {
            keypadState(f).xEntryMode = true;
        }
        shown = f.L.visible;
    }
    f.L.geometry.height = f.t.geometry.height;
    // Only a result on display now is stored: a failed or skipped evaluation leaves L
    // hidden with the caption of an earlier expression.
    if (shown) {
        f.memoryText = "M" + f.L.caption;
        f.setCaption(f.Label1, f.memoryText);
    }
    f.tabb();
}

void CommandButton23_Click(Form1& f) {
    typeRecalled(f, f.Label1.caption.size() > 2 ? f.memoryText.substr(2) : "");
}

void typeRecalled(Form1& f, std::string_view recalled) {
    KeypadState& k = keypadState(f);
    f.Lok();
    if (!recalled.empty()) {
        // Typed at the end of t, where comp gets it, and never through the clipboard.
        f.send(Keystroke::Kind::Tab);
        f.send(Keystroke::Kind::End);
        separateFromEndedExponent(f);
        f.sendText(std::string(recalled));
        f.send(Keystroke::Kind::Tab);
        if (k.exponentMode) {
            f.send(Keystroke::Kind::Tab);
        }
        f.comp.text += recalled;
    }
    const int count = static_cast<int>(recalled.size());
    int recallIndex = 1;
    do {
        masiv(f);
        ++recallIndex;
    } while (recallIndex <= count);
    f.tabb();
}

void Command1_Click(Form1& f) {
    f.Lok();
    f.memoryText.clear();
    f.setCaption(f.Label1, f.memoryText);
    f.tabb();
}

void Command2_Click(Form1& f) {
    f.Label2.visible = true;
    f.Label2.geometry.height = f.t.geometry.height;
    f.Lok();
    f.tabb();
    separateFromEndedExponent(f);
    const KeyText& x = keyRow(Key::X).text;
    f.sendText(std::string(x.shown));
    f.comp.text += x.engine;
    masiv(f);
}

void Command7_Click(Form1& f) {
    KeypadState& k = keypadState(f);
    f.Label3.visible = true;
    f.Label4.visible = true;
    f.t.readOnly = true;
    f.comp.readOnly = true;
    k.xEntryMode = true;
    f.setCaption(f.Label4, "");
    f.setCaption(f.L, "");
    f.L.visible = false;
}

void Command14_Click(Form1& f) {
    f.setCaption(f.Label4, "");
    f.setCaption(f.L, "");
    f.L.visible = false;
}

}  // namespace numira
