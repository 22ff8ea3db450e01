#include "keypad/shortcuts.h"

#include <array>

namespace numira {

namespace {

struct Entry {
    Shortcut shortcut;
    Key key;  // for "Ctrl+D" the key while radians are chosen
};

constexpr std::array kEntries{
    Entry{{"Ctrl+D", "градуси или радиани"}, Key::Degrees},
    Entry{{"Ctrl+0", "закръгляне до цяло число"}, Key::Round0},
    Entry{{"Ctrl+1", "1 цифра след запетаята"}, Key::Round1},
    Entry{{"Ctrl+2", "2 цифри след запетаята"}, Key::Round2},
    Entry{{"Ctrl+3", "3 цифри след запетаята"}, Key::Round3},
    Entry{{"Ctrl+4", "4 цифри след запетаята"}, Key::Round4},
    Entry{{"Ctrl+5", "5 цифри след запетаята"}, Key::Round5},
    Entry{{"Ctrl+6", "6 цифри след запетаята"}, Key::Round6},
    Entry{{"Ctrl+7", "7 цифри след запетаята"}, Key::Round7},
    Entry{{"Ctrl+M", "M: запомняне на резултата"}, Key::MemoryStore},
    Entry{{"Ctrl+R", "MR: извикване от паметта"}, Key::MemoryRecall},
    Entry{{"Ctrl+L", "MC: изчистване на паметта"}, Key::MemoryClear},
    Entry{{"Ctrl+X", "„X =“: стойност на x"}, Key::XEquals},
    Entry{{"Ctrl+Shift+X", "XC: изчистване на стойността на x"}, Key::XClear},
    Entry{{"Ctrl+K", "корен квадратен"}, Key::Sqrt},
    Entry{{"Ctrl+S", "синус"}, Key::Sin},
    Entry{{"Ctrl+O", "косинус"}, Key::Cos},
    Entry{{"Ctrl+T", "тангенс"}, Key::Tan},
    Entry{{"Ctrl+N", "котангенс"}, Key::Cotan},
    Entry{{"Ctrl+Shift+S", "аркуссинус"}, Key::Asin},
    Entry{{"Ctrl+Shift+O", "аркускосинус"}, Key::Acos},
    Entry{{"Ctrl+Shift+T", "аркустангенс"}, Key::Atan},
    Entry{{"Ctrl+F", "допълнителни функции"}, Key::MenuTF},
    Entry{{"Ctrl+G", "графика на функцията"}, Key::MenuGrafika},
    Entry{{"Ctrl+Shift+K", "компютърен запис на екрана"}, Key::MenuKomEkran},
    Entry{{"Ctrl+Shift+C", "копиране на израза"}, Key::MenuCopEkran},
    Entry{{"Ctrl+C", "копиране на резултата"}, Key::MenuCopRez},
    Entry{{"Ctrl+Shift+R", "списък „Брой на цифрите след десетичната запетая“"}, Key::MenuRaund},
    Entry{{"F2", "помощ: повдигане на степен"}, Key::MenuStepen},
    Entry{{"F3", "помощ: пресмятане на функция"}, Key::MenuFFun},
    Entry{{"F4", "„Колектив“"}, Key::MenuKolektiv},
    Entry{{"Ctrl+H", "история на изчисленията"}, Key::MenuIstoria},
};

constexpr std::array<Shortcut, kEntries.size()> shortcutList() {
    std::array<Shortcut, kEntries.size()> list{};
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        list[i] = kEntries[i].shortcut;
    }
    return list;
}

constexpr auto kShortcuts = shortcutList();

}  // namespace

std::span<const Shortcut> shortcuts() {
    return kShortcuts;
}

std::optional<Key> keyForShortcut(const Form1& form, std::string_view sequence) {
    for (const Entry& entry : kEntries) {
        if (entry.shortcut.sequence != sequence) {
            continue;
        }
        if (entry.key == Key::Degrees && form.Gradusi.listIndex == 1) {
            return Key::Radians;
        }
        return entry.key;
    }
    return std::nullopt;
}

Key keyForEscape(const Form1& form) {
    if (form.Izbor.visible && form.Izbor.listIndex >= 0 && form.Izbor.listIndex <= 7) {
        return static_cast<Key>(static_cast<int>(Key::Round0) + form.Izbor.listIndex);
    }
    return Key::Clear;
}

std::string_view shortcutForKey(Key key) {
    const Key wanted = key == Key::Radians ? Key::Degrees : key;
    for (const Entry& entry : kEntries) {
        if (entry.key == wanted) {
            return entry.shortcut.sequence;
        }
    }
    return {};
}

}  // namespace numira
