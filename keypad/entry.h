// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string_view>

#include "window/form1.h"

namespace numira {

// The entry helpers and the click handler of every key of the keypad, each under its
// control's name. They work on the window's state; none of them throws.

// Entry helpers.
void dolu(Form1& f);    // ends a raised exponent when nothing is open inside it
void masiv(Form1& f);   // records the state for the position just typed
void Gore(Form1& f);    // what is typed next is raised
void Nadolu(Form1& f);  // what is typed next is on the base line

// Digits, comma, pi and e.
void b1_Click(Form1& f);               // 1
void Commandbutton1_Click(Form1& f);   // 2
void CommandButton10_Click(Form1& f);  // 3
void CommandButton9_Click(Form1& f);   // 4
void CommandButton8_Click(Form1& f);   // 5
void CommandButton7_Click(Form1& f);   // 6
void CommandButton6_Click(Form1& f);   // 7
void CommandButton5_Click(Form1& f);   // 8
void CommandButton4_Click(Form1& f);   // 9
void CommandButton2_Click(Form1& f);   // 0
void CommandButton3_Click(Form1& f);   // ,
void Command10_Click(Form1& f);        // pi
void eKey_Click(Form1& f);             // e

// Operators.
void CommandButton11_Click(Form1& f);  // +
void CommandButton12_Click(Form1& f);  // -
void CommandButton13_Click(Form1& f);  // multiplication (raised dot)
void CommandButton14_Click(Form1& f);  // division (colon)
void Command4_Click(Form1& f);         // division (slash)

// Functions.
void CommandButton20_Click(Form1& f);  // Sin
void CommandButton19_Click(Form1& f);  // Cos
void Command8_Click(Form1& f);         // Tan
void Command9_Click(Form1& f);         // Cotan
void CommandButton16_Click(Form1& f);  // square root
void Command11_Click(Form1& f);        // Asin
void Command12_Click(Form1& f);        // Acos
void Command13_Click(Form1& f);        // Atan

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
