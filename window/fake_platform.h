// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string>
#include <vector>

#include "window/platform.h"

namespace numira {

// A deterministic platform: Arial Bold advance widths at 12 pt (240 twips to the em), a
// screen 1920 pixels wide at 15 twips per pixel, an in-memory clipboard (text and HTML), and a help
// viewer that opens only the paths listed in helpFiles. It records the help files asked for.
class FakePlatform : public Platform {
  public:
    float textWidth(std::string_view text) override;
    float screenWidth() override { return screenTwips; }

    void clearClipboard() override {
        clipboard.clear();
        clipboardHtml.clear();
    }
    void setClipboardText(std::string_view text) override {
        clipboard = text;
        clipboardHtml.clear();
    }
    void setClipboardRich(std::string_view text, std::string_view html) override {
        clipboard = text;
        clipboardHtml = html;
    }
    std::string clipboardText() override { return clipboard; }

    std::string programFolder() override { return folder; }
    bool openHelpFile(const std::string& path) override;

    float screenTwips = 1920.0F * 15.0F;
    std::string clipboard;
    std::string clipboardHtml;  // empty unless the clipboard holds HTML too
    std::string folder = "/usr/share/numira";
    std::vector<std::string> helpFiles;     // the files that exist
    std::vector<std::string> helpRequests;  // every path asked for, in order
};

}  // namespace numira
