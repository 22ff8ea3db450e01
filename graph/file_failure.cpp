// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/file_failure.h"

#include <cerrno>

namespace numira::graph {

std::string fileFailureReason(int error) {
    switch (error) {
        case ENOENT:
            return "папката не съществува";
        case ENOTDIR:
            return "част от пътя не е папка";
        case EACCES:
        case EPERM:
            return "няма права за запис в папката";
        case EROFS:
            return "дискът е само за четене";
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "няма място на диска";
        case EISDIR:
            return "на това място има папка със същото име";
        case ENAMETOOLONG:
            return "името на файла е твърде дълго";
        case EIO:
            return "грешка при запис на диска";
        case EMFILE:
        case ENFILE:
            return "програмата има твърде много отворени файлове";
        default:
            return "системна грешка " + std::to_string(error);
    }
}

std::string saveFailureMessage(const std::string& reason) {
    return "Таблицата не е записана: " + reason + ". Предишният файл, ако има такъв, е непроменен.";
}

}  // namespace numira::graph
