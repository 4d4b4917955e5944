#pragma once
// The text tools as commands: the table of tools and their options, the
// reading of a command line into a tool's field values, and the running of
// a tool over a text. No I/O here: the program around it reads and writes.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_ops.h"

namespace scribbet {

struct ToolCall;
struct ToolResult;

enum class OptionKind {
    Flag,    // a check box or radio button away from its default state
    Text,    // a text field, taken as typed
    Digits,  // a field that accepts only digits and '-'
    Choice,  // one of the words in `choices`
};

// One option of a tool: one field of its window.
struct ToolOption {
    const char* name;  // without the leading "--"
    OptionKind kind;
    bool required;
    const char* help;
    std::vector<std::string> choices = {};  // for OptionKind::Choice
};

struct ToolSpec {
    const char* name;
    const char* summary;
    std::vector<ToolOption> options;
    bool readsInput;  // false: the tool generates its text from its options alone
    ToolResult (*run)(const ToolCall& call, AnsiText&& text);
};

// Every tool, in the order --help lists them.
[[nodiscard]] const std::vector<ToolSpec>& CommandTools();
[[nodiscard]] const ToolSpec* FindCommandTool(std::string_view name);

// Turns an argument as the system hands it over into document bytes, as a
// window turns the text of its field into document bytes.
using ArgumentToDocument = std::function<AnsiText(std::string_view)>;

// What a command line asks for.
enum class OutputTarget { Standard, File, InPlace };

struct ToolCall {
    const ToolSpec* tool = nullptr;
    std::map<std::string, AnsiText, std::less<>> values;  // by option name, document bytes
    std::vector<std::string> flags;                       // the flags given
    std::optional<std::string> input;                     // a path; nothing: standard input
    OutputTarget target = OutputTarget::Standard;
    std::string outputPath;  // for OutputTarget::File
    bool backup = false;     // keep FILE.bak on --in-place
    bool help = false;       // the tool's --help: nothing else is done

    [[nodiscard]] bool HasFlag(std::string_view flag) const;
    // The value of an option, empty when it was not given.
    [[nodiscard]] const AnsiText& Value(std::string_view option) const;
};

// Either a call, a request for the list of tools, or what is wrong with the
// command line (one line of text, without the program name).
struct ParsedCommandLine {
    std::optional<ToolCall> call;
    bool listTools = false;
    std::string error;
};

// args are the arguments after the program name. Option values pass through
// toDocument; paths stay as they are.
[[nodiscard]] ParsedCommandLine ParseToolCommandLine(const std::vector<std::string>& args,
                                                     const ArgumentToDocument& toDocument);

// The --help texts.
[[nodiscard]] std::string ToolListHelp();
[[nodiscard]] std::string ToolHelp(const ToolSpec& tool);

// The text of a document holding `text` after the tool's button was
// pressed, or why the tool refused (its window's error message then leaves
// the document as it was).
struct ToolResult {
    std::optional<AnsiText> text;
    std::string error;
};

// Runs the call over a document holding `text` (a tool that reads no input
// ignores it).
[[nodiscard]] ToolResult RunToolCall(const ToolCall& call, AnsiText text);

}  // namespace scribbet
