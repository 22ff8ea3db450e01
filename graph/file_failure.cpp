// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/file_failure.h"

#include <cerrno>

#include "engine/words.h"

namespace numira::graph {

std::string fileFailureReason(int error) {
    switch (error) {
        case ENOENT:
            return std::string(word(Word::FolderMissing));
        case ENOTDIR:
            return std::string(word(Word::PathNotFolder));
        case EACCES:
        case EPERM:
            return std::string(word(Word::NoWriteRights));
        case EROFS:
            return std::string(word(Word::ReadOnlyDisk));
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return std::string(word(Word::DiskFull));
        case EISDIR:
            return std::string(word(Word::FolderInTheWay));
        case ENAMETOOLONG:
            return std::string(word(Word::NameTooLong));
        case EIO:
            return std::string(word(Word::DiskWriteError));
        case EMFILE:
        case ENFILE:
            return std::string(word(Word::TooManyOpenFiles));
        default:
            return word(Word::SystemError, {std::to_string(error)});
    }
}

std::string saveFailureMessage(const std::string& reason) {
    return word(Word::TableNotSaved, {reason});
}

}  // namespace numira::graph
