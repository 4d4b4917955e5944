#include "search/separator_replace.h"

#include "search/replace.h"

namespace scribbet {

AnsiText SeparatorRowText(const SeparatorRow& row, std::string_view separator) {
    return JoinText(row.before, row.withSeparator ? separator : std::string_view(), row.after);
}

AnsiText SeparatorReplace(std::string_view text, std::string_view separator,
                          const SeparatorReplaceFields& fields) {
    return BasicReplace(text, SeparatorRowText(fields.search, separator),
                        SeparatorRowText(fields.replacement, separator), fields.caseSensitive);
}

}  // namespace scribbet
