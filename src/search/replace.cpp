#include "search/replace.h"

namespace scribbet {

AnsiText BasicReplace(std::string_view text, std::string_view sought, std::string_view replacement,
                      bool caseSensitive) {
    return ReplaceText(text, sought, replacement, caseSensitive);
}

}  // namespace scribbet
