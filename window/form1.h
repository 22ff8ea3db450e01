// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "engine/failure.h"
#include "engine/failure_span.h"
#include "graph/command3.h"
#include "graph/sheet_app.h"
#include "window/controls.h"
#include "window/history.h"
#include "window/keypad_view.h"
#include "window/platform.h"
#include "window/rich_text_box.h"

namespace numira {

// A keystroke queued for the control that has the focus. The model drains its own queue
// after every handler (processKeystrokes), in order.
struct Keystroke {
    enum class Kind {
        Tab,            // focus to t
        End,            // caret to the end of t
        Backspace,      // "{BS}": delete before the caret
        SelectToStart,  // "^+{HOME}": select from the caret back to the start
        Copy,           // "^C": the selection to the clipboard
        Text,           // type text at the caret
    };
    Kind kind = Kind::Text;
    std::string text;
    friend bool operator==(const Keystroke&, const Keystroke&) = default;
};

// A secondary window (Form3, the help pages; Form2, the team): its caption, its client area
// and the picture boxes in it, which the view fills. Placed when loaded; reused while open.
struct SecondaryWindow {
    // Where it opens (the view places it): the top right corner of the screen, or beside the
    // calculator, so that a page about the keys leaves the keys in sight.
    enum class Place { TopRight, BesideCalculator };
    std::string caption;
    Place place = Place::TopRight;
    bool open = false;
    float width = 0;
    float height = 0;
    std::vector<Control> pictures;
};

// Form1 is the main window's inherited name (the first form of the program).
// The calculator window: every control of the window by its name, the window-wide state and
// the window's procedures. Keypad handlers live in keypad/; they work on this object.
//
// Construct, then call Form_Load and processKeystrokes once. Every event (a key, a menu item, a
// timer tick) is one procedure call followed by processKeystrokes(); keypad/keys.h press() does
// both. Nothing a user can do throws.
class Form1 {
  public:
    explicit Form1(Platform& platform);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // --- procedures ---------------------------------------------------------------------
    void Form_Load();
    // RRavno ("equals"): evaluates comp into L, or, on an x without a value, shows the box of
    // x and returns true: the keys then type the value of x.
    [[nodiscard]] bool RRavno();
    // The two "=" keys also write what they computed into the history.
    [[nodiscard]] bool Ravno_Click() {
        const bool asksForX = RRavno();
        recordHistory();
        return asksForX;
    }
    [[nodiscard]] bool Command5_Click() { return Ravno_Click(); }
    void t_Change();
    void Timer1_Timer();
    void Timer2_Timer();
    // Lok ("lock"): unlocks t and comp for a key and starts Timer1, which locks them again.
    void Lok();
    // tabb: queues Tab and End, which bring the focus back to t with the caret at its end.
    void tabb();
    // The unit evaluates again: true when that asks for x, as RRavno.
    bool Gradusi_Click();
    void Izbor_Click();
    void Raund_Click();
    void TF_Click();
    void KomEkran_Click();
    void CopEkran_Click();
    void CopRez_Click();
    // "История на изчисленията": shows or hides the history panel below the keypad.
    void Istoria_Click();
    // "Междинен резултат": turns the preview of the value on or off.
    void Preview_Click();
    void Stepen_Click();
    void FFun_Click();
    void Kolektiv_Click();
    void Command15_Click();
    // The function table and chart of the expression in comp, sent to sheetApp. The menu
    // item "Графика на функцията" runs it; the button Command3 stays hidden.
    void Command3_Click();

    // Selecting an entry in code raises the same click event as a user's choice.
    bool selectGradusi(int position);
    void selectIzbor(int position);
    // The decimals chosen in Izbor, the default before any choice.
    int chosenDecimals() const;
    // The user closed a secondary window.
    void Form3_Unload() { Form3.open = false; }
    void Form2_Unload() { Form2.open = false; }
    // The user clicked into t or selected in it.
    void t_Click(std::size_t position);

    // --- keystrokes -------------------------------------------------------------------
    void send(Keystroke::Kind kind, std::string text = {});
    void sendText(std::string text) { send(Keystroke::Kind::Text, std::move(text)); }
    // Delivers the queued keystrokes in order. Text a key sends is typed at the level of
    // the exponent state, so what t shows raised is what comp holds in an exponent. After
    // the queue is empty the typing format of t follows the exponent state as well.
    void processKeystrokes();
    // The keystrokes the last processKeystrokes delivered (for tests); only the last event's
    // are kept, so a long session does not accumulate them.
    std::vector<Keystroke> takeDelivered();

    // Sets a label's caption; a self-sizing label takes the width of its caption.
    void setCaption(Control& label, std::string caption);

    Platform& platform() { return *m_platform; }
    void setPlatform(Platform& platform) { m_platform = &platform; }

    // --- controls ---------------------------------------------------------------------
    RichTextBox t;     // the expression box, in display notation (decimal comma, raised exponents)
    Control comp;      // the plain box, in engine notation ("SIN(", "*", "."); normally hidden
    Control L;         // the result label, "=" and the value
    Control tm;        // the measuring label: sized to t's text, hidden under the box
    Control Label1;    // the memory label, "M=..."
    Control Label2;    // the caption "Y=" left of the box once x is typed
    Control Label3;    // the caption "x =" of the value of x
    Control Label4;    // the value of x being typed
    ComboBox Izbor;    // ("choice") the number of decimals, 0 to 7
    ComboBox Gradusi;  // ("degrees") the angle unit, "Радиани" or "Градуси"
    Control Pic1, Pic2;           // the level arrows: down (typing on the base line), up (raised)
    Control Frame1;               // the main keypad
    Control F2;                   // the panel of functions (Sin to Atan) and the angle unit
    Control Frame2;               // the panel of x (X, X =, XC and a second "=")
    TimerControl Timer1, Timer2;  // the relock of t and comp; the delay after a backspace
    Line Line1, Line2, Line3, Line4, Line5, Line6;
    // The keys' buttons under their inherited names (CommandButtonNN, CommandNN, butonC "C",
    // Ravno "="), each frame's together; keypad/keys.cpp says which key each one is.
    std::vector<Control> buttons;

    // Every Control in creation order (the view builds its widgets from these).
    std::vector<Control*> controls();
    Control* control(std::string_view name);
    std::vector<Line*> lines();

    // The menu bar: OPCII, Funk, Help, each with its items in order.
    std::vector<Menu> menus;
    MenuItem* menuItem(std::string_view name);
    const MenuItem* menuItem(std::string_view name) const;

    std::string caption = "Нумира";
    float windowWidth = 0;    // twips
    float windowHeight = 0;   // twips
    std::string focus = "t";  // the control with the input focus

    // --- window-wide state ------------------------------------------------------------
    std::string memoryText;
    float startWidth = 0;
    int startBoxWidth = 0;
    // The keys' entry state: the keypad puts it here and is alone in writing it
    // (keypad/keypad_state.h); the window reads it through keypad().
    std::unique_ptr<KeypadView> keypadHeld;
    const KeypadView& keypad() const;
    int roundingOn = 0;
    bool degreesMode = false;
    std::string helpFilePath;
    int screenWidth = 0;

    // The angle unit as a calculator's display marks it, shown at all times above the result.
    std::string_view angleUnitMark() const { return degreesMode ? "ГРАД" : "РАД"; }

    // Why the last "=" could not evaluate; the next key clears it (clearFailure).
    std::optional<Failure> lastFailure;
    // How many times "=" has evaluated, so that a reader can say a repeated result again.
    std::uint64_t evaluations = 0;
    // That reason in the words the window shows in red in the result's place ("" when none),
    // at the result's size or smaller so that the words fit inside the window.
    struct FailureText {
        std::string words;
        Geometry place;
        float fontSize = 12;
    };
    FailureText failureShown;
    // Where in t the last "=" failed ([begin, end) in characters of t), for the box to mark;
    // nothing when no part of t can be named.
    std::optional<TextSpan> failureAt;
    void clearFailure() {
        lastFailure.reset();
        failureShown = {};
        failureAt.reset();
    }
    // The value "=" would give now, shown in grey in the result's place while the expression
    // changes (its parentheses closed as "=" closes them): the caption, "" while a result or a
    // failure is shown, while the expression has no value, or while the preview is off. It is
    // computed after every event (processKeystrokes) and changes nothing else.
    struct PreviewText {
        std::string caption;
        Geometry place;
    };
    PreviewText preview;
    bool previewOn = true;
    // The calculations of the session and the panel that shows them.
    History history;
    HistoryPanel historyPanel;
    // Secondary windows: Form3 shows one of its help pages PicS and Picff at a time.
    SecondaryWindow Form3, Form2;
    // The outcome of the last "S / V": nullopt before it was pressed.
    std::optional<bool> helpFileOpened;
    // Where a function table goes (the view's chart window, or an in-memory sheet), asked once
    // per table and only when there is one to send; null when it cannot serve (it has said
    // why). With none, the menu item says so.
    std::function<graph::SheetApp*()> sheetApp;
    // A message the view should show once (e.g. a missing help file); takeMessage empties it.
    std::string message;
    std::string takeMessage() { return std::exchange(message, {}); }

    // Where a result label of this width goes: right after the box, or under the box's right
    // end when the box is wide or the label would leave the window there; never outside it.
    Geometry resultPlace(float width) const;

  private:
    // A box or window wider than this is wide: the result goes under the box, and a result
    // no longer widens the window.
    float twoThirdsOfScreen() const { return static_cast<float>(2.0 * screenWidth / 3.0); }
    void loadSecondary(SecondaryWindow& window);
    void showHelpPage(std::string_view name);
    void showFailure(Failure failure);
    EngineSettings engineSettings() const;
    void updatePreview();
    // Widens the window for a result of this width beside the box, up to two thirds of the
    // screen, as the result label has always done.
    void widenForResult(float width);
    void recordHistory();
    void placeHistoryPanel();

    Platform* m_platform;
    Engine m_engine;
    // What the last RRavno computed; nothing when it only entered x-entry mode.
    std::optional<Evaluation> m_lastEvaluation;
    // What the preview was computed from, so that an event that changed none of it costs no
    // evaluation.
    struct PreviewInputs {
        std::string expression;
        bool degrees = false;
        bool xEntry = false;
        std::string xValue;
        int decimals = 0;
        bool rounding = false;
        friend bool operator==(const PreviewInputs&, const PreviewInputs&) = default;
    };
    PreviewInputs m_previewInputs;
    std::string m_previewValue;  // the caption for m_previewInputs
    std::deque<Keystroke> m_queue;
    std::vector<Keystroke> m_delivered;
};

// The window's borders, left and right each, and its caption bar: windowWidth and
// windowHeight include them, the client area is what lies inside.
inline constexpr float kBorderTwips = 60;
inline constexpr float kCaptionTwips = 330;

// The window's height with the keypad alone, and with the panels F2 and Frame2 shown.
inline constexpr float kKeypadHeight = 5100;
inline constexpr float kPanelsHeight = 6900;
// Where the box t starts, from the window's left edge; C puts it back there.
inline constexpr float kBoxLeft = 240;
// The decimals the result is rounded to until the user chooses (Izbor's entry "0,00001").
inline constexpr int kDefaultDecimals = 5;

// The help file's name in the program's folder.
inline constexpr std::string_view kHelpFileName = "fORMULA.html";

}  // namespace numira
