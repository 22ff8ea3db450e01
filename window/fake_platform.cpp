// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "window/fake_platform.h"

#include <algorithm>

namespace numira {

namespace {

// Advance widths of Arial Bold in thousandths of an em, for the characters the keys type
// and the result label shows; any other character counts as a digit.
int advance(char c) {
    if (c >= '0' && c <= '9') {
        return 556;
    }
    switch (c) {
        case ' ':
        case ',':
        case '.':
        case '/':
        case 'i':
        case 'l':
        case 'j':
            return 278;
        case ':':
        case ';':
        case '(':
        case ')':
        case '-':
        case 't':
        case 'f':
        case 'r':
            return 333;
        case '+':
        case '=':
        case '^':
            return 584;
        case 'S':
        case 'E':
        case 'B':
        case 'K':
        case 'P':
        case 'V':
        case 'X':
        case 'Y':
            return 667;
        case 'C':
        case 'A':
        case 'D':
        case 'H':
        case 'N':
        case 'R':
        case 'U':
            return 722;
        case 'O':
        case 'Q':
        case 'G':
            return 778;
        case 'T':
        case 'F':
        case 'Z':
        case 'L':
            return 611;
        case 'M':
            return 833;
        case 'n':
        case 'o':
        case 'p':
        case 'q':
        case 'b':
        case 'd':
        case 'g':
        case 'h':
        case 'u':
            return 611;
        case 'm':
            return 889;
        case 'w':
            return 778;
        default:
            return 556;
    }
}

}  // namespace

float FakePlatform::textWidth(std::string_view text) {
    int units = 0;
    for (char c : text) {
        units += advance(c);
    }
    // 12 pt is 240 twips to the em.
    return static_cast<float>(units) * 240.0F / 1000.0F;
}

bool FakePlatform::openHelpFile(const std::string& path) {
    helpRequests.push_back(path);
    return std::find(helpFiles.begin(), helpFiles.end(), path) != helpFiles.end();
}

}  // namespace numira
