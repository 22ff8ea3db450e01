// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "window/form1.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/function_names.h"
#include "engine/open_parens.h"
#include "engine/result_caption.h"
#include "engine/words.h"
#include "window/copy_notation.h"

namespace numira {

namespace {

// A part of comp as the same part of t. The two spell an expression character for character,
// save the "^" that t shows as raised text; nothing when they do not.
std::optional<TextSpan> displaySpan(std::string_view engine, std::string_view display,
                                    std::optional<TextSpan> span) {
    const auto carets = [engine](std::size_t end) {
        return static_cast<std::size_t>(std::count(engine.begin(), engine.begin() + end, '^'));
    };
    if (!span || display.size() + carets(engine.size()) != engine.size()) {
        return std::nullopt;
    }
    return TextSpan{span->begin - carets(span->begin), span->end - carets(span->end)};
}

constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kPanelText{255, 255, 128};
constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{128, 255, 128};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kPink{255, 128, 128};

Font arial(float size) {
    return Font{"Arial", size, true};
}
Font sansSerif() {
    return Font{"MS Sans Serif", 8.25F, false};
}

Control makeControl(std::string name, ControlKind kind, Container container, Geometry g,
                    std::string caption, bool visible, std::optional<Rgb> background, Font font,
                    int tabIndex, Picture picture = Picture::None) {
    Control c;
    c.name = std::move(name);
    c.kind = kind;
    c.container = container;
    c.geometry = g;
    c.caption = std::move(caption);
    c.visible = visible;
    c.background = background;
    c.font = std::move(font);
    c.tabIndex = tabIndex;
    c.picture = picture;
    return c;
}

Control frame(std::string name, Geometry g, bool visible, std::optional<Rgb> foreground, Font font,
              int tabIndex) {
    Control c = makeControl(std::move(name), ControlKind::Frame, Container::Window, g, "", visible,
                            kGrey, std::move(font), tabIndex);
    c.foreground = foreground;
    return c;
}

Control label(std::string name, Geometry g, std::string caption, bool autoSize, int tabIndex) {
    Control c = makeControl(std::move(name), ControlKind::Label, Container::Window, g,
                            std::move(caption), false, std::nullopt, arial(12), tabIndex);
    c.autoSize = autoSize;
    return c;
}

Control pictureBox(std::string name, Picture picture, bool visible, int tabIndex) {
    return makeControl(std::move(name), ControlKind::PictureBox, Container::Window,
                       {1680, 120, 255, 255}, "", visible, std::nullopt, arial(8.25F), tabIndex,
                       picture);
}

// A picture box of a secondary window.
Control picture(std::string name, Geometry g) {
    return makeControl(std::move(name), ControlKind::PictureBox, Container::Window, g, "", true,
                       std::nullopt, arial(8.25F), -1);
}

Line line(std::string name, float x1, float y1, float x2, float y2) {
    return Line{std::move(name), x1, y1, x2, y2, true};
}

// Timer1 locks t and comp again this long after a key unlocked them; Timer2 lowers the
// typing level this long after a backspace out of an exponent.
constexpr int kRelockMs = 1000;
constexpr int kBackspaceDelayMs = 500;
// The room the box keeps after its text once the text has outgrown it.
constexpr float kBoxMargin = 250;

// The history panel and the gap above it add this much to the window's height.
constexpr float kHistoryGap = 120;
constexpr float kHistorySpace = HistoryPanel{}.geometry.height + kHistoryGap;

// Whether comp names a function whose angle the unit changes, in whatever case it was typed.
bool hasTrigonometry(std::string_view comp) {
    const auto lower = [](std::string_view text) {
        std::string out(text);
        for (char& c : out) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return out;
    };
    const std::string expression = lower(comp);
    return std::ranges::any_of(kFunctions, [&](const Function& f) {
        return f.angle != AngleAt::Nowhere &&
               expression.find(lower(f.name) + "(") != std::string::npos;
    });
}

// The keys' buttons in creation order, each frame's together. Command3, the function table's
// button, is the plain button of the system and stays hidden.
struct Button {
    std::string_view name;
    Container container;
    Geometry geometry;
    std::string_view caption;
    Rgb colour;
    float fontSize;
    int tabIndex;
    Picture picture = Picture::None;
};

constexpr Container kFrame2 = Container::Frame2;
constexpr Container kF2 = Container::F2;
constexpr Container kOnWindow = Container::Window;
constexpr Container kFrame1 = Container::Frame1;

const Button kButtons[] = {
    {"Command14", kFrame2, {1680, 200, 615, 375}, "XC", kOrange, 9.75F, 53},
    {"Command5", kFrame2, {2400, 200, 615, 375}, "=", kYellow, 14.25F, 44},
    {"Command2", kFrame2, {240, 200, 615, 375}, "X", kOrange, 9.75F, 43},
    {"Command7", kFrame2, {960, 200, 615, 375}, "X =", kOrange, 9.75F, 42},
    {"Command13", kF2, {1680, 680, 615, 375}, "Atan", kOrange, 9.75F, 51},
    {"Command12", kF2, {960, 680, 615, 375}, "Acos", kOrange, 9.75F, 50},
    {"Command11", kF2, {240, 680, 615, 375}, "Asin", kOrange, 9.75F, 49},
    {"Command9", kF2, {2400, 200, 735, 375}, "Cotan", kOrange, 9.75F, 48},
    {"Command8", kF2, {1680, 200, 615, 375}, "Tan", kOrange, 9.75F, 47},
    {"CommandButton19", kF2, {960, 200, 615, 375}, "Cos", kOrange, 9.75F, 40},
    {"CommandButton20", kF2, {240, 200, 615, 375}, "Sin", kOrange, 9.75F, 39},
    {"Command6", kOnWindow, {3000, 1080, 495, 375}, "", kRed, 8.25F, 31, Picture::Backspace},
    {"Command3", kOnWindow, {360, 7560, 855, 375}, "Графика", {}, 8.25F, 29},
    {"Command1", kOnWindow, {1800, 1080, 390, 375}, "MC", kGreen, 8.25F, 27},
    {"butonC", kOnWindow, {240, 1080, 495, 375}, "C", kRed, 9.75F, 23},
    {"CommandButton22", kOnWindow, {840, 1080, 375, 375}, "M", kGreen, 11.25F, 22},
    {"CommandButton23", kOnWindow, {1320, 1080, 390, 375}, "MR", kGreen, 8.25F, 21},
    {"CommandButton18", kOnWindow, {2280, 1080, 255, 375}, "(", kCyan, 9.75F, 20},
    {"CommandButton17", kOnWindow, {2640, 1080, 255, 375}, ")", kCyan, 9.75F, 19},
    {"Command15", kFrame1, {960, 2120, 615, 375}, "S / V", kOrange, 9.75F, 54},
    {"Command10", kFrame1, {240, 2120, 615, 375}, "pi", kOrange, 9.75F, 46},
    {"Command4", kFrame1, {2720, 200, 300, 375}, "", kYellow, 12.75F, 30, Picture::Slash},
    {"CommandButton16", kFrame1, {1680, 1640, 615, 375}, "", kOrange, 9.75F, 18, Picture::Radical},
    {"CommandButton21", kFrame1, {1680, 2120, 615, 375}, "", kOrange, 9.75F, 17, Picture::Power},
    {"CommandButton12", kFrame1, {2400, 1160, 615, 375}, "", kYellow, 9.75F, 16, Picture::Minus},
    {"CommandButton2", kFrame1, {240, 1640, 615, 375}, "0", kOrange, 9.75F, 15},
    {"CommandButton3", kFrame1, {960, 1640, 615, 375}, ",", kOrange, 9.75F, 14},
    {"Ravno", kFrame1, {2400, 2120, 615, 375}, "=", kYellow, 14.25F, 13},
    {"CommandButton11", kFrame1, {2400, 1640, 615, 375}, "", kYellow, 9.75F, 12, Picture::Plus},
    {"CommandButton10", kFrame1, {1680, 200, 615, 375}, "3", kOrange, 9.75F, 11},
    {"CommandButton14", kFrame1, {2400, 200, 300, 375}, "", kYellow, 12.75F, 10, Picture::Colon},
    {"CommandButton9", kFrame1, {240, 680, 615, 375}, "4", kOrange, 9.75F, 9},
    {"CommandButton8", kFrame1, {960, 680, 615, 375}, "5", kOrange, 9.75F, 8},
    {"CommandButton7", kFrame1, {1680, 680, 615, 375}, "6", kOrange, 9.75F, 7},
    {"CommandButton13", kFrame1, {2400, 680, 615, 375}, "", kYellow, 15.75F, 6, Picture::RaisedDot},
    {"CommandButton6", kFrame1, {240, 1160, 615, 375}, "7", kOrange, 9.75F, 5},
    {"CommandButton5", kFrame1, {960, 1160, 615, 375}, "8", kOrange, 9.75F, 4},
    {"CommandButton4", kFrame1, {1680, 1160, 615, 375}, "9", kOrange, 9.75F, 3},
    {"Commandbutton1", kFrame1, {960, 200, 615, 375}, "2", kOrange, 9.75F, 2},
    {"b1", kFrame1, {240, 200, 615, 375}, "1", kOrange, 9.75F, 1},
};

}  // namespace

Form1::Form1(Platform& platform) : m_platform(&platform) {
    Form3 = {"ПОМОЩ",
             SecondaryWindow::Place::BesideCalculator,
             false,
             9795,
             4680,
             {picture("PicS", {120, 120, 9540, 4425}), picture("Picff", {120, 120, 9540, 4425})}};
    Form2 = {
        "Творчески колектив",
        SecondaryWindow::Place::TopRight,
        false,
        8745,
        8040,
        {picture("Picture1", {0, 0, 8745, 4875}), picture("Picture2", {480, 5280, 7860, 2430})}};
    for (const Button& b : kButtons) {
        buttons.push_back(makeControl(std::string(b.name), ControlKind::Button, b.container,
                                      b.geometry, std::string(b.caption), true, b.colour,
                                      arial(b.fontSize), b.tabIndex, b.picture));
    }
    Control& graphButton = *control("Command3");
    graphButton.visible = false;
    graphButton.background.reset();
    graphButton.font = sansSerif();
    Timer2 = {"Timer2", false, kBackspaceDelayMs};
    Frame2 = frame("Frame2", {240, 5340, 3255, 620}, false, kPanelText, arial(9.75F), 41);
    F2 = frame("F2", {240, 4180, 3255, 1095}, false, kPanelText, arial(9.75F), 38);
    Gradusi.name = "Gradusi";
    Gradusi.container = Container::F2;
    Gradusi.entries = {std::string(word(Word::Radians)), std::string(word(Word::Degrees))};
    Gradusi.text = word(Word::Degrees);
    Gradusi.geometry = {2280, 720, 975, 315};
    Gradusi.background = kGrey;
    Gradusi.foreground = kPanelText;
    Gradusi.font = sansSerif();
    Gradusi.tabIndex = 45;
    comp = makeControl("comp", ControlKind::TextBox, Container::Window, {240, 360, 3255, 375}, "",
                       false, kPink, arial(9.75F), 37);
    comp.readOnly = true;
    Izbor.name = "Izbor";
    Izbor.entries = {"1", "0,1", "0,01", "0,001", "0,0001", "0,00001", "0,000001", "0,0000001"};
    Izbor.text = "Брой на цифрите след десетичната запетая";
    Izbor.visible = false;
    Izbor.geometry = {0, 0, 3735, 315};
    Izbor.font = sansSerif();
    Izbor.tabIndex = 36;
    Pic2 = pictureBox("Pic2", Picture::ArrowUp, false, 34);
    Pic1 = pictureBox("Pic1", Picture::ArrowDown, true, 33);
    t.geometry = {kBoxLeft, 360, 3255, 375};
    t.background = kPink;
    t.font = arial(12);
    t.tabIndex = 32;
    Timer1 = {"Timer1", true, kRelockMs};
    Frame1 = frame("Frame1", {240, 1575, 3255, 2550}, true, std::nullopt, sansSerif(), 0);
    Line6 = line("Line6", 230, 1550, 230, 5970);
    Line5 = line("Line5", 3500, 1540, 3500, 5970);
    Line4 = line("Line4", 240, 1545, 3480, 1545);
    Line3 = line("Line3", 240, 5970, 3480, 5970);
    Line2 = line("Line2", 240, 5295, 3480, 5295);
    Line1 = line("Line1", 240, 4140, 3480, 4140);
    // The value of x has the height of its caption "x =", so the two share a base line.
    Label4 = label("Label4", {600, 720, 60, 375}, "", true, 52);
    Label3 = label("Label3", {240, 720, 375, 375}, "x =", false, 35);
    // "Y=" stands in the margin left of the box, on the box's line, three pixels clear of the
    // window's edge and of the box's border: small enough to fit between them.
    Label2 = label("Label2", {45, 360, 190, 375}, "Y=", false, 28);
    Label2.font.size = 7.5F;
    L = label("L", {3360, 360, 120, 345}, "", true, 26);
    L.background = kPink;
    L.foreground = Rgb{0, 0, 0};
    tm = label("tm", {240, 360, 60, 285}, "", true, 25);
    tm.visible = true;
    tm.background = Rgb{0, 0, 0};
    tm.foreground = kYellow;
    Label1 = label("Label1", {240, 0, 60, 285}, "", true, 24);
    Label1.visible = true;
    for (Control* c : {&Label4, &L, &tm, &Label1}) {
        setCaption(*c, "");
    }

    menus = {
        {"OPCII",
         "Опции",
         {{"Raund", "Брой на цифрите след десетичната запетая", true, {}},
          {"KomEkran", std::string(word(Word::ShowComp)), true, {}},
          {"CopEkran", "Копиране на екрана", true, {}},
          {"CopRez", "Копиране на резултат", true, {}},
          {"Postavyane", "Поставяне", true, {}},
          {"Istoria", "История на изчисленията", true, {}},
          {"Preview", "Междинен резултат", true, true}}},
        {"Funk",
         "Функции",
         {{"TF", std::string(word(Word::ShowPanels)), true, {}},
          {"Grafika", "Графика на функцията", true, {}}}},
        {"Help",
         "Помощ",
         {{"Stepen", "Повдигане на степен", true, {}},
          {"FFun", "Пресмятане на функция", true, {}},
          {"Kolektiv", "Колектив", true, {}},
          // The full help, which the button "S / V" opens as well.
          {"Command15", "Ръководство", true, {}}}},
    };
}

std::vector<Control*> Form1::controls() {
    std::vector<Control*> all;
    const auto add = [&](Control* frame, Container container) {
        if (frame != nullptr) {
            all.push_back(frame);
        }
        for (Control& button : buttons) {
            if (button.container == container) {
                all.push_back(&button);
            }
        }
    };
    add(&Frame2, Container::Frame2);
    add(&F2, Container::F2);
    all.insert(all.end(), {&comp, &Pic2, &Pic1});
    add(nullptr, Container::Window);
    add(&Frame1, Container::Frame1);
    all.insert(all.end(), {&Label4, &Label3, &Label2, &L, &tm, &Label1});
    return all;
}

Control* Form1::control(std::string_view name) {
    for (Control* c : controls()) {
        if (c->name == name) {
            return c;
        }
    }
    return nullptr;
}

std::vector<Line*> Form1::lines() {
    return {&Line6, &Line5, &Line4, &Line3, &Line2, &Line1};
}

MenuItem* Form1::menuItem(std::string_view name) {
    for (Menu& menu : menus) {
        for (MenuItem& item : menu.items) {
            if (item.name == name) {
                return &item;
            }
        }
    }
    return nullptr;
}

const MenuItem* Form1::menuItem(std::string_view name) const {
    return const_cast<Form1*>(this)->menuItem(name);
}

void Form1::setCaption(Control& label, std::string text) {
    label.caption = std::move(text);
    if (label.autoSize) {
        label.geometry.width = m_platform->textWidth(label.caption);
    }
}

void Form1::Form_Load() {
    windowWidth = 2 * t.geometry.left + t.geometry.width + L.geometry.width;
    startWidth = windowWidth;
    startBoxWidth = static_cast<int>(std::lround(t.geometry.width));
    degreesMode = true;
    windowHeight = kKeypadHeight;
    selectGradusi(0);
    Line6.y1 = Frame1.geometry.top;
    Line6.y2 = Frame1.geometry.top + Frame1.geometry.height;
    Line5.y1 = Frame1.geometry.top;
    Line5.y2 = Frame1.geometry.top + Frame1.geometry.height;
    screenWidth = static_cast<int>(std::lround(m_platform->screenWidth()));
    selectIzbor(kDefaultDecimals);
}

bool Form1::RRavno() {
    m_lastEvaluation.reset();
    if (!keypad().enteringX() && t.text().find('x') != std::string::npos) {
        Label3.visible = true;
        Label4.visible = true;
        setCaption(Label4, "");
        t.readOnly = true;
        comp.readOnly = true;
        tabb();
        return true;
    }
    Lok();
    const Evaluation result = m_engine.evaluate(comp.text, engineSettings());
    m_lastEvaluation = result;
    ++evaluations;
    L.geometry.height = t.geometry.height;
    if (result.evaluated && result.failure) {
        showFailure(*result.failure);
        failureAt = displaySpan(comp.text, t.text(),
                                locateFailure(comp.text, *result.failure, engineSettings()));
    } else if (result.ok()) {
        setCaption(L, resultCaption(result.numberText, chosenDecimals(), roundingOn == 1));
        L.visible = true;
        widenForResult(L.geometry.width);
        const Geometry place = resultPlace(L.geometry.width);
        L.geometry.left = place.left;
        L.geometry.top = place.top;
    }
    tabb();
    return false;
}

const KeypadView& Form1::keypad() const {
    // Before the first key nothing is typed: on the base line, no x being typed.
    struct NothingTyped final : KeypadView {
        bool raised() const override { return false; }
        bool enteringX() const override { return false; }
        std::vector<int> raisedRecords() const override { return {0}; }
    };
    static const NothingTyped nothingTyped;
    if (keypadHeld) {
        return *keypadHeld;
    }
    return nothingTyped;
}

EngineSettings Form1::engineSettings() const {
    return {degreesMode, keypad().enteringX(), Label4.caption};
}

void Form1::updatePreview() {
    // An expression that ends in an operator waits for its operand: "=" would drop a
    // trailing "+" or "^", but the value it gives then is not the one being typed.
    if (!previewOn || L.visible || lastFailure || comp.text.empty() ||
        std::string_view("+-*/^").find(comp.text.back()) != std::string_view::npos) {
        preview = {};
        return;
    }
    PreviewInputs inputs{comp.text,      degreesMode,      keypad().enteringX(),
                         Label4.caption, chosenDecimals(), roundingOn == 1};
    // "=" closes what is still open before it evaluates; so does the preview, in its copy.
    inputs.expression.append(missingCloseParens(comp.text).value_or(0), ')');
    if (inputs != m_previewInputs) {
        const Evaluation value =
            m_engine.evaluate(inputs.expression, {inputs.degrees, inputs.xEntry, inputs.xValue});
        m_previewValue = value.ok()
                             ? resultCaption(value.numberText, inputs.decimals, inputs.rounding)
                             : std::string();
        m_previewInputs = std::move(inputs);
    }
    preview.caption = m_previewValue;
    const float width = preview.caption.empty() ? 0 : m_platform->textWidth(preview.caption);
    preview.place = resultPlace(width);
}

void Form1::Preview_Click() {
    previewOn = !previewOn;
    menuItem("Preview")->checked = previewOn;
}

void Form1::t_Change() {
    setCaption(tm, t.text());
    const float textWidth = tm.geometry.width;
    Geometry& box = t.geometry;
    // The box grows with its text until the window would be as wide as the screen; then it
    // keeps that width and shows the end of the text, the window staying on the screen.
    const float widest =
        std::max(static_cast<float>(startBoxWidth),
                 static_cast<float>(screenWidth) - 2 * kBorderTwips - 2 * box.left);
    if (textWidth > static_cast<float>(startBoxWidth) - kBoxMargin) {
        box.width = std::min(textWidth + kBoxMargin, widest);
    }
    // The measuring label lies hidden under the box; it must not reach out past the box.
    tm.geometry.width = std::min(textWidth, box.width);
    L.visible = false;
    const float needed = 2 * box.left + box.width + L.geometry.width;
    if (startWidth < needed && windowWidth < static_cast<float>(screenWidth)) {
        windowWidth = needed;
    }
    if (windowWidth > static_cast<float>(screenWidth)) {
        windowWidth = static_cast<float>(screenWidth);
    }
    const Geometry place = resultPlace(L.geometry.width);
    L.geometry.left = place.left;
    L.geometry.top = place.top;
    comp.geometry.width = box.width;
}

Geometry Form1::resultPlace(float width) const {
    const Geometry& box = t.geometry;
    const float right = box.left + box.width;
    const float inside = windowWidth - 2 * kBorderTwips;
    if (box.width > twoThirdsOfScreen() || right + width > inside) {
        return {std::max(0.0F, std::min(right, inside) - width), box.top + box.height, width,
                box.height};
    }
    return {right, box.top, width, box.height};
}

void Form1::widenForResult(float width) {
    const float needed = 2 * t.geometry.left + t.geometry.width + width;
    if (startWidth < needed && twoThirdsOfScreen() > windowWidth) {
        windowWidth = std::min(needed, static_cast<float>(screenWidth));
    }
}

void Form1::showFailure(Failure failure) {
    lastFailure = failure;
    failureShown.words = failureReasonBg(failure);
    const float full = m_platform->textWidth(failureShown.words);
    widenForResult(full);
    // The words may take the whole inside of the window, less the box's margin.
    const float room = windowWidth - 2 * kBorderTwips - t.geometry.left;
    const float scale = full > room && full > 0 ? room / full : 1.0F;
    failureShown.fontSize = L.font.size * scale;
    failureShown.place = resultPlace(full * scale);
}

void Form1::Timer1_Timer() {
    t.readOnly = true;
    comp.readOnly = true;
    Timer1.enabled = false;
}

void Form1::Timer2_Timer() {
    t.setTypingFormat(kBaseFormat);
    Timer2.enabled = false;
}

void Form1::Lok() {
    t.readOnly = false;
    comp.readOnly = false;
    Timer1.enabled = true;
}

void Form1::tabb() {
    send(Keystroke::Kind::Tab);
    send(Keystroke::Kind::End);
}

bool Form1::selectGradusi(int position) {
    if (position < 0 || position >= static_cast<int>(Gradusi.entries.size())) {
        return false;
    }
    Gradusi.listIndex = position;
    Gradusi.text = Gradusi.entries[static_cast<std::size_t>(position)];
    return Gradusi_Click();
}

void Form1::selectIzbor(int position) {
    if (position < 0 || position >= static_cast<int>(Izbor.entries.size())) {
        return;
    }
    Izbor.listIndex = position;
    Izbor.text = Izbor.entries[static_cast<std::size_t>(position)];
    Izbor_Click();
}

std::string_view Form1::angleUnitMark() const {
    return word(degreesMode ? Word::DegreesMark : Word::RadiansMark);
}

bool Form1::Gradusi_Click() {
    if (Gradusi.listIndex == 0) {
        degreesMode = false;
    } else if (Gradusi.listIndex == 1) {
        degreesMode = true;
    }
    L.visible = false;
    const bool asksForX = RRavno();
    tabb();
    return asksForX;
}

void Form1::Izbor_Click() {
    roundingOn = 1;
    Izbor.visible = false;
}

void Form1::Raund_Click() {
    Izbor.visible = true;
}

void Form1::TF_Click() {
    MenuItem& item = *menuItem("TF");
    if (F2.visible) {
        item.caption = word(Word::ShowPanels);
        F2.visible = false;
        Frame2.visible = false;
        windowHeight = kKeypadHeight;
        Line6.y2 = Frame1.geometry.top + Frame1.geometry.height;
        Line5.y2 = Frame1.geometry.top + Frame1.geometry.height;
    } else {
        windowHeight = kPanelsHeight;
        item.caption = word(Word::HidePanels);
        Frame2.visible = true;
        F2.visible = true;
        Line6.y2 = Frame2.geometry.top + Frame2.geometry.height;
        Line5.y2 = Frame2.geometry.top + Frame2.geometry.height;
    }
    if (historyPanel.visible) {
        windowHeight += kHistorySpace;
    }
    placeHistoryPanel();
}

void Form1::KomEkran_Click() {
    MenuItem& item = *menuItem("KomEkran");
    if (comp.visible) {
        comp.visible = false;
        item.caption = word(Word::ShowComp);
    } else {
        comp.visible = true;
        item.caption = word(Word::HideComp);
    }
}

void Form1::CopEkran_Click() {
    send(Keystroke::Kind::SelectToStart);
    send(Keystroke::Kind::Copy);
}

void Form1::CopRez_Click() {
    m_platform->clearClipboard();
    m_platform->setClipboardText(L.caption);
}

void Form1::Istoria_Click() {
    historyPanel.visible = !historyPanel.visible;
    windowHeight += historyPanel.visible ? kHistorySpace : -kHistorySpace;
    placeHistoryPanel();
}

void Form1::placeHistoryPanel() {
    const Geometry& above = F2.visible ? Frame2.geometry : Frame1.geometry;
    historyPanel.geometry.top = above.top + above.height + kHistoryGap;
}

void Form1::recordHistory() {
    if (!m_lastEvaluation || !m_lastEvaluation->evaluated) {
        return;
    }
    HistoryEntry entry;
    entry.t = t.text();
    entry.raised = t.raisedMask();
    entry.comp = comp.text;
    entry.failure = m_lastEvaluation->failure;
    entry.exponentMode = keypad().raised() ? 1 : 0;
    entry.exponentModeAt = keypad().raisedRecords();
    if (!entry.failure) {
        entry.caption = L.caption;
    }
    if (hasTrigonometry(comp.text)) {
        entry.degrees = degreesMode;
    }
    if (comp.text.find('x') != std::string::npos) {
        entry.x = Label4.caption;
    }
    history.add(std::move(entry));
}

void Form1::loadSecondary(SecondaryWindow& window) {
    if (window.open) {
        return;
    }
    window.open = true;
}

void Form1::showHelpPage(std::string_view name) {
    loadSecondary(Form3);
    for (Control& page : Form3.pictures) {
        page.visible = page.name == name;
    }
}

void Form1::Stepen_Click() {
    showHelpPage("PicS");
}

void Form1::FFun_Click() {
    showHelpPage("Picff");
}

void Form1::Kolektiv_Click() {
    loadSecondary(Form2);
}

void Form1::Command15_Click() {
    helpFilePath = m_platform->programFolder() + "/" + std::string(kHelpFileName);
    helpFileOpened = m_platform->openHelpFile(helpFilePath);
    if (!*helpFileOpened) {
        message = word(Word::HelpFileNotOpened, {helpFilePath});
    }
}

void Form1::t_Click(std::size_t position) {
    t.placeCaret(position);
}

void Form1::send(Keystroke::Kind kind, std::string text) {
    m_queue.push_back(Keystroke{kind, std::move(text)});
}

void Form1::processKeystrokes() {
    const auto level = [this] { return keypad().raised() ? kRaisedFormat : kBaseFormat; };
    m_delivered.clear();
    while (!m_queue.empty()) {
        Keystroke stroke = std::move(m_queue.front());
        m_queue.pop_front();
        if (stroke.kind == Keystroke::Kind::Tab) {
            // The keys are no tab stops, so a Tab from any of them lands in t.
            focus = "t";
        } else if (focus == "t") {
            switch (stroke.kind) {
                case Keystroke::Kind::End:
                    t.moveToEnd();
                    break;
                case Keystroke::Kind::Backspace: {
                    const std::size_t before = t.text().size();
                    t.backspace();
                    if (t.text().size() != before) {
                        t_Change();
                    }
                    break;
                }
                case Keystroke::Kind::SelectToStart:
                    t.select(t.caret(), 0);
                    break;
                case Keystroke::Kind::Copy:
                    if (t.selectionLength() > 0) {
                        // The box's own notation (23 for 2 raised to 3, 6.7 for 6 times 7)
                        // would paste back as another number: the copy spells out its meaning.
                        const CopiedExpression copy =
                            copyNotation(t.text(), t.raisedMask(), comp.text, t.selectionStart(),
                                         t.selectionLength());
                        m_platform->clearClipboard();
                        m_platform->setClipboardRich(copy.text, copy.html);
                    }
                    break;
                case Keystroke::Kind::Text:
                    t.setTypingFormat(level());
                    t.type(stroke.text);
                    t_Change();
                    break;
                case Keystroke::Kind::Tab:
                    break;
            }
        }
        m_delivered.push_back(std::move(stroke));
    }
    t.setTypingFormat(level());
    updatePreview();
}

std::vector<Keystroke> Form1::takeDelivered() {
    std::vector<Keystroke> out;
    out.swap(m_delivered);
    return out;
}

void Form1::Command3_Click() {
    Lok();
    if (!sheetApp) {
        message = word(Word::NoPlaceForChart);
    } else if (comp.text.empty()) {
        // Nothing to tabulate asks for no sheet, so the chart window is not loaded for it.
        message = word(Word::NothingToTabulate);
    } else if (graph::SheetApp* sheet = sheetApp()) {
        graph::Command3_Click(*sheet,
                              graph::GraphRequest{comp.text, degreesMode,
                                                  sheet->shownRange().value_or(graph::TableRange{}),
                                                  chosenDecimals()});
    }
}

int Form1::chosenDecimals() const {
    return Izbor.listIndex < 0 ? kDefaultDecimals : Izbor.listIndex;
}

}  // namespace numira
