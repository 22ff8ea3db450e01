// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string>
#include <string_view>

namespace numira {

// What the windowing toolkit provides to the window model. The Qt view implements it with
// real fonts, the screen and the system clipboard; the command line and the tests use
// FakePlatform.
class Platform {
  public:
    virtual ~Platform() = default;

    // The width of a text in Arial 12 bold, in twips (what the measuring label tm yields).
    virtual float textWidth(std::string_view text) = 0;
    // The width of the screen in twips.
    virtual float screenWidth() = 0;

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(std::string_view text) = 0;
    virtual std::string clipboardText() = 0;
    // Puts one content on the clipboard in two forms, plain text and HTML, for the reader to
    // choose from. A platform without HTML puts the text alone.
    virtual void setClipboardRich(std::string_view text, std::string_view /*html*/) {
        setClipboardText(text);
    }

    // The folder the program runs from (no trailing separator needed).
    virtual std::string programFolder() = 0;
    // Opens the help file in a help viewer; false when it cannot be opened (a missing file).
    virtual bool openHelpFile(const std::string& path) = 0;
};

}  // namespace numira
