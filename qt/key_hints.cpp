#include "qt/key_hints.h"

#include <QStringList>
#include <array>

#include "keypad/shortcuts.h"

namespace numira {

namespace {

constexpr std::array kHints{
    KeyHint{"b1", "едно", "1", ""},
    KeyHint{"Commandbutton1", "две", "2", ""},
    KeyHint{"CommandButton10", "три", "3", ""},
    KeyHint{"CommandButton9", "четири", "4", ""},
    KeyHint{"CommandButton8", "пет", "5", ""},
    KeyHint{"CommandButton7", "шест", "6", ""},
    KeyHint{"CommandButton6", "седем", "7", ""},
    KeyHint{"CommandButton5", "осем", "8", ""},
    KeyHint{"CommandButton4", "девет", "9", ""},
    KeyHint{"CommandButton2", "нула", "0", ""},
    KeyHint{"CommandButton3", "десетична запетая", ", или .", ""},
    KeyHint{"Command10", "пи", "p", ""},
    KeyHint{"CommandButton11", "плюс", "+", ""},
    KeyHint{"CommandButton12", "минус", "-", ""},
    KeyHint{"CommandButton13", "умножение", "*", ""},
    KeyHint{"CommandButton14", "деление", ":", ""},
    KeyHint{"Command4", "деление с наклонена черта", "/", ""},
    KeyHint{"CommandButton21", "степен", "^", ""},
    KeyHint{"CommandButton16", "корен квадратен", "", "√ или sqrt("},
    KeyHint{"CommandButton18", "отваряща скоба", "(", ""},
    KeyHint{"CommandButton17", "затваряща скоба", ")", ""},
    KeyHint{"Command6", "изтриване на последния знак", "Backspace", ""},
    KeyHint{"butonC", "изчистване", "Esc", ""},
    KeyHint{"Ravno", "равно", "Enter или =", ""},
    KeyHint{"Command5", "равно", "Enter или =", ""},
    KeyHint{"CommandButton22", "запомняне на резултата", "", ""},
    KeyHint{"CommandButton23", "извикване от паметта", "", ""},
    KeyHint{"Command1", "изчистване на паметта", "", ""},
    KeyHint{"Command15", "помощ", "F1", ""},
    KeyHint{"CommandButton20", "синус", "", "sin("},
    KeyHint{"CommandButton19", "косинус", "", "cos("},
    KeyHint{"Command8", "тангенс", "", "tan("},
    KeyHint{"Command9", "котангенс", "", "cotan("},
    KeyHint{"Command11", "аркуссинус", "", "asin("},
    KeyHint{"Command12", "аркускосинус", "", "acos("},
    KeyHint{"Command13", "аркустангенс", "", "atan("},
    KeyHint{"Command2", "променлива x", "x", ""},
    KeyHint{"Command7", "стойност на x", "", ""},
    KeyHint{"Command14", "изчистване на стойността на x", "", ""},
};

}  // namespace

std::span<const KeyHint> keyHints() {
    return kHints;
}

const KeyHint* keyHint(const QString& control) {
    for (const KeyHint& hint : kHints) {
        if (control == QLatin1String(hint.control)) {
            return &hint;
        }
    }
    return nullptr;
}

QString keyToolTip(const KeyHint& hint) {
    const QString name = QString::fromUtf8(hint.name);
    const QString capitalised = name.left(1).toUpper() + name.mid(1);
    QStringList keys;
    if (*hint.keyboard != '\0') {
        keys << QString::fromUtf8(hint.keyboard);
    }
    if (const std::optional<Key> key = keyForControl(hint.control)) {
        const std::string_view shortcut = shortcutForKey(*key);
        if (!shortcut.empty()) {
            keys << QString::fromUtf8(shortcut.data(), static_cast<qsizetype>(shortcut.size()));
        }
    }
    if (!keys.isEmpty()) {
        return QStringLiteral("%1 — клавиатура: %2").arg(capitalised, keys.join(" или "));
    }
    if (*hint.pasteText != '\0') {
        return QStringLiteral("%1 — при поставяне (Ctrl+V): %2")
            .arg(capitalised, QString::fromUtf8(hint.pasteText));
    }
    return QStringLiteral("%1 — без клавиш на клавиатурата").arg(capitalised);
}

}  // namespace numira
