// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/words.h"

#include <array>

namespace numira {
namespace {

struct Entry {
    Word id;
    std::string_view name;
    std::string_view words;
};

// To change or translate a word, change its text here and its line in tests/golden/words.txt.
constexpr std::array kWords{
    Entry{Word::DivisionByZero, "DivisionByZero", "Деление на нула"},
    Entry{Word::InvalidExpression, "InvalidExpression", "Невалиден израз"},
    Entry{Word::OutsideDomain, "OutsideDomain", "Извън дефиниционната област"},
    Entry{Word::TooLarge, "TooLarge", "Твърде голямо число"},
    Entry{Word::XHasNoValue, "XHasNoValue", "x няма стойност"},
    Entry{Word::NothingToTabulate, "NothingToTabulate",
          "Няма функция за таблица: въведете израз с x, например x^2."},
    Entry{Word::RangeNotNumbers, "RangeNotNumbers",
          "Началото, краят и стъпката трябва да са числа."},
    Entry{Word::StepNotPositive, "StepNotPositive", "Стъпката трябва да е по-голяма от нула."},
    Entry{Word::EndBeforeStart, "EndBeforeStart", "Краят не може да е преди началото."},
    Entry{Word::TooManyRows, "TooManyRows",
          "Таблицата може да има най-много 10 000 реда: увеличете стъпката."},
    Entry{Word::TableNotSaved, "TableNotSaved",
          "Таблицата не е записана: %1. Предишният файл, ако има такъв, е непроменен."},
    Entry{Word::FolderMissing, "FolderMissing", "папката не съществува"},
    Entry{Word::PathNotFolder, "PathNotFolder", "част от пътя не е папка"},
    Entry{Word::NoWriteRights, "NoWriteRights", "няма права за запис в папката"},
    Entry{Word::ReadOnlyDisk, "ReadOnlyDisk", "дискът е само за четене"},
    Entry{Word::DiskFull, "DiskFull", "няма място на диска"},
    Entry{Word::FolderInTheWay, "FolderInTheWay", "на това място има папка със същото име"},
    Entry{Word::NameTooLong, "NameTooLong", "името на файла е твърде дълго"},
    Entry{Word::DiskWriteError, "DiskWriteError", "грешка при запис на диска"},
    Entry{Word::TooManyOpenFiles, "TooManyOpenFiles",
          "програмата има твърде много отворени файлове"},
    Entry{Word::SystemError, "SystemError", "системна грешка %1"},
    Entry{Word::FileAlreadyClosed, "FileAlreadyClosed", "файлът вече е затворен"},
    Entry{Word::FileWriteError, "FileWriteError", "грешка при писане на файла (%1)"},
    Entry{Word::SavedFileIncomplete, "SavedFileIncomplete",
          "записаният файл излезе непълен, най-вероятно няма място на диска"},
    Entry{Word::TableSaved, "TableSaved", "Таблицата е записана в %1"},
    Entry{Word::KindColumn, "KindColumn", "Вид"},
    Entry{Word::KeyPoints, "KeyPoints", "Особени точки"},
    Entry{Word::Zeros, "Zeros", "Нули"},
    Entry{Word::Minima, "Minima", "Минимуми"},
    Entry{Word::Maxima, "Maxima", "Максимуми"},
    Entry{Word::Breaks, "Breaks", "Прекъсвания"},
    Entry{Word::PointHasNoValue, "PointHasNoValue", "няма стойност"},
    Entry{Word::ChartNotLoaded, "ChartNotLoaded", "Графиката не може да се зареди: %1"},
    Entry{Word::ChartModuleMissing, "ChartModuleMissing", "липсва модулът за графики %1."},
    Entry{Word::ChartModuleBroken, "ChartModuleBroken",
          "модулът за графики %1 не се зарежда (%2)."},
    Entry{Word::NotAChartModule, "NotAChartModule", "%1 не е модул за графики."},
    Entry{Word::NoPlaceForChart, "NoPlaceForChart", "Няма къде да се покаже графиката."},
    Entry{Word::HelpFileNotOpened, "HelpFileNotOpened",
          "Файлът с помощта не може да бъде отворен: %1"},
    Entry{Word::ShowPanels, "ShowPanels", "Включване на допълнителни функции"},
    Entry{Word::HidePanels, "HidePanels", "Изключване на допълнителни функции"},
    Entry{Word::ShowComp, "ShowComp", "Включване на компютърен запис на екрана"},
    Entry{Word::HideComp, "HideComp", "Изключване на компютърен запис на екрана"},
    Entry{Word::Radians, "Radians", "Радиани"},
    Entry{Word::Degrees, "Degrees", "Градуси"},
    Entry{Word::RadiansInCopy, "RadiansInCopy", "радиани"},
    Entry{Word::DegreesInCopy, "DegreesInCopy", "градуси"},
    Entry{Word::RadiansMark, "RadiansMark", "РАД"},
    Entry{Word::DegreesMark, "DegreesMark", "ГРАД"},
    Entry{Word::SaidFailure, "SaidFailure", "Грешка. %1"},
    Entry{Word::SaidResult, "SaidResult", "Резултат %1"},
    Entry{Word::SaidMemory, "SaidMemory", "Памет %1"},
    Entry{Word::SaidMemoryCleared, "SaidMemoryCleared", "Паметта е изчистена"},
    Entry{Word::SaidPanelsShown, "SaidPanelsShown", "Допълнителните функции са показани"},
    Entry{Word::SaidPanelsHidden, "SaidPanelsHidden", "Допълнителните функции са скрити"},
    Entry{Word::SaidXEntry, "SaidXEntry", "Въвеждане на стойност на x"},
    Entry{Word::SaidOneDecimal, "SaidOneDecimal", "%1 цифра след запетаята"},
    Entry{Word::SaidDecimals, "SaidDecimals", "%1 цифри след запетаята"},
    Entry{Word::NoHistoryEntry, "NoHistoryEntry", "В историята няма запис с номер %1."},
    Entry{Word::CannotRetype, "CannotRetype", "Изразът „%1“ не може да бъде набран отново."},
    Entry{Word::HistoryHasNoResult, "HistoryHasNoResult", "Изразът „%1“ няма резултат: %2."},
    Entry{Word::PasteNoKey, "PasteNoKey",
          "Текстът не може да бъде набран: знакът „%1“ няма клавиш в калкулатора. Нищо не е "
          "набрано."},
    Entry{Word::PasteRefused, "PasteRefused",
          "Текстът не може да бъде набран: „%1“ — %2. Нищо не е набрано."},
    Entry{Word::PastePowerInRaisedGroup, "PastePowerInRaisedGroup",
          "степен в скобите на степенен показател: там клавишът за степен не действа"},
    Entry{Word::PastePowerWithoutExponent, "PastePowerWithoutExponent",
          "знакът за степен няма показател след себе си"},
    Entry{Word::PasteBareRoot, "PasteBareRoot",
          "„√“ без скоби се отнася само за число, pi, e или x"},
    Entry{Word::PasteKeysDiffer, "PasteKeysDiffer",
          "клавишите не могат да го наберат със същия смисъл"},
};

// word() indexes the table by id, so each row must stand at its id's place.
constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < kWords.size(); ++i) {
        if (static_cast<std::size_t>(kWords[i].id) != i) {
            return false;
        }
    }
    return kWords.back().id == Word::PasteKeysDiffer;
}
static_assert(inIdOrder(), "engine/words.cpp: one row per Word, in the order of engine/words.h");

const Entry& entry(Word id) {
    return kWords.at(static_cast<std::size_t>(id));
}

}  // namespace

std::string_view word(Word id) {
    return entry(id).words;
}

std::string word(Word id, std::initializer_list<std::string_view> args) {
    const std::string_view text = word(id);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : 9;
        if (text[i] == '%' && n < args.size()) {
            out += args.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string_view wordName(Word id) {
    return entry(id).name;
}

int wordCount() {
    return static_cast<int>(kWords.size());
}

}  // namespace numira
