#include "generate/random_text.h"

namespace scribbet {

AnsiText GenerateRandomText(RandomSource& source, std::string_view lengthField, RandomKind kind) {
    return RandomString(source, TextToInt(lengthField), kind);
}

}  // namespace scribbet
