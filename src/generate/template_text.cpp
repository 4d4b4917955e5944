#include "generate/template_text.h"

#include <algorithm>

namespace scribbet {
namespace {

// The values a table without rows gives its fields back.
void ResetFields(TemplateFields& fields) {
    fields.endEnabled = true;
    fields.name = "{@%0}";
    fields.start = "1";
    fields.end = "50";
    fields.pad = "3";
}

// Sums are taken in 64 bits: two 32-bit field values never overflow them.
AnsiText StartPlusSpan(std::string_view start, std::int64_t span) {
    return IntToText(static_cast<std::int64_t>(TextToInt(start)) + span);
}

AnsiText PadCell(const TemplateFields& fields) { return fields.padding ? fields.pad : AnsiText("0"); }

}  // namespace

std::int64_t TableSpan(const VariableTable& table) {
    if (table.empty()) return 0;
    return static_cast<std::int64_t>(TextToInt(table.front().end)) - TextToInt(table.front().start);
}

AddOutcome AddVariable(VariableTable& table, TemplateFields& fields) {
    if (fields.name.size() < 3) return AddOutcome::NameTooShort;
    for (const TemplateVariable& row : table) {
        if (row.name == fields.name) return AddOutcome::NameRepeated;
    }
    const std::int64_t span = TableSpan(table);
    TemplateVariable row{fields.name, fields.start, {}, PadCell(fields)};
    if (table.empty()) {
        row.end = fields.end;
        fields.endEnabled = false;
    } else {
        row.end = StartPlusSpan(fields.start, span);
    }
    table.push_back(std::move(row));
    fields.end = table.front().end;
    fields.name = "{@%" + IntToText(static_cast<std::int64_t>(table.size())) + "}";
    return AddOutcome::Added;
}

void ModifyVariable(VariableTable& table, const TemplateFields& fields,
                    std::optional<std::size_t> selected) {
    if (!selected || *selected >= table.size()) return;
    const std::int64_t span = TableSpan(table);
    table[*selected] = {fields.name, fields.start, StartPlusSpan(fields.start, span),
                        PadCell(fields)};
}

void DeleteVariable(VariableTable& table, TemplateFields& fields,
                    std::optional<std::size_t> selected) {
    if (selected && *selected < table.size()) {
        table.erase(table.begin() + static_cast<std::ptrdiff_t>(*selected));
    }
    if (table.empty()) {
        ResetFields(fields);
        return;
    }
    fields.endEnabled = false;
    fields.end = StartPlusSpan(fields.start, TableSpan(table));
}

void ClearVariables(VariableTable& table, TemplateFields& fields) {
    table.clear();
    ResetFields(fields);
}

void LoadCurrentRow(const VariableTable& table, std::size_t row, TemplateFields& fields) {
    if (row >= table.size()) return;
    fields.name = table[row].name;
    fields.start = table[row].start;
    fields.end = table[row].end;
    fields.pad = table[row].pad;
}

void SyncEndField(const VariableTable& table, TemplateFields& fields) {
    fields.end = StartPlusSpan(fields.start, TableSpan(table));
}

AnsiText PadWithZeros(std::string_view value, std::int64_t width) {
    const std::int64_t zeros = width - static_cast<std::int64_t>(value.size());
    if (zeros < 1) return AnsiText(value);
    AnsiText padded(static_cast<std::size_t>(zeros), '0');
    padded.append(value);
    return padded;
}

AnsiText GenerateTemplateText(std::string_view templateText, VariableTable& table) {
    const std::int64_t count = table.empty() ? 1 : TableSpan(table) + 1;

    // Each row's counter as the start cell reads it: written back as decimal
    // after each copy and read again with TextToInt, it wraps at 32 bits.
    struct Counter {
        std::uint32_t value;
        std::optional<std::int64_t> width;  // none: not padded
    };
    std::vector<Counter> counters;
    counters.reserve(table.size());
    for (const TemplateVariable& row : table) {
        Counter counter{static_cast<std::uint32_t>(TextToInt(row.start)), std::nullopt};
        if (row.pad != "0") counter.width = TextToInt(row.pad);
        counters.push_back(counter);
    }

    AnsiText result;
    if (count > 0) {
        // Only a hint: a huge count must not fail here before a byte is made.
        const std::uint64_t estimate = static_cast<std::uint64_t>(count) * (templateText.size() + 8);
        result.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(estimate, 1ull << 28)));
    }
    AnsiText copy;
    for (std::int64_t n = 0; n < count; ++n) {
        copy.assign(templateText);
        // Rows in table order: a row's values may form a later row's name,
        // and the earlier row takes text that holds both names.
        for (std::size_t r = 0; r < table.size(); ++r) {
            Counter& counter = counters[r];
            AnsiText value = IntToText(static_cast<std::int32_t>(counter.value));
            if (counter.width) value = PadWithZeros(value, *counter.width);
            if (!table[r].name.empty() && copy.find(table[r].name) != AnsiText::npos) {
                copy = ReplaceText(copy, table[r].name, value, true);
            }
            ++counter.value;
        }
        result.append(copy);
    }

    for (TemplateVariable& row : table) {
        row.start = IntToText(static_cast<std::int64_t>(TextToInt(row.end)) - count + 1);
    }
    return result;
}

AnsiText LinesToCrLf(std::string_view text) {
    AnsiText out;
    out.reserve(text.size() + text.size() / 16);
    bool afterCr = false;
    // By characters: a trail byte is never a line break.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsLeadByte(c) && i + 1 < text.size()) {
            out += c;
            out += text[++i];
            afterCr = false;
            continue;
        }
        if (c == '\n' && !afterCr) out += '\r';
        out += c;
        afterCr = c == '\r';
    }
    return out;
}

}  // namespace scribbet
