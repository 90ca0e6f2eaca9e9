#pragma once
// Marks a text of the core for translation. The core keeps the text as it
// stands (the original wording); lupdate is told to collect QV_TR like
// QT_TR_NOOP, and the text is translated where it reaches a person: the
// editor's message boxes and the batch tool's output.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#define QV_TR(text) text

namespace qv {

// A marked whole sentence with its %1 … %9 filled in, e.g.
// Fill(QV_TR("Filter written to Set %1 at %2 kHz"), {"3", "48"}). The
// translation finds the sentence again by its wording around the values and
// puts the values into the translated sentence, wherever that has them.
inline std::string Fill(std::string_view pattern, std::initializer_list<std::string> values) {
    std::string out;
    out.reserve(pattern.size() + 16 * values.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (k < values.size()) {
                out += *(values.begin() + k);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// A count with its noun, e.g. FillCount(n, QV_TR("%1 row"), QV_TR("%1 rows")):
// a value that a filled sentence takes and translates with it.
inline std::string FillCount(std::size_t n, std::string_view one, std::string_view many) {
    return Fill(n == 1 ? one : many, {std::to_string(n)});
}

}  // namespace qv
