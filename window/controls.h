// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numira {

// The controls of the calculator window as plain data. Sizes and positions are twips
// (1/1440 inch); a control inside a frame is placed relative to the frame's top-left corner.
// The view builds its widgets from these values and copies them again after every event.

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Font {
    std::string name = "Arial";
    float size = 8.25F;  // points
    bool bold = true;
};

// Where a control sits: the window's client area or one of its frames.
enum class Container { Window, Frame1, F2, Frame2 };

enum class ControlKind { Button, Label, TextBox, RichTextBox, ComboBox, PictureBox, Frame };

// The drawings of the picture keys and of the level arrows.
enum class Picture {
    None,
    Plus,
    Minus,
    RaisedDot,
    Colon,
    Slash,
    Radical,
    Power,
    Backspace,
    ArrowUp,    // Pic2, red
    ArrowDown,  // Pic1, black
};

struct Geometry {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// A button, label, text box, picture box or frame.
struct Control {
    std::string name;
    ControlKind kind = ControlKind::Button;
    Container container = Container::Window;
    std::string caption;  // buttons, labels, frames
    std::string text;     // the plain text box comp
    bool visible = true;
    Geometry geometry;
    bool readOnly = false;
    bool enabled = true;
    bool autoSize = false;  // a label that sizes its width to its caption
    std::optional<Rgb> background;
    std::optional<Rgb> foreground;
    Font font;
    Picture picture = Picture::None;
    int tabIndex = -1;  // position in the window's Tab order; -1 for none
};

// A combo box: a text field with a drop-down list.
struct ComboBox {
    std::string name;
    Container container = Container::Window;
    std::vector<std::string> entries;
    int listIndex = -1;  // the selected entry, -1 for none
    std::string text;    // what the text field shows
    bool visible = true;
    Geometry geometry;
    std::optional<Rgb> background;
    std::optional<Rgb> foreground;
    Font font;
    int tabIndex = -1;
};

struct Line {
    std::string name;
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    bool visible = true;
};

// A timer is a flag; the view runs the real timer and reports each tick.
struct TimerControl {
    std::string name;
    bool enabled = false;
    int intervalMs = 0;
};

struct MenuItem {
    std::string name;
    std::string caption;
    bool visible = true;
    std::optional<bool> checked;  // set for an item that is turned on and off
};

struct Menu {
    std::string name;
    std::string caption;
    std::vector<MenuItem> items;
};

}  // namespace numira
