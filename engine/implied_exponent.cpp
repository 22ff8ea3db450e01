#include "engine/implied_exponent.h"

#include <algorithm>

#include "engine/function_names.h"
#include "engine/number_text.h"

namespace numira {
namespace {

// One past the ")" that closes the "(" at `open`, or npos.
std::size_t closing(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')' && --depth == 0) {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

// One past the factor that starts at `at`, or `at` when none starts there.
std::size_t factorEnd(std::string_view text, std::size_t at) {
    if (at >= text.size()) {
        return at;
    }
    const std::string_view rest = text.substr(at);
    if (isDigit(rest[0]) || rest[0] == '.') {
        std::size_t i = at;
        while (i < text.size() && (isDigit(text[i]) || text[i] == '.')) {
            ++i;
        }
        return i;
    }
    if (rest[0] == '(') {
        const std::size_t end = closing(text, at);
        return end == std::string_view::npos ? at : end;
    }
    if (rest.starts_with("pi")) {
        return at + 2;
    }
    if (rest[0] == 'e' || rest[0] == 'x') {
        return at + 1;
    }
    const std::size_t name = functionNameAt(rest);
    if (name > 0 && at + name < text.size() && text[at + name] == '(') {
        const std::size_t end = closing(text, at + name);
        return end == std::string_view::npos ? at : end;
    }
    return at;
}

}  // namespace

std::string groupImpliedExponents(std::string_view text) {
    if (text.find('^') == std::string_view::npos) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + 8);
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i++];
        out += c;
        if (c != '^') {
            continue;
        }
        // Signs belong to the exponent's first factor.
        const std::size_t start = i;
        std::size_t end = std::min(text.find_first_not_of("+-", start), text.size());
        int factors = 0;
        for (std::size_t next = factorEnd(text, end); next != end; next = factorEnd(text, end)) {
            end = next;
            ++factors;
        }
        if (factors >= 2) {
            out += '(';
            out += groupImpliedExponents(text.substr(start, end - start));
            out += ')';
            i = end;
        }
    }
    return out;
}

}  // namespace numira
