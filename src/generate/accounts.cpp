#include "generate/accounts.h"

#include <cstring>
#include <vector>

namespace scribbet {
namespace {

AnsiText DrawColumn(RandomSource& source, const ColumnRule& rule) {
    switch (rule.choice) {
        case LengthChoice::FixedContent:
            return rule.content;
        case LengthChoice::Fixed:
            if (!rule.firstNotDigit) return RandomString(source, rule.fixedLength, RandomKind::Mixed);
            return RandomString(source, 1, RandomKind::Letters) +
                   RandomString(source, rule.fixedLength - 1, RandomKind::Mixed);
        case LengthChoice::Range:
            if (!rule.firstNotDigit) {
                const int length = source.NextInRange(rule.shortest, rule.longest);
                return RandomString(source, length, RandomKind::Mixed);
            }
            // The letter comes first, so the length is drawn after its reseed.
            AnsiText letter = RandomString(source, 1, RandomKind::Letters);
            const int length = source.NextInRange(rule.shortest, rule.longest);
            return letter + RandomString(source, length - 1, RandomKind::Mixed);
    }
    return {};
}

}  // namespace

AnsiText GenerateAccounts(RandomSource& source, const AccountOptions& options) {
    source.Reseed();
    if (options.count <= 0) return {};
    const auto count = static_cast<std::size_t>(options.count);
    // Every account is drawn before the first password.
    std::vector<AnsiText> accounts;
    accounts.reserve(count);
    std::size_t accountBytes = 0;
    for (std::size_t i = 0; i < count; ++i) {
        accounts.push_back(DrawColumn(source, options.account));
        accountBytes += accounts.back().size();
    }
    const std::size_t separator = std::strlen(kAccountSeparator);
    AnsiText text;
    text.reserve(accountBytes + count * (separator + 2 + 16));
    for (const AnsiText& account : accounts) {
        text += account;
        text += kAccountSeparator;
        text += DrawColumn(source, options.password);
        text += "\r\n";
    }
    return text;
}

}  // namespace scribbet
