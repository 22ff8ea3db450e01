// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace numira {

// Every word the user sees or hears that the program's logic produces: failure reasons,
// messages, announcements, captions that change with state. The words themselves live in one
// table (engine/words.cpp) and are pinned by tests/golden/words.txt; code and tests name the
// entry. Captions that are already data of a form table (controls, menus, keys) stay there.
enum class Word {
    // Why an expression has no value (engine/failure.h).
    DivisionByZero,
    InvalidExpression,
    OutsideDomain,
    TooLarge,
    XHasNoValue,
    // The function table, its range and its file.
    NothingToTabulate,
    RangeNotNumbers,
    StepNotPositive,
    EndBeforeStart,
    TooManyRows,
    TableNotSaved,  // %1: why
    FolderMissing,
    PathNotFolder,
    NoWriteRights,
    ReadOnlyDisk,
    DiskFull,
    FolderInTheWay,
    NameTooLong,
    DiskWriteError,
    TooManyOpenFiles,
    SystemError,  // %1: the error number
    FileAlreadyClosed,
    FileWriteError,  // %1: the library's words
    SavedFileIncomplete,
    TableSaved,  // %1: the path
    KindColumn,  // the heading of the key points' first column
    KeyPoints,   // the sheet and list of key points
    Zeros,
    Minima,
    Maxima,
    Breaks,
    PointHasNoValue,  // after "x = 0" on the chart's trace
    // The chart module.
    ChartNotLoaded,      // %1: why
    ChartModuleMissing,  // %1: the module's path
    ChartModuleBroken,   // %1: the path, %2: why
    NotAChartModule,     // %1: the path
    NoPlaceForChart,
    // The main window.
    HelpFileNotOpened,  // %1: the path
    ShowPanels,
    HidePanels,
    ShowComp,
    HideComp,
    Radians,
    Degrees,
    RadiansInCopy,
    DegreesInCopy,
    RadiansMark,
    DegreesMark,
    // What a screen reader is told.
    SaidFailure,  // %1: the reason
    SaidResult,   // %1: the number
    SaidMemory,   // %1: the number
    SaidMemoryCleared,
    SaidPanelsShown,
    SaidPanelsHidden,
    SaidXEntry,
    SaidOneDecimal,  // %1: 1
    SaidDecimals,    // %1: the count
    // History and paste.
    NoHistoryEntry,      // %1: the number
    CannotRetype,        // %1: the expression
    HistoryHasNoResult,  // %1: the expression, %2: the reason
    PasteNoKey,          // %1: the character
    PasteRefused,        // %1: the part, %2: why
    PastePowerInRaisedGroup,
    PastePowerWithoutExponent,
    PasteBareRoot,
    PasteKeysDiffer,
};

// The entry's words.
std::string_view word(Word id);

// The entry's words with %1, %2, … replaced by args in order; a translation may move them.
std::string word(Word id, std::initializer_list<std::string_view> args);

// The entry's name as written here ("DivisionByZero"), for the golden file; every entry from
// Word{0} up to the last one, in this order.
std::string_view wordName(Word id);
int wordCount();

}  // namespace numira
