// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors

// Every key, one row each, in one place: keys.h makes the Key values of the rows and keys.cpp
// their KeyRow (keypad/keys.h says what each field means), so this file has no include guard
// and is read with a NUMIRA_KEY of the reader's own. A row reads: the key, its control,
// command-line name, text, handler (nullptr for a key that only types its text), whether it
// clears the failure mark, the characters typed on the keyboard that press it; then, where it
// has them, the hint (name, keyboard, paste text) and the shortcut (sequence, meaning).
// The events that are no key (the combo boxes' choices, menu items, timer ticks) have rows too.

NUMIRA_KEY(D0, "CommandButton2", "0", operand("0"), nullptr, true, U"0", "нула", "0")
NUMIRA_KEY(D1, "b1", "1", operand("1"), nullptr, true, U"1", "едно", "1")
NUMIRA_KEY(D2, "Commandbutton1", "2", operand("2"), nullptr, true, U"2", "две", "2")
NUMIRA_KEY(D3, "CommandButton10", "3", operand("3"), nullptr, true, U"3", "три", "3")
NUMIRA_KEY(D4, "CommandButton9", "4", operand("4"), nullptr, true, U"4", "четири", "4")
NUMIRA_KEY(D5, "CommandButton8", "5", operand("5"), nullptr, true, U"5", "пет", "5")
NUMIRA_KEY(D6, "CommandButton7", "6", operand("6"), nullptr, true, U"6", "шест", "6")
NUMIRA_KEY(D7, "CommandButton6", "7", operand("7"), nullptr, true, U"7", "седем", "7")
NUMIRA_KEY(D8, "CommandButton5", "8", operand("8"), nullptr, true, U"8", "осем", "8")
NUMIRA_KEY(D9, "CommandButton4", "9", operand("9"), nullptr, true, U"9", "девет", "9")
NUMIRA_KEY(Comma, "CommandButton3", ",", operand(",", "."), nullptr, true, U",.",
           "десетична запетая", ", или .")
NUMIRA_KEY(Pi, "Command10", "pi", operand("pi"), nullptr, true, U"p\u03C0", "пи", "p")
// The constant e: keyboard and paste only, no button.
NUMIRA_KEY(E, "", "e", operand("e"), nullptr, true, U"e")
NUMIRA_KEY(Plus, "CommandButton11", "+", operation("+"), nullptr, true, U"+", "плюс", "+")
NUMIRA_KEY(Minus, "CommandButton12", "-", operation("-"), nullptr, true, U"-", "минус", "-")
NUMIRA_KEY(Times, "CommandButton13", "*", operation(".", "*"), nullptr, true, U"*\u00D7\u00B7",
           "умножение", "*")
NUMIRA_KEY(Colon, "CommandButton14", ":", operation(":", "/"), nullptr, true, U":\u00F7", "деление",
           ":")
NUMIRA_KEY(Slash, "Command4", "/", operation("/"), nullptr, true, U"/", "деление с наклонена черта",
           "/")
NUMIRA_KEY(Power, "CommandButton21", "^", kNoText, CommandButton21_Click, true, U"^", "степен", "^")
NUMIRA_KEY(Sqrt, "CommandButton16", "sqrt", function("SQRT", "SQRT"), nullptr, true, U"\u221A",
           "корен квадратен", "", "√ или sqrt(", "Ctrl+K", "корен квадратен")
NUMIRA_KEY(Sin, "CommandButton20", "sin", function("Sin", "SIN"), nullptr, true, U"", "синус", "",
           "sin(", "Ctrl+S", "синус")
NUMIRA_KEY(Cos, "CommandButton19", "cos", function("Cos", "COS"), nullptr, true, U"", "косинус", "",
           "cos(", "Ctrl+O", "косинус")
NUMIRA_KEY(Tan, "Command8", "tan", function("Tan", "TAN"), nullptr, true, U"", "тангенс", "",
           "tan(", "Ctrl+T", "тангенс")
NUMIRA_KEY(Cotan, "Command9", "cotan", function("Cotan", "COTAN"), nullptr, true, U"", "котангенс",
           "", "cotan(", "Ctrl+N", "котангенс")
NUMIRA_KEY(Asin, "Command11", "asin", function("Asin", "Asin"), nullptr, true, U"", "аркуссинус",
           "", "asin(", "Ctrl+Shift+S", "аркуссинус")
NUMIRA_KEY(Acos, "Command12", "acos", function("Acos", "Acos"), nullptr, true, U"", "аркускосинус",
           "", "acos(", "Ctrl+Shift+O", "аркускосинус")
NUMIRA_KEY(Atan, "Command13", "atan", function("Atan", "Atan"), nullptr, true, U"", "аркустангенс",
           "", "atan(", "Ctrl+Shift+T", "аркустангенс")
NUMIRA_KEY(OpenParen, "CommandButton18", "(", parenthesis("("), CommandButton18_Click, true, U"(",
           "отваряща скоба", "(")
NUMIRA_KEY(CloseParen, "CommandButton17", ")", parenthesis(")"), CommandButton17_Click, true, U")",
           "затваряща скоба", ")")
NUMIRA_KEY(Backspace, "Command6", "bs", kNoText, Command6_Click, true, U"",
           "изтриване на последния знак", "Backspace")
NUMIRA_KEY(Clear, "butonC", "C", kNoText, butonC_Click, true, U"", "изчистване", "Esc")
NUMIRA_KEY(MemoryStore, "CommandButton22", "M", kNoText, CommandButton22_Click, true, U"",
           "запомняне на резултата", "", "", "Ctrl+M", "M: запомняне на резултата")
NUMIRA_KEY(MemoryRecall, "CommandButton23", "MR", kNoText, CommandButton23_Click, true, U"",
           "извикване от паметта", "", "", "Ctrl+R", "MR: извикване от паметта")
NUMIRA_KEY(MemoryClear, "Command1", "MC", kNoText, Command1_Click, true, U"",
           "изчистване на паметта", "", "", "Ctrl+L", "MC: изчистване на паметта")
NUMIRA_KEY(X, "Command2", "X", operand("x"), Command2_Click, true, U"xX", "променлива x", "x")
NUMIRA_KEY(XEquals, "Command7", "X=", kNoText, Command7_Click, true, U"", "стойност на x", "", "",
           "Ctrl+X", "„X =“: стойност на x")
NUMIRA_KEY(XClear, "Command14", "XC", kNoText, Command14_Click, true, U"",
           "изчистване на стойността на x", "", "", "Ctrl+Shift+X",
           "XC: изчистване на стойността на x")
// "=" of the main keypad (Ravno) and of the x panel (Command5).
NUMIRA_KEY(Equals, "Ravno", "=", kNoText, equals, true, U"=", "равно", "Enter или =")
NUMIRA_KEY(Equals2, "Command5", "=2", kNoText, equals2, true, U"", "равно", "Enter или =")
// "S / V": the help file.
NUMIRA_KEY(Help, "Command15", "help", kNoText, menu<&Form1::Command15_Click>, false, U"",
           "ръководство", "", "", "F1", "ръководство (помощният файл)")
NUMIRA_KEY(Radians, "", "rad", kNoText, unit<0>, true, U"")
// Ctrl+D switches the unit: it presses Radians while degrees are chosen (keyForShortcut).
NUMIRA_KEY(Degrees, "", "deg", kNoText, unit<1>, true, U"", "", "", "", "Ctrl+D",
           "градуси или радиани")
NUMIRA_KEY(Round0, "", "round:0", kNoText, roundTo<0>, false, U"", "", "", "", "Ctrl+0",
           "закръгляне до цяло число")
NUMIRA_KEY(Round1, "", "round:1", kNoText, roundTo<1>, false, U"", "", "", "", "Ctrl+1",
           "1 цифра след запетаята")
NUMIRA_KEY(Round2, "", "round:2", kNoText, roundTo<2>, false, U"", "", "", "", "Ctrl+2",
           "2 цифри след запетаята")
NUMIRA_KEY(Round3, "", "round:3", kNoText, roundTo<3>, false, U"", "", "", "", "Ctrl+3",
           "3 цифри след запетаята")
NUMIRA_KEY(Round4, "", "round:4", kNoText, roundTo<4>, false, U"", "", "", "", "Ctrl+4",
           "4 цифри след запетаята")
NUMIRA_KEY(Round5, "", "round:5", kNoText, roundTo<5>, false, U"", "", "", "", "Ctrl+5",
           "5 цифри след запетаята")
NUMIRA_KEY(Round6, "", "round:6", kNoText, roundTo<6>, false, U"", "", "", "", "Ctrl+6",
           "6 цифри след запетаята")
NUMIRA_KEY(Round7, "", "round:7", kNoText, roundTo<7>, false, U"", "", "", "", "Ctrl+7",
           "7 цифри след запетаята")
NUMIRA_KEY(MenuRaund, "Raund", "menu:Raund", kNoText, menu<&Form1::Raund_Click>, false, U"", "", "",
           "", "Ctrl+Shift+R", "списък „Брой на цифрите след десетичната запетая“")
NUMIRA_KEY(MenuKomEkran, "KomEkran", "menu:KomEkran", kNoText, menu<&Form1::KomEkran_Click>, false,
           U"", "", "", "", "Ctrl+Shift+K", "компютърен запис на екрана")
NUMIRA_KEY(MenuCopEkran, "CopEkran", "menu:CopEkran", kNoText, menu<&Form1::CopEkran_Click>, false,
           U"", "", "", "", "Ctrl+Shift+C", "копиране на израза")
NUMIRA_KEY(MenuCopRez, "CopRez", "menu:CopRez", kNoText, menu<&Form1::CopRez_Click>, false, U"", "",
           "", "", "Ctrl+C", "копиране на резултата")
// "Поставяне": pastes the clipboard's text (keypad/paste.h).
NUMIRA_KEY(MenuPostavyane, "Postavyane", "menu:Postavyane", kNoText, pasteClipboard, false, U"", "",
           "", "", "Ctrl+V", "поставяне на текст от клипборда")
NUMIRA_KEY(MenuTF, "TF", "menu:TF", kNoText, menu<&Form1::TF_Click>, false, U"", "", "", "",
           "Ctrl+F", "допълнителни функции")
NUMIRA_KEY(MenuStepen, "Stepen", "menu:Stepen", kNoText, menu<&Form1::Stepen_Click>, false, U"", "",
           "", "", "F2", "помощ: повдигане на степен")
NUMIRA_KEY(MenuFFun, "FFun", "menu:FFun", kNoText, menu<&Form1::FFun_Click>, false, U"", "", "", "",
           "F3", "помощ: пресмятане на функция")
NUMIRA_KEY(MenuKolektiv, "Kolektiv", "menu:Kolektiv", kNoText, menu<&Form1::Kolektiv_Click>, false,
           U"", "", "", "", "F4", "„Колектив“")
// "Графика на функцията"; the hidden button Command3 does the same (keyForControl).
NUMIRA_KEY(MenuGrafika, "Grafika", "menu:Grafika", kNoText, menu<&Form1::Command3_Click>, false,
           U"", "", "", "", "Ctrl+G", "графика на функцията")
// "История на изчисленията"; the walk through the history: the previous expression into
// the box (keyboard Up), the next one or an empty box after the newest (keyboard Down).
NUMIRA_KEY(MenuIstoria, "Istoria", "menu:Istoria", kNoText, menu<&Form1::Istoria_Click>, false, U"",
           "", "", "", "Ctrl+H", "история на изчисленията")
// "Междинен резултат": the value while typing, on or off.
NUMIRA_KEY(MenuPreview, "Preview", "menu:Preview", kNoText, menu<&Form1::Preview_Click>, false, U"",
           "", "", "", "")
NUMIRA_KEY(HistoryBack, "", "up", kNoText, historyBack, true, U"")
NUMIRA_KEY(HistoryForward, "", "down", kNoText, historyForward, true, U"")
NUMIRA_KEY(Tick1, "Timer1", "tick1", kNoText, tick1, false, U"")
NUMIRA_KEY(Tick2, "Timer2", "tick2", kNoText, tick2, false, U"")
