#pragma once
// One random string of a chosen length, made of digits, letters or both.
#include <string_view>

#include "core/text_ops.h"
#include "generate/random.h"

namespace scribbet {

// The length field read as a number (empty or non-numeric reads as 0, a
// length of 0 or less gives the empty text), then RandomString of it.
AnsiText GenerateRandomText(RandomSource& source, std::string_view lengthField, RandomKind kind);

}  // namespace scribbet
