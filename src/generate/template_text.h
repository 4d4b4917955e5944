#pragma once
// Text repeated from a template: each copy has every variable name replaced
// by a counter that rises by one from copy to copy. The variable table and
// the window's fields are a plain model here, so that every rule of the
// window can be checked without one.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/text_ops.h"

namespace scribbet {

// One row of the table, every cell a text as the list shows it.
struct TemplateVariable {
    AnsiText name;   // the placeholder looked for in the template, as typed
    AnsiText start;  // the value of the next copy
    AnsiText end;    // the value of the last copy
    AnsiText pad;    // "0": not padded; otherwise the width as typed
    friend bool operator==(const TemplateVariable& a, const TemplateVariable& b) {
        return a.name == b.name && a.start == b.start && a.end == b.end && a.pad == b.pad;
    }
};

// Rows in the order they were added; row 1 alone decides how many copies
// are made, and every row spans as many values as row 1.
using VariableTable = std::vector<TemplateVariable>;

// The window's fields that the variable operations read and write, with
// the values a fresh window starts from.
struct TemplateFields {
    AnsiText name = "{@%0}";
    AnsiText start = "1";
    AnsiText end = "10";
    bool endEnabled = true;
    bool padding = false;  // the padding switch
    AnsiText pad = "3";
};

enum class AddOutcome {
    Added,
    NameTooShort,  // fewer than 3 bytes
    NameRepeated,  // equal to the name of a row, byte for byte
};

// integer(end) - integer(start) of row 1; 0 for an empty table.
[[nodiscard]] std::int64_t TableSpan(const VariableTable& table);

// Appends a row from the fields. The first row takes the end field as
// typed and locks it; later rows end at their start plus the span. The name
// field then proposes the next free name. A refusal changes nothing.
[[nodiscard]] AddOutcome AddVariable(VariableTable& table, TemplateFields& fields);

// Overwrites the selected row from the fields, keeping the span; the end
// field is not read. Without a selection nothing changes.
void ModifyVariable(VariableTable& table, const TemplateFields& fields,
                    std::optional<std::size_t> selected);

// Deletes the selected row (if any), then resets the fields when the table
// is empty, or else locks the end field at start field + span.
void DeleteVariable(VariableTable& table, TemplateFields& fields,
                    std::optional<std::size_t> selected);

// Deletes every row and resets the fields as deleting the last row does.
void ClearVariables(VariableTable& table, TemplateFields& fields);

// Copies the row's cells into the fields; the padding switch stays as it is.
void LoadCurrentRow(const VariableTable& table, std::size_t row, TemplateFields& fields);

// After the start field changed: end field = start field + span.
void SyncEndField(const VariableTable& table, TemplateFields& fields);

// The copies of the template, joined. Every row's start ends as the plain
// decimal text of the value it had before. A table whose row 1 ends below
// its start gives the empty text.
[[nodiscard]] AnsiText GenerateTemplateText(std::string_view templateText, VariableTable& table);

// Zeros in front of value up to width bytes; a value as long or longer is
// kept whole, and a minus sign counts as any other byte.
[[nodiscard]] AnsiText PadWithZeros(std::string_view value, std::int64_t width);

// A multi-line field gives its lines joined by LF; the document joins them
// by CR LF. An LF that already follows a CR is kept as it is.
[[nodiscard]] AnsiText LinesToCrLf(std::string_view text);

}  // namespace scribbet
