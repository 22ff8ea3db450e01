// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "cli/commands.h"
#include "engine/failure.h"
#include "graph/table_sheet.h"
#include "keypad/history_keys.h"
#include "keypad/keypad_state.h"
#include "keypad/keys.h"
#include "keypad/paste.h"
#include "keypad/utf8.h"
#include "window/fake_platform.h"
#include "window/form1.h"

namespace {

// The fake platform's fonts, screen and clipboard, with the folder the desktop program takes
// the help file from (share/numira beside bin/): "help" reports whether the help file is
// there (nothing is opened from the command line).
class CliPlatform : public numira::FakePlatform {
  public:
    std::string programFolder() override {
        std::error_code error;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
        const std::filesystem::path bin = error ? "." : exe.parent_path();
        return (bin / "../share/numira").lexically_normal().string();
    }
    bool openHelpFile(const std::string& path) override {
        std::error_code error;
        return std::filesystem::is_regular_file(path, error);
    }
};

class Json {
  public:
    void field(std::string_view name) {
        m_out += m_first ? "" : ",";
        m_first = false;
        m_out += '"';
        m_out += name;
        m_out += "\":";
    }
    void string(std::string_view name, std::string_view value) {
        field(name);
        quote(value);
    }
    void boolean(std::string_view name, bool value) {
        field(name);
        m_out += value ? "true" : "false";
    }
    // The shortest text that reads back as the value; sizes are single-precision twips and
    // print as floats.
    template <typename Number>
    void number(std::string_view name, Number value) {
        field(name);
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        m_out.append(buffer, end);
    }
    void raw(std::string_view name, std::string_view json) {
        field(name);
        m_out += json;
    }
    void null(std::string_view name) {
        field(name);
        m_out += "null";
    }
    void open(std::string_view name) {
        field(name);
        m_out += '{';
        m_first = true;
    }
    void close() {
        m_out += '}';
        m_first = false;
    }
    void openList(std::string_view name) {
        field(name);
        m_out += '[';
        m_first = true;
    }
    // An object as the next element of the open list.
    void openElement() {
        m_out += m_first ? "{" : ",{";
        m_first = true;
    }
    void closeList() {
        m_out += ']';
        m_first = false;
    }
    std::string finish() { return "{" + m_out + "}"; }

  private:
    // Valid UTF-8 whatever the text holds: a byte of no character becomes U+FFFD.
    void quote(std::string_view text) {
        m_out += '"';
        for (std::size_t i = 0; i < text.size();) {
            const auto [c, length] = numira::decodeUtf8(text, i);
            if (c == U'"' || c == U'\\') {
                m_out += '\\';
                m_out += static_cast<char>(c);
            } else if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
                m_out += buffer;
            } else if (c == 0xFFFD) {
                m_out += "\xEF\xBF\xBD";
            } else {
                m_out += text.substr(i, length);
            }
            i += length;
        }
        m_out += '"';
    }

    std::string m_out;
    bool m_first = true;
};

// The help page Form3 shows, "none" while it is closed.
std::string_view helpPage(const numira::SecondaryWindow& form3) {
    for (const numira::Control& page : form3.pictures) {
        if (form3.open && page.visible) {
            return page.name;
        }
    }
    return "none";
}

// One row of the function table: its formula and cached value.
void graphRow(Json& j, std::string_view name, const numira::graph::TableSheet& sheet,
              std::size_t row) {
    j.open(name);
    if (row <= sheet.rows().size()) {
        const auto& r = sheet.rows()[row - 1];
        j.string("formula", r.formula);
        if (r.cached.value) {
            j.number("value", *r.cached.value);
        } else {
            j.null("value");
        }
    }
    j.close();
}

std::string describe(numira::Form1& f, numira::FakePlatform& platform,
                     const numira::graph::TableSheet& sheet) {
    Json j;
    j.string("t", f.t.text());
    j.string("t_raised", f.t.raisedMask());
    j.string("comp", f.comp.text);
    j.boolean("comp_visible", f.comp.visible);
    j.open("result");
    j.string("caption", f.L.caption);
    j.boolean("visible", f.L.visible);
    j.close();
    if (f.lastFailure) {
        j.string("failure", numira::failureReason(*f.lastFailure));
    } else {
        j.null("failure");
    }
    j.string("failure_shown", f.failureShown.words);
    if (f.failureAt) {
        j.raw("failure_at", "[" + std::to_string(f.failureAt->begin) + "," +
                                std::to_string(f.failureAt->end) + "]");
    } else {
        j.null("failure_at");
    }
    j.string("preview", f.preview.caption);
    j.string("memory", f.Label1.caption);
    j.boolean("label2_visible", f.Label2.visible);
    j.boolean("label3_visible", f.Label3.visible);
    j.string("x_value", f.Label4.caption);
    j.boolean("x_value_visible", f.Label4.visible);
    const numira::KeypadState& keypad = numira::keypadState(f);
    j.number("xEntryMode", keypad.xEntryMode ? 1 : 0);
    j.number("exponentMode", keypad.exponentMode ? 1 : 0);
    j.number("openParens", keypad.openParens);
    j.number("parenFlag", keypad.parenFlag ? 1 : 0);
    j.number("typedLength", keypad.typedLength);
    j.boolean("degreesMode", f.degreesMode);
    j.number("roundingOn", f.roundingOn);
    j.number("decimals", f.Izbor.listIndex);
    j.boolean("izbor_visible", f.Izbor.visible);
    j.string("gradusi", f.Gradusi.text);
    j.string("clipboard", platform.clipboard);
    j.string("clipboard_html", platform.clipboardHtml);
    j.open("window");
    j.number("width", f.windowWidth);
    j.number("height", f.windowHeight);
    j.close();
    j.open("box");
    j.number("left", f.t.geometry.left);
    j.number("width", f.t.geometry.width);
    j.close();
    j.open("result_place");
    j.number("left", f.L.geometry.left);
    j.number("top", f.L.geometry.top);
    j.close();
    j.string("arrow", f.Pic2.visible ? "up" : (f.Pic1.visible ? "down" : "none"));
    j.boolean("boxes_locked", f.t.readOnly);
    j.boolean("timer1_enabled", f.Timer1.enabled);
    j.boolean("timer2_enabled", f.Timer2.enabled);
    j.boolean("panels_visible", f.F2.visible && f.Frame2.visible);
    j.open("menu_captions");
    j.string("TF", f.menuItem("TF")->caption);
    j.string("KomEkran", f.menuItem("KomEkran")->caption);
    j.close();
    j.string("help_window", helpPage(f.Form3));
    j.boolean("team_window_open", f.Form2.open);
    if (f.helpFileOpened) {
        j.boolean("help_file_opened", *f.helpFileOpened);
    } else {
        j.null("help_file_opened");
    }
    j.open("graph");
    j.number("rows", static_cast<double>(sheet.rows().size()));
    graphRow(j, "b1", sheet, 1);
    graphRow(j, "b50", sheet, 50);
    j.close();
    j.string("message", f.message);
    j.openList("history");
    for (const numira::HistoryEntry& entry : f.history.entries()) {
        j.openElement();
        j.string("t", entry.t);
        j.string("t_raised", entry.raised);
        j.string("comp", entry.comp);
        j.string("caption", entry.caption);
        if (entry.failure) {
            j.string("failure", numira::failureReason(*entry.failure));
        } else {
            j.null("failure");
        }
        j.close();
    }
    j.closeList();
    return j.finish();
}

// "history:N" and "historyResult:N": what to reuse and which entry (0 the newest).
struct HistoryUse {
    bool result = false;
    std::size_t n = 0;
};

std::optional<HistoryUse> historyUse(std::string_view arg) {
    HistoryUse use;
    std::string_view number;
    if (arg.starts_with("historyResult:")) {
        use.result = true;
        number = arg.substr(std::string_view("historyResult:").size());
    } else if (arg.starts_with("history:")) {
        number = arg.substr(std::string_view("history:").size());
    } else {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), use.n);
    if (number.empty() || error != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    return use;
}

bool isHistoryArg(std::string_view arg) {
    return arg.starts_with("history:") || arg.starts_with("historyResult:");
}

}  // namespace

int runKeys(std::span<const std::string_view> args) {
    // Every key is checked before any is pressed, so a typo costs nothing but the message.
    for (std::string_view arg : args) {
        if (isHistoryArg(arg) && !historyUse(arg)) {
            return usageError("'" + std::string(arg) + "' needs an entry number, 0 the newest");
        }
        if (!arg.starts_with("clipboard:") && !arg.starts_with("paste:") && !isHistoryArg(arg) &&
            !numira::keyForName(arg)) {
            return usageError("unknown key '" + std::string(arg) + "'");
        }
    }
    CliPlatform platform;
    numira::Form1 form(platform);
    numira::graph::TableSheet sheet;
    form.sheetApp = [&sheet] { return &sheet; };
    form.Form_Load();
    form.processKeystrokes();
    for (std::string_view arg : args) {
        if (arg.starts_with("clipboard:")) {
            platform.setClipboardText(arg.substr(std::string_view("clipboard:").size()));
            continue;
        }
        if (arg.starts_with("paste:")) {
            numira::paste(form, platform, arg.substr(std::string_view("paste:").size()));
            continue;
        }
        if (const auto use = historyUse(arg)) {
            if (use->result) {
                numira::recallHistoryResult(form, platform, use->n);
            } else {
                numira::recallHistory(form, platform, use->n);
            }
            continue;
        }
        numira::press(form, platform, *numira::keyForName(arg));
    }
    std::puts(describe(form, platform, sheet).c_str());
    return 0;
}
