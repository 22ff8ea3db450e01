// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include "keypad/paste.h"
#include "tests/keypad/calculator.h"

namespace numira {
namespace {

using testing::Calculator;

// Whatever the keys type, "Копиране на екрана" and a paste into a cleared window give the
// same engine text and the same result. Where `copied` is given, the clipboard holds exactly
// that (and `html`, where given, as its HTML).
TEST(CopyPaste, TheCopyPastesBackToTheSameExpression) {
    struct Case {
        const char* keys;
        const char* copied;
        const char* html;
    };
    constexpr Case kCases[] = {
        {"2 ^ 3 + 1 / 4", "2^3+1/4", "2<sup>3</sup>+1/4"},
        {"2 ^ 3 + 6 * 7 bs bs bs bs", "2^3", "2<sup>3</sup>"},
        {"6 * 7", "6*7", "6\u00B77"},
        {"2 ^ ( 3 + 1 ) ^ + 1", "2^(3+1)+1", "2<sup>(3+1)</sup>+1"},
        {"1 , 5 * 2", "1,5*2", "1,5\u00B72"},
        {"sin 3 0 ) + cos 0 )", "sin(30)+cos(0)", nullptr},
        {"sqrt 2 ) ^ 2", "sqrt(2)^2", nullptr},
        {"9 : 3 - 1", "9/3-1", nullptr},
        {"2 ^ 1 0 ^ 2", "2^10*2", nullptr},
        {"pi * 2", "pi*2", nullptr},
        {"e ^ 2", "e^2", nullptr},
        {"X ^ 2 + 1", "x^2+1", nullptr},
        {"2 ^ sin 3 0 ) ^ + 1", "2^sin(30)+1", nullptr},
        {"2 ^ sqrt 4 ) ^ + 1", nullptr, nullptr},
        {"2 ^ ( 1 / 2 ) ^ * 4", nullptr, nullptr},
        {"1 0 ^ 3 ^ - 1 0 0 0", nullptr, nullptr},
        {"2 ^ 0 , 5", nullptr, nullptr},
        {"( 1 + 2 ) ^ 2", nullptr, nullptr},
        {"( 1 + 2 ) * ( 3 - 4 )", nullptr, nullptr},
        {"2 ( 3 + 1 )", nullptr, nullptr},
        {"tan 4 5 ) / cotan 4 5 )", nullptr, nullptr},
        {"asin 0 , 5 ) + acos 0 , 5 ) - atan 1 )", nullptr, nullptr},
        {"sin cos 0 ) )", nullptr, nullptr},
        {"3 X ^ 2 ^ + 2 X - 1", nullptr, nullptr},
        {"X / 2 + X ^ 3", nullptr, nullptr},
        {"sin X ) ^ 2", nullptr, nullptr},
        {"pi ^ 2 ^ / 6", nullptr, nullptr},
        {"e ^ X ^ - 1", nullptr, nullptr},
        {"0 , 2 5 + 0 , 7 5", nullptr, nullptr},
        {"1 / 3 * 3", nullptr, nullptr},
        {"- 5 + 2", nullptr, nullptr},
        {"2 ^ 2 ^ * 2 ^ 3", nullptr, nullptr},
        {"sqrt sqrt 1 6 ) )", nullptr, nullptr},
        {"( 2 ^ 3 ^ + 1 ) : 3", nullptr, nullptr},
        {"1 , 5 ^ 2 , 5", nullptr, nullptr},
        {"4 ^ ( 1 : 2 )", nullptr, nullptr},
        {"cos pi ) * e", nullptr, nullptr},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.keys);
        Calculator typed;
        typed.keys(c.keys);
        typed.keys("menu:CopEkran");
        const std::string copied = typed.platform.clipboard;
        if (c.copied != nullptr) {
            EXPECT_EQ(copied, c.copied);
        }
        if (c.html != nullptr) {
            EXPECT_EQ(typed.platform.clipboardHtml, c.html);
        }
        Calculator pasted;
        ASSERT_TRUE(paste(pasted.form, pasted.platform, copied)) << copied;
        EXPECT_EQ(pasted.comp(), typed.comp()) << copied;
        typed.keys("=");
        pasted.keys("=");
        EXPECT_EQ(pasted.form.L.caption, typed.form.L.caption) << copied;
    }
}

}  // namespace
}  // namespace numira
