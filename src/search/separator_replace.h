#pragma once
// Replacing a text made of a part before a separator (a line break or a
// tab), the separator and a part after it.
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

inline constexpr char kLineBreakSeparator[] = "\r\n";
inline constexpr char kTabSeparator[] = "\t";

// One row of the window: before + (separator when it is switched on) + after.
struct SeparatorRow {
    AnsiText before;
    bool withSeparator = true;
    AnsiText after;
};

struct SeparatorReplaceFields {
    SeparatorRow search;
    SeparatorRow replacement;
    bool caseSensitive = false;
};

// The text a row stands for.
[[nodiscard]] AnsiText SeparatorRowText(const SeparatorRow& row, std::string_view separator);

// Every occurrence of the search row's text replaced by the replacement row's
// text, by the rules of BasicReplace; an empty search text changes nothing.
[[nodiscard]] AnsiText SeparatorReplace(std::string_view text, std::string_view separator,
                                        const SeparatorReplaceFields& fields);

}  // namespace scribbet
