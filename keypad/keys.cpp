// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/keys.h"

#include <array>
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

// Key, control, command-line name, text, handler (none for a key that only types its text),
// clears the failure mark, typed characters; the hint (name, keyboard, paste text) and the
// shortcut (sequence, meaning) where it has them.
constexpr std::array<KeyRow, static_cast<std::size_t>(Key::Tick2) + 1> kKeys{{
    {Key::D0, "CommandButton2", "0", operand("0"), nullptr, true, U"0", "нула", "0"},
    {Key::D1, "b1", "1", operand("1"), nullptr, true, U"1", "едно", "1"},
    {Key::D2, "Commandbutton1", "2", operand("2"), nullptr, true, U"2", "две", "2"},
    {Key::D3, "CommandButton10", "3", operand("3"), nullptr, true, U"3", "три", "3"},
    {Key::D4, "CommandButton9", "4", operand("4"), nullptr, true, U"4", "четири", "4"},
    {Key::D5, "CommandButton8", "5", operand("5"), nullptr, true, U"5", "пет", "5"},
    {Key::D6, "CommandButton7", "6", operand("6"), nullptr, true, U"6", "шест", "6"},
    {Key::D7, "CommandButton6", "7", operand("7"), nullptr, true, U"7", "седем", "7"},
    {Key::D8, "CommandButton5", "8", operand("8"), nullptr, true, U"8", "осем", "8"},
    {Key::D9, "CommandButton4", "9", operand("9"), nullptr, true, U"9", "девет", "9"},
    {Key::Comma, "CommandButton3", ",", operand(",", "."), nullptr, true, U",.",
     "десетична запетая", ", или ."},
    {Key::Pi, "Command10", "pi", operand("pi"), nullptr, true, U"p\u03C0", "пи", "p"},
    {Key::E, "", "e", operand("e"), nullptr, true, U"e"},
    {Key::Plus, "CommandButton11", "+", operation("+"), nullptr, true, U"+", "плюс", "+"},
    {Key::Minus, "CommandButton12", "-", operation("-"), nullptr, true, U"-", "минус", "-"},
    {Key::Times, "CommandButton13", "*", operation(".", "*"), nullptr, true, U"*\u00D7\u00B7",
     "умножение", "*"},
    {Key::Colon, "CommandButton14", ":", operation(":", "/"), nullptr, true, U":\u00F7", "деление",
     ":"},
    {Key::Slash, "Command4", "/", operation("/"), nullptr, true, U"/", "деление с наклонена черта",
     "/"},
    {Key::Power, "CommandButton21", "^", kNoText, CommandButton21_Click, true, U"^", "степен", "^"},
    {Key::Sqrt, "CommandButton16", "sqrt", function("SQRT", "SQRT"), nullptr, true, U"\u221A",
     "корен квадратен", "", "√ или sqrt(", "Ctrl+K", "корен квадратен"},
    {Key::Sin, "CommandButton20", "sin", function("Sin", "SIN"), nullptr, true, U"", "синус", "",
     "sin(", "Ctrl+S", "синус"},
    {Key::Cos, "CommandButton19", "cos", function("Cos", "COS"), nullptr, true, U"", "косинус", "",
     "cos(", "Ctrl+O", "косинус"},
    {Key::Tan, "Command8", "tan", function("Tan", "TAN"), nullptr, true, U"", "тангенс", "", "tan(",
     "Ctrl+T", "тангенс"},
    {Key::Cotan, "Command9", "cotan", function("Cotan", "COTAN"), nullptr, true, U"", "котангенс",
     "", "cotan(", "Ctrl+N", "котангенс"},
    {Key::Asin, "Command11", "asin", function("Asin", "Asin"), nullptr, true, U"", "аркуссинус", "",
     "asin(", "Ctrl+Shift+S", "аркуссинус"},
    {Key::Acos, "Command12", "acos", function("Acos", "Acos"), nullptr, true, U"", "аркускосинус",
     "", "acos(", "Ctrl+Shift+O", "аркускосинус"},
    {Key::Atan, "Command13", "atan", function("Atan", "Atan"), nullptr, true, U"", "аркустангенс",
     "", "atan(", "Ctrl+Shift+T", "аркустангенс"},
    {Key::OpenParen, "CommandButton18", "(", parenthesis("("), CommandButton18_Click, true, U"(",
     "отваряща скоба", "("},
    {Key::CloseParen, "CommandButton17", ")", parenthesis(")"), CommandButton17_Click, true, U")",
     "затваряща скоба", ")"},
    {Key::Backspace, "Command6", "bs", kNoText, Command6_Click, true, U"",
     "изтриване на последния знак", "Backspace"},
    {Key::Clear, "butonC", "C", kNoText, butonC_Click, true, U"", "изчистване", "Esc"},
    {Key::MemoryStore, "CommandButton22", "M", kNoText, CommandButton22_Click, true, U"",
     "запомняне на резултата", "", "", "Ctrl+M", "M: запомняне на резултата"},
    {Key::MemoryRecall, "CommandButton23", "MR", kNoText, CommandButton23_Click, true, U"",
     "извикване от паметта", "", "", "Ctrl+R", "MR: извикване от паметта"},
    {Key::MemoryClear, "Command1", "MC", kNoText, Command1_Click, true, U"",
     "изчистване на паметта", "", "", "Ctrl+L", "MC: изчистване на паметта"},
    {Key::X, "Command2", "X", operand("x"), Command2_Click, true, U"xX", "променлива x", "x"},
    {Key::XEquals, "Command7", "X=", kNoText, Command7_Click, true, U"", "стойност на x", "", "",
     "Ctrl+X", "„X =“: стойност на x"},
    {Key::XClear, "Command14", "XC", kNoText, Command14_Click, true, U"",
     "изчистване на стойността на x", "", "", "Ctrl+Shift+X", "XC: изчистване на стойността на x"},
    {Key::Equals, "Ravno", "=", kNoText, equals, true, U"=", "равно", "Enter или ="},
    {Key::Equals2, "Command5", "=2", kNoText, equals2, true, U"", "равно", "Enter или ="},
    {Key::Help, "Command15", "help", kNoText, menu<&Form1::Command15_Click>, false, U"",
     "ръководство", "", "", "F1", "ръководство (помощният файл)"},
    {Key::Radians, "", "rad", kNoText, unit<0>, true, U""},
    // Ctrl+D switches the unit: it presses Radians while degrees are chosen (keyForShortcut).
    {Key::Degrees, "", "deg", kNoText, unit<1>, true, U"", "", "", "", "Ctrl+D",
     "градуси или радиани"},
    {Key::Round0, "", "round:0", kNoText, roundTo<0>, false, U"", "", "", "", "Ctrl+0",
     "закръгляне до цяло число"},
    {Key::Round1, "", "round:1", kNoText, roundTo<1>, false, U"", "", "", "", "Ctrl+1",
     "1 цифра след запетаята"},
    {Key::Round2, "", "round:2", kNoText, roundTo<2>, false, U"", "", "", "", "Ctrl+2",
     "2 цифри след запетаята"},
    {Key::Round3, "", "round:3", kNoText, roundTo<3>, false, U"", "", "", "", "Ctrl+3",
     "3 цифри след запетаята"},
    {Key::Round4, "", "round:4", kNoText, roundTo<4>, false, U"", "", "", "", "Ctrl+4",
     "4 цифри след запетаята"},
    {Key::Round5, "", "round:5", kNoText, roundTo<5>, false, U"", "", "", "", "Ctrl+5",
     "5 цифри след запетаята"},
    {Key::Round6, "", "round:6", kNoText, roundTo<6>, false, U"", "", "", "", "Ctrl+6",
     "6 цифри след запетаята"},
    {Key::Round7, "", "round:7", kNoText, roundTo<7>, false, U"", "", "", "", "Ctrl+7",
     "7 цифри след запетаята"},
    {Key::MenuRaund, "Raund", "menu:Raund", kNoText, menu<&Form1::Raund_Click>, false, U"", "", "",
     "", "Ctrl+Shift+R", "списък „Брой на цифрите след десетичната запетая“"},
    {Key::MenuKomEkran, "KomEkran", "menu:KomEkran", kNoText, menu<&Form1::KomEkran_Click>, false,
     U"", "", "", "", "Ctrl+Shift+K", "компютърен запис на екрана"},
    {Key::MenuCopEkran, "CopEkran", "menu:CopEkran", kNoText, menu<&Form1::CopEkran_Click>, false,
     U"", "", "", "", "Ctrl+Shift+C", "копиране на израза"},
    {Key::MenuCopRez, "CopRez", "menu:CopRez", kNoText, menu<&Form1::CopRez_Click>, false, U"", "",
     "", "", "Ctrl+C", "копиране на резултата"},
    {Key::MenuPostavyane, "Postavyane", "menu:Postavyane", kNoText, pasteClipboard, false, U"", "",
     "", "", "Ctrl+V", "поставяне на текст от клипборда"},
    {Key::MenuTF, "TF", "menu:TF", kNoText, menu<&Form1::TF_Click>, false, U"", "", "", "",
     "Ctrl+F", "допълнителни функции"},
    {Key::MenuStepen, "Stepen", "menu:Stepen", kNoText, menu<&Form1::Stepen_Click>, false, U"", "",
     "", "", "F2", "помощ: повдигане на степен"},
    {Key::MenuFFun, "FFun", "menu:FFun", kNoText, menu<&Form1::FFun_Click>, false, U"", "", "", "",
     "F3", "помощ: пресмятане на функция"},
    {Key::MenuKolektiv, "Kolektiv", "menu:Kolektiv", kNoText, menu<&Form1::Kolektiv_Click>, false,
     U"", "", "", "", "F4", "„Колектив“"},
    {Key::MenuGrafika, "Grafika", "menu:Grafika", kNoText, menu<&Form1::Command3_Click>, false, U"",
     "", "", "", "Ctrl+G", "графика на функцията"},
    {Key::MenuIstoria, "Istoria", "menu:Istoria", kNoText, menu<&Form1::Istoria_Click>, false, U"",
     "", "", "", "Ctrl+H", "история на изчисленията"},
    {Key::MenuPreview, "Preview", "menu:Preview", kNoText, menu<&Form1::Preview_Click>, false, U"",
     "", "", "", ""},
    {Key::HistoryBack, "", "up", kNoText, historyBack, true, U""},
    {Key::HistoryForward, "", "down", kNoText, historyForward, true, U""},
    {Key::Tick1, "Timer1", "tick1", kNoText, tick1, false, U""},
    {Key::Tick2, "Timer2", "tick2", kNoText, tick2, false, U""},
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
