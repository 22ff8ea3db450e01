#include "keypad/keys.h"

#include <array>
#include <utility>

#include "keypad/entry.h"
#include "keypad/history_keys.h"

namespace numira {

namespace {

struct Name {
    std::string_view name;
    Key key;
};

// Command-line names first: keyName() returns the first name of a key.
constexpr std::array kCliNames{
    Name{"0", Key::D0},
    Name{"1", Key::D1},
    Name{"2", Key::D2},
    Name{"3", Key::D3},
    Name{"4", Key::D4},
    Name{"5", Key::D5},
    Name{"6", Key::D6},
    Name{"7", Key::D7},
    Name{"8", Key::D8},
    Name{"9", Key::D9},
    Name{",", Key::Comma},
    Name{"pi", Key::Pi},
    Name{"e", Key::E},
    Name{"+", Key::Plus},
    Name{"-", Key::Minus},
    Name{"*", Key::Times},
    Name{":", Key::Colon},
    Name{"/", Key::Slash},
    Name{"^", Key::Power},
    Name{"sqrt", Key::Sqrt},
    Name{"sin", Key::Sin},
    Name{"cos", Key::Cos},
    Name{"tan", Key::Tan},
    Name{"cotan", Key::Cotan},
    Name{"asin", Key::Asin},
    Name{"acos", Key::Acos},
    Name{"atan", Key::Atan},
    Name{"(", Key::OpenParen},
    Name{")", Key::CloseParen},
    Name{"bs", Key::Backspace},
    Name{"C", Key::Clear},
    Name{"M", Key::MemoryStore},
    Name{"MR", Key::MemoryRecall},
    Name{"MC", Key::MemoryClear},
    Name{"X", Key::X},
    Name{"X=", Key::XEquals},
    Name{"XC", Key::XClear},
    Name{"=", Key::Equals},
    Name{"=2", Key::Equals2},
    Name{"help", Key::Help},
    Name{"rad", Key::Radians},
    Name{"deg", Key::Degrees},
    Name{"round:0", Key::Round0},
    Name{"round:1", Key::Round1},
    Name{"round:2", Key::Round2},
    Name{"round:3", Key::Round3},
    Name{"round:4", Key::Round4},
    Name{"round:5", Key::Round5},
    Name{"round:6", Key::Round6},
    Name{"round:7", Key::Round7},
    Name{"menu:Raund", Key::MenuRaund},
    Name{"menu:KomEkran", Key::MenuKomEkran},
    Name{"menu:CopEkran", Key::MenuCopEkran},
    Name{"menu:CopRez", Key::MenuCopRez},
    Name{"menu:TF", Key::MenuTF},
    Name{"menu:Stepen", Key::MenuStepen},
    Name{"menu:FFun", Key::MenuFFun},
    Name{"menu:Kolektiv", Key::MenuKolektiv},
    Name{"menu:Grafika", Key::MenuGrafika},
    Name{"menu:Istoria", Key::MenuIstoria},
    Name{"tick1", Key::Tick1},
    Name{"tick2", Key::Tick2},
    Name{"up", Key::HistoryBack},
    Name{"down", Key::HistoryForward},
};

constexpr std::array kControlNames{
    Name{"CommandButton2", Key::D0},
    Name{"b1", Key::D1},
    Name{"Commandbutton1", Key::D2},
    Name{"CommandButton10", Key::D3},
    Name{"CommandButton9", Key::D4},
    Name{"CommandButton8", Key::D5},
    Name{"CommandButton7", Key::D6},
    Name{"CommandButton6", Key::D7},
    Name{"CommandButton5", Key::D8},
    Name{"CommandButton4", Key::D9},
    Name{"CommandButton3", Key::Comma},
    Name{"Command10", Key::Pi},
    Name{"CommandButton11", Key::Plus},
    Name{"CommandButton12", Key::Minus},
    Name{"CommandButton13", Key::Times},
    Name{"CommandButton14", Key::Colon},
    Name{"Command4", Key::Slash},
    Name{"CommandButton21", Key::Power},
    Name{"CommandButton16", Key::Sqrt},
    Name{"CommandButton20", Key::Sin},
    Name{"CommandButton19", Key::Cos},
    Name{"Command8", Key::Tan},
    Name{"Command9", Key::Cotan},
    Name{"Command11", Key::Asin},
    Name{"Command12", Key::Acos},
    Name{"Command13", Key::Atan},
    Name{"CommandButton18", Key::OpenParen},
    Name{"CommandButton17", Key::CloseParen},
    Name{"Command6", Key::Backspace},
    Name{"butonC", Key::Clear},
    Name{"CommandButton22", Key::MemoryStore},
    Name{"CommandButton23", Key::MemoryRecall},
    Name{"Command1", Key::MemoryClear},
    Name{"Command2", Key::X},
    Name{"Command7", Key::XEquals},
    Name{"Command14", Key::XClear},
    Name{"Ravno", Key::Equals},
    Name{"Command5", Key::Equals2},
    Name{"Command15", Key::Help},
    Name{"Raund", Key::MenuRaund},
    Name{"KomEkran", Key::MenuKomEkran},
    Name{"CopEkran", Key::MenuCopEkran},
    Name{"CopRez", Key::MenuCopRez},
    Name{"TF", Key::MenuTF},
    Name{"Stepen", Key::MenuStepen},
    Name{"FFun", Key::MenuFFun},
    Name{"Kolektiv", Key::MenuKolektiv},
    Name{"Grafika", Key::MenuGrafika},
    Name{"Command3", Key::MenuGrafika},
    Name{"Istoria", Key::MenuIstoria},
    Name{"Timer1", Key::Tick1},
    Name{"Timer2", Key::Tick2},
};

template <std::size_t N>
std::optional<Key> find(const std::array<Name, N>& table, std::string_view name) {
    for (const Name& n : table) {
        if (n.name == name) {
            return n.key;
        }
    }
    return std::nullopt;
}

// Keys whose press removes the failure mark of the last "=": everything a user presses on
// the keypad, and the angle unit, which evaluates again.
bool clearsFailure(Key key) {
    switch (key) {
        case Key::Round0:
        case Key::Round1:
        case Key::Round2:
        case Key::Round3:
        case Key::Round4:
        case Key::Round5:
        case Key::Round6:
        case Key::Round7:
        case Key::MenuRaund:
        case Key::MenuKomEkran:
        case Key::MenuCopEkran:
        case Key::MenuCopRez:
        case Key::MenuTF:
        case Key::MenuStepen:
        case Key::MenuFFun:
        case Key::MenuKolektiv:
        case Key::MenuGrafika:
        case Key::MenuIstoria:
        case Key::Help:
        case Key::Tick1:
        case Key::Tick2:
            return false;
        default:
            return true;
    }
}

void run(Form1& f, Key key) {
    switch (key) {
        case Key::D0:
            CommandButton2_Click(f);
            break;
        case Key::D1:
            b1_Click(f);
            break;
        case Key::D2:
            Commandbutton1_Click(f);
            break;
        case Key::D3:
            CommandButton10_Click(f);
            break;
        case Key::D4:
            CommandButton9_Click(f);
            break;
        case Key::D5:
            CommandButton8_Click(f);
            break;
        case Key::D6:
            CommandButton7_Click(f);
            break;
        case Key::D7:
            CommandButton6_Click(f);
            break;
        case Key::D8:
            CommandButton5_Click(f);
            break;
        case Key::D9:
            CommandButton4_Click(f);
            break;
        case Key::Comma:
            CommandButton3_Click(f);
            break;
        case Key::Pi:
            Command10_Click(f);
            break;
        case Key::E:
            eKey_Click(f);
            break;
        case Key::Plus:
            CommandButton11_Click(f);
            break;
        case Key::Minus:
            CommandButton12_Click(f);
            break;
        case Key::Times:
            CommandButton13_Click(f);
            break;
        case Key::Colon:
            CommandButton14_Click(f);
            break;
        case Key::Slash:
            Command4_Click(f);
            break;
        case Key::Power:
            CommandButton21_Click(f);
            break;
        case Key::Sqrt:
            CommandButton16_Click(f);
            break;
        case Key::Sin:
            CommandButton20_Click(f);
            break;
        case Key::Cos:
            CommandButton19_Click(f);
            break;
        case Key::Tan:
            Command8_Click(f);
            break;
        case Key::Cotan:
            Command9_Click(f);
            break;
        case Key::Asin:
            Command11_Click(f);
            break;
        case Key::Acos:
            Command12_Click(f);
            break;
        case Key::Atan:
            Command13_Click(f);
            break;
        case Key::OpenParen:
            CommandButton18_Click(f);
            break;
        case Key::CloseParen:
            CommandButton17_Click(f);
            break;
        case Key::Backspace:
            Command6_Click(f);
            break;
        case Key::Clear:
            butonC_Click(f);
            break;
        case Key::MemoryStore:
            CommandButton22_Click(f);
            break;
        case Key::MemoryRecall:
            CommandButton23_Click(f);
            break;
        case Key::MemoryClear:
            Command1_Click(f);
            break;
        case Key::X:
            Command2_Click(f);
            break;
        case Key::XEquals:
            Command7_Click(f);
            break;
        case Key::XClear:
            Command14_Click(f);
            break;
        case Key::Equals:
            closeOpenParens(f);
            f.Ravno_Click();
            break;
        case Key::Equals2:
            closeOpenParens(f);
            f.Command5_Click();
            break;
        case Key::Help:
            f.Command15_Click();
            break;
        case Key::Radians:
            f.selectGradusi(0);
            break;
        case Key::Degrees:
            f.selectGradusi(1);
            break;
        case Key::Round0:
        case Key::Round1:
        case Key::Round2:
        case Key::Round3:
        case Key::Round4:
        case Key::Round5:
        case Key::Round6:
        case Key::Round7:
            f.selectIzbor(static_cast<int>(key) - static_cast<int>(Key::Round0));
            break;
        case Key::MenuRaund:
            f.Raund_Click();
            break;
        case Key::MenuKomEkran:
            f.KomEkran_Click();
            break;
        case Key::MenuCopEkran:
            f.CopEkran_Click();
            break;
        case Key::MenuCopRez:
            f.CopRez_Click();
            break;
        case Key::MenuTF:
            f.TF_Click();
            break;
        case Key::MenuStepen:
            f.Stepen_Click();
            break;
        case Key::MenuFFun:
            f.FFun_Click();
            break;
        case Key::MenuKolektiv:
            f.Kolektiv_Click();
            break;
        case Key::MenuGrafika:
            f.Command3_Click();
            break;
        case Key::MenuIstoria:
            f.Istoria_Click();
            break;
        case Key::HistoryBack:
            if (const auto n = f.history.stepBack()) {
                recallHistory(f, f.platform(), *n);
            }
            break;
        case Key::HistoryForward:
            if (f.history.walking()) {
                const auto n = f.history.stepForward();
                if (n) {
                    recallHistory(f, f.platform(), *n);
                } else {
                    press(f, f.platform(), Key::Clear);
                }
            }
            break;
        case Key::Tick1:
            if (f.Timer1.enabled) {
                f.Timer1_Timer();
            }
            break;
        case Key::Tick2:
            if (f.Timer2.enabled) {
                f.Timer2_Timer();
            }
            break;
    }
}

}  // namespace

void press(Form1& form, Platform& platform, Key key) {
    form.setPlatform(platform);
    if (clearsFailure(key)) {
        form.clearFailure();
    }
    run(form, key);
    form.processKeystrokes();
}

std::optional<Key> keyForControl(std::string_view name) {
    return find(kControlNames, name);
}

std::optional<Key> keyForName(std::string_view name) {
    if (auto key = find(kCliNames, name)) {
        return key;
    }
    return keyForControl(name);
}

std::string_view keyName(Key key) {
    for (const Name& n : kCliNames) {
        if (n.key == key) {
            return n.name;
        }
    }
    return {};
}

}  // namespace numira
