#pragma once
// Lists of random account names and passwords, one pair a line: account,
// "————", password, CR LF.
#include "core/text_ops.h"
#include "generate/random.h"

namespace scribbet {

// How one column of the list is made.
enum class LengthChoice {
    Fixed,         // fixedLength characters
    Range,         // a length drawn from shortest to longest
    FixedContent,  // the content exactly as typed (passwords only)
};

struct ColumnRule {
    LengthChoice choice = LengthChoice::Range;
    int fixedLength = 0;
    int shortest = 0;
    int longest = 0;
    // The first character is a letter drawn on its own, and the rest is one
    // character shorter: a length of 0 or less still gives the one letter.
    bool firstNotDigit = false;
    AnsiText content;
};

struct AccountOptions {
    ColumnRule account;
    ColumnRule password;
    int count = 10;
};

// The four full-width dashes between account and password.
inline constexpr char kAccountSeparator[] = "\xA1\xAA\xA1\xAA\xA1\xAA\xA1\xAA";  // ————

// Reseeds, draws all the accounts, then all the passwords, and joins them
// into lines. A count of 0 or less gives the empty text.
AnsiText GenerateAccounts(RandomSource& source, const AccountOptions& options);

}  // namespace scribbet
