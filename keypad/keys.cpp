// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/keys.h"

#include <array>
#include <cstddef>

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

// Key, control, command-line name, handler, clears the failure mark, typed characters; the
// hint (name, keyboard, paste text) and the shortcut (sequence, meaning) where it has them.
constexpr std::array<KeyRow, static_cast<std::size_t>(Key::Tick2) + 1> kKeys{{
    {Key::D0, "CommandButton2", "0", CommandButton2_Click, true, U"0", "нула", "0"},
    {Key::D1, "b1", "1", b1_Click, true, U"1", "едно", "1"},
    {Key::D2, "Commandbutton1", "2", Commandbutton1_Click, true, U"2", "две", "2"},
    {Key::D3, "CommandButton10", "3", CommandButton10_Click, true, U"3", "три", "3"},
    {Key::D4, "CommandButton9", "4", CommandButton9_Click, true, U"4", "четири", "4"},
    {Key::D5, "CommandButton8", "5", CommandButton8_Click, true, U"5", "пет", "5"},
    {Key::D6, "CommandButton7", "6", CommandButton7_Click, true, U"6", "шест", "6"},
    {Key::D7, "CommandButton6", "7", CommandButton6_Click, true, U"7", "седем", "7"},
    {Key::D8, "CommandButton5", "8", CommandButton5_Click, true, U"8", "осем", "8"},
    {Key::D9, "CommandButton4", "9", CommandButton4_Click, true, U"9", "девет", "9"},
    {Key::Comma, "CommandButton3", ",", CommandButton3_Click, true, U",.", "десетична запетая",
     ", или ."},
    {Key::Pi, "Command10", "pi", Command10_Click, true, U"p\u03C0", "пи", "p"},
    {Key::E, "", "e", eKey_Click, true, U"e"},
    {Key::Plus, "CommandButton11", "+", CommandButton11_Click, true, U"+", "плюс", "+"},
    {Key::Minus, "CommandButton12", "-", CommandButton12_Click, true, U"-", "минус", "-"},
    {Key::Times, "CommandButton13", "*", CommandButton13_Click, true, U"*\u00D7\u00B7", "умножение",
     "*"},
    {Key::Colon, "CommandButton14", ":", CommandButton14_Click, true, U":\u00F7", "деление", ":"},
    {Key::Slash, "Command4", "/", Command4_Click, true, U"/", "деление с наклонена черта", "/"},
    {Key::Power, "CommandButton21", "^", CommandButton21_Click, true, U"^", "степен", "^"},
    {Key::Sqrt, "CommandButton16", "sqrt", CommandButton16_Click, true, U"\u221A",
     "корен квадратен", "", "√ или sqrt(", "Ctrl+K", "корен квадратен"},
    {Key::Sin, "CommandButton20", "sin", CommandButton20_Click, true, U"", "синус", "", "sin(",
     "Ctrl+S", "синус"},
    {Key::Cos, "CommandButton19", "cos", CommandButton19_Click, true, U"", "косинус", "", "cos(",
     "Ctrl+O", "косинус"},
    {Key::Tan, "Command8", "tan", Command8_Click, true, U"", "тангенс", "", "tan(", "Ctrl+T",
     "тангенс"},
    {Key::Cotan, "Command9", "cotan", Command9_Click, true, U"", "котангенс", "", "cotan(",
     "Ctrl+N", "котангенс"},
    {Key::Asin, "Command11", "asin", Command11_Click, true, U"", "аркуссинус", "", "asin(",
     "Ctrl+Shift+S", "аркуссинус"},
    {Key::Acos, "Command12", "acos", Command12_Click, true, U"", "аркускосинус", "", "acos(",
     "Ctrl+Shift+O", "аркускосинус"},
    {Key::Atan, "Command13", "atan", Command13_Click, true, U"", "аркустангенс", "", "atan(",
     "Ctrl+Shift+T", "аркустангенс"},
    {Key::OpenParen, "CommandButton18", "(", CommandButton18_Click, true, U"(", "отваряща скоба",
     "("},
    {Key::CloseParen, "CommandButton17", ")", CommandButton17_Click, true, U")", "затваряща скоба",
     ")"},
    {Key::Backspace, "Command6", "bs", Command6_Click, true, U"", "изтриване на последния знак",
     "Backspace"},
    {Key::Clear, "butonC", "C", butonC_Click, true, U"", "изчистване", "Esc"},
    {Key::MemoryStore, "CommandButton22", "M", CommandButton22_Click, true, U"",
     "запомняне на резултата", "", "", "Ctrl+M", "M: запомняне на резултата"},
    {Key::MemoryRecall, "CommandButton23", "MR", CommandButton23_Click, true, U"",
     "извикване от паметта", "", "", "Ctrl+R", "MR: извикване от паметта"},
    {Key::MemoryClear, "Command1", "MC", Command1_Click, true, U"", "изчистване на паметта", "", "",
     "Ctrl+L", "MC: изчистване на паметта"},
    {Key::X, "Command2", "X", Command2_Click, true, U"xX", "променлива x", "x"},
    {Key::XEquals, "Command7", "X=", Command7_Click, true, U"", "стойност на x", "", "", "Ctrl+X",
     "„X =“: стойност на x"},
    {Key::XClear, "Command14", "XC", Command14_Click, true, U"", "изчистване на стойността на x",
     "", "", "Ctrl+Shift+X", "XC: изчистване на стойността на x"},
    {Key::Equals, "Ravno", "=", equals, true, U"=", "равно", "Enter или ="},
    {Key::Equals2, "Command5", "=2", equals2, true, U"", "равно", "Enter или ="},
    {Key::Help, "Command15", "help", menu<&Form1::Command15_Click>, false, U"", "ръководство", "",
     "", "F1", "ръководство (помощният файл)"},
    {Key::Radians, "", "rad", unit<0>, true, U""},
    // Ctrl+D switches the unit: it presses Radians while degrees are chosen (keyForShortcut).
    {Key::Degrees, "", "deg", unit<1>, true, U"", "", "", "", "Ctrl+D", "градуси или радиани"},
    {Key::Round0, "", "round:0", roundTo<0>, false, U"", "", "", "", "Ctrl+0",
     "закръгляне до цяло число"},
    {Key::Round1, "", "round:1", roundTo<1>, false, U"", "", "", "", "Ctrl+1",
     "1 цифра след запетаята"},
    {Key::Round2, "", "round:2", roundTo<2>, false, U"", "", "", "", "Ctrl+2",
     "2 цифри след запетаята"},
    {Key::Round3, "", "round:3", roundTo<3>, false, U"", "", "", "", "Ctrl+3",
     "3 цифри след запетаята"},
    {Key::Round4, "", "round:4", roundTo<4>, false, U"", "", "", "", "Ctrl+4",
     "4 цифри след запетаята"},
    {Key::Round5, "", "round:5", roundTo<5>, false, U"", "", "", "", "Ctrl+5",
     "5 цифри след запетаята"},
    {Key::Round6, "", "round:6", roundTo<6>, false, U"", "", "", "", "Ctrl+6",
     "6 цифри след запетаята"},
    {Key::Round7, "", "round:7", roundTo<7>, false, U"", "", "", "", "Ctrl+7",
     "7 цифри след запетаята"},
    {Key::MenuRaund, "Raund", "menu:Raund", menu<&Form1::Raund_Click>, false, U"", "", "", "",
     "Ctrl+Shift+R", "списък „Брой на цифрите след десетичната запетая“"},
    {Key::MenuKomEkran, "KomEkran", "menu:KomEkran", menu<&Form1::KomEkran_Click>, false, U"", "",
     "", "", "Ctrl+Shift+K", "компютърен запис на екрана"},
    {Key::MenuCopEkran, "CopEkran", "menu:CopEkran", menu<&Form1::CopEkran_Click>, false, U"", "",
     "", "", "Ctrl+Shift+C", "копиране на израза"},
    {Key::MenuCopRez, "CopRez", "menu:CopRez", menu<&Form1::CopRez_Click>, false, U"", "", "", "",
     "Ctrl+C", "копиране на резултата"},
    {Key::MenuPostavyane, "Postavyane", "menu:Postavyane", pasteClipboard, false, U"", "", "", "",
     "Ctrl+V", "поставяне на текст от клипборда"},
    {Key::MenuTF, "TF", "menu:TF", menu<&Form1::TF_Click>, false, U"", "", "", "", "Ctrl+F",
     "допълнителни функции"},
    {Key::MenuStepen, "Stepen", "menu:Stepen", menu<&Form1::Stepen_Click>, false, U"", "", "", "",
     "F2", "помощ: повдигане на степен"},
    {Key::MenuFFun, "FFun", "menu:FFun", menu<&Form1::FFun_Click>, false, U"", "", "", "", "F3",
     "помощ: пресмятане на функция"},
    {Key::MenuKolektiv, "Kolektiv", "menu:Kolektiv", menu<&Form1::Kolektiv_Click>, false, U"", "",
     "", "", "F4", "„Колектив“"},
    {Key::MenuGrafika, "Grafika", "menu:Grafika", menu<&Form1::Command3_Click>, false, U"", "", "",
     "", "Ctrl+G", "графика на функцията"},
    {Key::MenuIstoria, "Istoria", "menu:Istoria", menu<&Form1::Istoria_Click>, false, U"", "", "",
     "", "Ctrl+H", "история на изчисленията"},
    {Key::MenuPreview, "Preview", "menu:Preview", menu<&Form1::Preview_Click>, false, U"", "", "",
     "", ""},
    {Key::HistoryBack, "", "up", historyBack, true, U""},
    {Key::HistoryForward, "", "down", historyForward, true, U""},
    {Key::Tick1, "Timer1", "tick1", tick1, false, U""},
    {Key::Tick2, "Timer2", "tick2", tick2, false, U""},
}};

constexpr bool inKeyOrder() {
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i].key != static_cast<Key>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(inKeyOrder(), "one row per Key, in the order of Key");

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
    row.handler(form);
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
