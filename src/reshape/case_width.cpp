#include "reshape/case_width.h"

namespace scribbet {

AnsiText ConvertCaseWidth(std::string_view text, CaseWidth conversion) {
    switch (conversion) {
        case CaseWidth::Upper: return ToUpper(text);
        case CaseWidth::Lower: return ToLower(text);
        case CaseWidth::FullWidth: return ToFullWidth(text);
        case CaseWidth::HalfWidth: return ToHalfWidth(text);
    }
    return AnsiText(text);
}

}  // namespace scribbet
