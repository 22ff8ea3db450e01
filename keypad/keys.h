#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "window/form1.h"
#include "window/platform.h"

namespace numira {

// Every event a user can cause: the keys by what they do, the choices of the two combo
// boxes, the menu items and the two timer ticks.
enum class Key {
    D0,
    D1,
    D2,
    D3,
    D4,
    D5,
    D6,
    D7,
    D8,
    D9,
    Comma,
    Pi,
    E,  // the constant e (keyboard and paste only; no button)
    Plus,
    Minus,
    Times,
    Colon,
    Slash,
    Power,
    Sqrt,
    Sin,
    Cos,
    Tan,
    Cotan,
    Asin,
    Acos,
    Atan,
    OpenParen,
    CloseParen,
    Backspace,
    Clear,
    MemoryStore,
    MemoryRecall,
    MemoryClear,
    X,
    XEquals,
    XClear,
    Equals,   // Ravno
    Equals2,  // Command5
    Help,     // Command15, "S / V"
    Radians,
    Degrees,
    Round0,
    Round1,
    Round2,
    Round3,
    Round4,
    Round5,
    Round6,
    Round7,
    MenuRaund,
    MenuKomEkran,
    MenuCopEkran,
    MenuCopRez,
    MenuTF,
    MenuStepen,
    MenuFFun,
    MenuKolektiv,
    MenuGrafika,  // Command3, "Графика на функцията"
    // "История на изчисленията"; the walk through the history: the previous expression into
    // the box (keyboard Up), the next one or an empty box after the newest (keyboard Down).
    MenuIstoria,
    HistoryBack,
    HistoryForward,
    Tick1,
    Tick2,
};

// Runs the handler of `key` on the window, then delivers the keystrokes it queued. The
// failure mark of the last "=" is cleared by every key of the keypad and by a unit choice.
// A tick of a disabled timer does nothing.
void press(Form1& form, Platform& platform, Key key);

// The key of a control or menu item by its name ("b1", "CommandButton21", "Ravno",
// "Gradusi" has none: use Radians/Degrees). Nothing for an unknown name.
std::optional<Key> keyForControl(std::string_view name);

// The key of a command-line name: "0".."9", ",", "pi", "e", "+", "-", "*", ":", "/", "^",
// "sqrt", "sin", "cos", "tan", "cotan", "asin", "acos", "atan", "(", ")", "bs", "C", "M",
// "MR", "MC", "X", "X=", "XC", "=", "=2", "rad", "deg", "round:N" (N 0 to 7), "menu:NAME",
// "help", "tick1", "tick2", "up", "down" (the history walk), and every control name
// keyForControl knows.
std::optional<Key> keyForName(std::string_view name);

// The command-line name of a key (the first of its names).
std::string_view keyName(Key key);

}  // namespace numira
