#pragma once
// The four whole-text conversions of case and character width.
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

enum class CaseWidth {
    Upper,      // one-byte a to z become A to Z
    Lower,      // one-byte A to Z become a to z
    FullWidth,  // printable ASCII becomes its double-byte full-width form
    HalfWidth,  // full-width forms, the full-width space and the stars become ASCII
};

// The text converted; line breaks, tabs, control bytes and every other
// double-byte character pass through unchanged.
[[nodiscard]] AnsiText ConvertCaseWidth(std::string_view text, CaseWidth conversion);

}  // namespace scribbet
