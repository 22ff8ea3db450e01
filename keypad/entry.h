// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string_view>

#include "keypad/keys.h"
#include "window/form1.h"

namespace numira {

// The entry helpers and the click handlers of the keys that do more than type their text,
// each under its control's name. They work on the window's state; none of them throws.

// Entry helpers.
void dolu(Form1& f);    // ends a raised exponent when nothing is open inside it
void masiv(Form1& f);   // records the state for the position just typed
void Gore(Form1& f);    // what is typed next is raised
void Nadolu(Form1& f);  // what is typed next is on the base line

// What a key whose row has no handler does: types its text (keypad/keys.h). An operand
// in x-entry mode builds the value of x instead; an operator ends a raised exponent first.
void typeKeyText(Form1& f, const KeyText& text);

// Parentheses, power, backspace, clear.
void CommandButton18_Click(Form1& f);  // (
void CommandButton17_Click(Form1& f);  // )
// Before every evaluation the keys ask for ("=", M, the angle unit): types the ")" of every
// parenthesis still open at the end, each at the level the ")" key would type it, in both
// boxes. Nothing when none is open or a ")" is one too many.
void closeOpenParens(Form1& f);
void CommandButton21_Click(Form1& f);  // power
void Command6_Click(Form1& f);         // backspace
void butonC_Click(Form1& f);           // C

// Memory and x.
void CommandButton22_Click(Form1& f);  // M
void CommandButton23_Click(Form1& f);  // MR
void Command1_Click(Form1& f);         // MC
void Command2_Click(Form1& f);         // X
void Command7_Click(Form1& f);         // X =
void Command14_Click(Form1& f);        // XC

// What MR does with the stored number, for any number text ("3,5"): typed at the end of the
// expression at the level the keys are at, one record per character.
void typeRecalled(Form1& f, std::string_view recalled);

}  // namespace numira
