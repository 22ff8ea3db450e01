// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/zip_check.h"

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string_view>

namespace numira::graph {
namespace {

std::uint32_t le(std::string_view data, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(data[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

std::optional<std::string> inflated(std::string_view packed, std::uint32_t method,
                                    std::uint32_t size) {
    if (method == 0) {
        return std::string(packed);
    }
    if (method != 8) {
        return std::nullopt;
    }
    std::string out(size, '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) {
        return std::nullopt;
    }
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = size;
    const int status = inflate(&z, Z_FINISH);
    const bool whole = status == Z_STREAM_END && z.total_out == size;
    inflateEnd(&z);
    return whole ? std::optional(out) : std::nullopt;
}

// The XML ends with "</root>" for the first element's name "root".
bool xmlComplete(std::string_view xml) {
    std::size_t open = 0;
    while ((open = xml.find('<', open)) != std::string_view::npos && open + 1 < xml.size() &&
           (xml[open + 1] == '?' || xml[open + 1] == '!')) {
        ++open;
    }
    if (open == std::string_view::npos) {
        return false;
    }
    const std::size_t nameEnd = xml.find_first_of(" \t\r\n/>", open + 1);
    if (nameEnd == std::string_view::npos) {
        return false;
    }
    const std::string closing = "</" + std::string(xml.substr(open + 1, nameEnd - open - 1)) + ">";
    while (!xml.empty() && (xml.back() == '\n' || xml.back() == '\r' || xml.back() == ' ')) {
        xml.remove_suffix(1);
    }
    return xml.ends_with(closing);
}

}  // namespace

std::optional<std::string> zipProblem(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail()) {
        return "cannot be read back";
    }
    // The end record: at least 22 bytes from the end, after a comment of up to 64 KiB.
    constexpr std::size_t kEndSize = 22;
    if (data.size() < kEndSize) {
        return "too short for a zip";
    }
    std::size_t end = data.size() - kEndSize + 1;
    do {
        --end;
    } while (end > 0 && le(data, end, 4) != 0x06054b50 && data.size() - end < 65557);
    if (le(data, end, 4) != 0x06054b50) {
        return "no end record";
    }
    const std::uint32_t count = le(data, end + 10, 2);
    std::size_t at = le(data, end + 16, 4);
    if (count == 0) {
        return "no members";
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        if (at + 46 > data.size() || le(data, at, 4) != 0x02014b50) {
            return "damaged directory";
        }
        const std::uint32_t method = le(data, at + 10, 2);
        const std::uint32_t crc = le(data, at + 16, 4);
        const std::uint32_t packedSize = le(data, at + 20, 4);
        const std::uint32_t size = le(data, at + 24, 4);
        const std::size_t nameSize = le(data, at + 28, 2);
        const std::size_t local = le(data, at + 42, 4);
        if (at + 46 + nameSize > data.size()) {
            return "damaged directory";
        }
        const std::string name = data.substr(at + 46, nameSize);
        at += 46 + nameSize + le(data, at + 30, 2) + le(data, at + 32, 2);
        if (local + 30 > data.size() || le(data, local, 4) != 0x04034b50) {
            return name + ": no member header";
        }
        const std::size_t start = local + 30 + le(data, local + 26, 2) + le(data, local + 28, 2);
        if (start + packedSize > data.size()) {
            return name + ": cut short";
        }
        const auto content =
            inflated(std::string_view(data).substr(start, packedSize), method, size);
        if (!content || crc32(0, reinterpret_cast<const Bytef*>(content->data()),
                              static_cast<uInt>(content->size())) != crc) {
            return name + ": damaged";
        }
        if ((name.ends_with(".xml") || name.ends_with(".rels")) && !xmlComplete(*content)) {
            return name + ": incomplete";
        }
    }
    return std::nullopt;
}

}  // namespace numira::graph
