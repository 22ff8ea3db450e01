// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "window/process_locale.h"

namespace {

// Both programs take the desktop's locale but print numbers as the C locale does.
TEST(ProcessLocale, KeepsTheEnvironmentButPrintsADecimalPoint) {
    const char* before = std::getenv("LC_ALL");
    const std::string saved = before != nullptr ? before : "";
    setenv("LC_ALL", "bg_BG.UTF-8", 1);
    numira::useProcessLocale();
    const std::string ctype = std::setlocale(LC_CTYPE, nullptr);
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 0.5);
    before != nullptr ? setenv("LC_ALL", saved.c_str(), 1) : unsetenv("LC_ALL");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(ctype, "bg_BG.UTF-8") << "the locale is missing: run scripts/setup.sh test";
    EXPECT_STREQ(printed, "0.5");
}

}  // namespace
