#include "cli/tool_command.h"

#include <algorithm>
#include <utility>

#include "reshape/case_width.h"
#include "reshape/line_breaks.h"
#include "reshape/paragraphs.h"
#include "reshape/sequence.h"
#include "reshape/spaces.h"
#include "reshape/split_text.h"
#include "reshape/time_tools.h"
#include "search/regex.h"
#include "search/replace.h"
#include "search/separator_replace.h"

namespace scribbet {
namespace {

// The windows' own refusals, in the words of this program.
constexpr char kTooLong[] = "the result would be too long; nothing was written";

ToolResult Done(AnsiText text) { return {std::move(text), {}}; }

// A tool that may leave the document as it is: nothing means unchanged.
ToolResult DoneOrKept(std::optional<AnsiText> changed, AnsiText&& text) {
    return Done(changed ? std::move(*changed) : std::move(text));
}

ToolResult DoneOrRefused(std::optional<AnsiText> changed) {
    if (!changed) return {std::nullopt, kTooLong};
    return Done(std::move(*changed));
}

template <CaseWidth conversion>
ToolResult RunCaseWidth(const ToolCall&, AnsiText&& text) {
    return Done(ConvertCaseWidth(text, conversion));
}

ToolResult RunReplace(const ToolCall& call, AnsiText&& text) {
    return Done(BasicReplace(text, call.Value("find"), call.Value("with"),
                             call.HasFlag("match-case")));
}

template <const char* separator>
ToolResult RunSeparatorReplace(const ToolCall& call, AnsiText&& text) {
    const SeparatorReplaceFields fields{
        {call.Value("find-before"), !call.HasFlag("no-find-separator"), call.Value("find-after")},
        {call.Value("with-before"), !call.HasFlag("no-with-separator"), call.Value("with-after")},
        call.HasFlag("match-case")};
    return Done(SeparatorReplace(text, separator, fields));
}

ToolResult RunRegexReplace(const ToolCall& call, AnsiText&& text) {
    return DoneOrKept(
        RegexReplace(text, call.Value("pattern"), call.Value("with"), call.HasFlag("match-case")),
        std::move(text));
}

ToolResult RunRegexExtract(const ToolCall& call, AnsiText&& text) {
    return Done(RegexExtract(text, call.Value("pattern"), call.HasFlag("match-case")));
}

ToolResult RunDeleteRange(const ToolCall& call, AnsiText&& text) {
    return Done(DeleteRange(text, TextToInt(call.Value("start")), TextToInt(call.Value("length"))));
}

ToolResult RunExtractRange(const ToolCall& call, AnsiText&& text) {
    return Done(
        ExtractRange(text, TextToInt(call.Value("start")), TextToInt(call.Value("length"))));
}

ToolResult RunCollapse(const ToolCall&, AnsiText&& text) {
    return DoneOrKept(CollapseLineBreaks(text), std::move(text));
}

ToolResult RunMerge(const ToolCall&, AnsiText&& text) { return Done(MergeParagraphs(text)); }

ToolResult RunLineBreakCount(const ToolCall& call, AnsiText&& text) {
    return DoneOrRefused(
        ChangeLineBreakCount(text, TextToInt(call.Value("from")), TextToInt(call.Value("to"))));
}

ToolResult RunSplit(const ToolCall& call, AnsiText&& text) {
    return Done(SplitTextTool(text, call.Value("separator")));
}

ToolResult RunIndent(const ToolCall& call, AnsiText&& text) {
    return DoneOrRefused(IndentParagraphs(text, TextToInt(call.Value("spaces"))));
}

ToolResult RunDeleteSpaces(const ToolCall& call, AnsiText&& text) {
    static const std::pair<const char*, SpacePart> kParts[] = {
        {"start", SpacePart::ParagraphStart},
        {"end", SpacePart::ParagraphEnd},
        {"both", SpacePart::BothEnds},
        {"all", SpacePart::Everywhere},
    };
    // The parser lets through only these words.
    SpacePart part = SpacePart::Everywhere;
    for (const auto& [word, value] : kParts) {
        if (call.Value("at") == word) part = value;
    }
    return Done(DeleteSpaces(text, part));
}

Affix AffixOf(const ToolCall& call) {
    return {call.Value("left"), !call.HasFlag("no-number"), call.Value("start"),
            call.Value("right")};
}

ToolResult RunPrefix(const ToolCall& call, AnsiText&& text) {
    return DoneOrRefused(InsertAtParagraphStart(text, AffixOf(call)));
}

ToolResult RunSuffix(const ToolCall& call, AnsiText&& text) {
    return DoneOrRefused(InsertAtParagraphEnd(text, AffixOf(call)));
}

ToolResult RunSelectParagraphs(const ToolCall& call, AnsiText&& text) {
    const ParagraphChoice choice =
        call.Value("mode") == "keep" ? ParagraphChoice::Keep : ParagraphChoice::Delete;
    return Done(SelectParagraphs(text, call.Value("numbers"), choice));
}

ToolResult RunToSeconds(const ToolCall&, AnsiText&& text) { return Done(DurationsToSeconds(text)); }

ToolResult RunFromSeconds(const ToolCall&, AnsiText&& text) {
    return Done(SecondsToDurations(text));
}

ToolResult RunNumberedLines(const ToolCall& call, AnsiText&&) {
    return DoneOrRefused(NumberedLines(AffixOf(call), call.Value("lines")));
}

constexpr bool kRequired = true;
constexpr bool kOptional = false;

const ToolOption kMatchCase{"match-case", OptionKind::Flag, kOptional,
                            "tell upper and lower case ASCII letters apart"};

std::vector<ToolOption> SeparatorOptions() {
    return {
        {"find-before", OptionKind::Text, kRequired, "the text before the separator to find"},
        {"find-after", OptionKind::Text, kRequired, "the text after the separator to find"},
        {"with-before", OptionKind::Text, kRequired, "the text before the separator put in"},
        {"with-after", OptionKind::Text, kRequired, "the text after the separator put in"},
        {"no-find-separator", OptionKind::Flag, kOptional, "find the two parts without the separator"},
        {"no-with-separator", OptionKind::Flag, kOptional, "put in the two parts without the separator"},
        kMatchCase,
    };
}

std::vector<ToolOption> AffixOptions() {
    return {
        {"left", OptionKind::Text, kRequired, "the text before the number"},
        {"right", OptionKind::Text, kRequired, "the text after the number"},
        {"start", OptionKind::Text, kOptional, "the first number (no digits: 0)"},
        {"no-number", OptionKind::Flag, kOptional, "leave the running number out"},
    };
}

std::vector<ToolOption> RangeOptions() {
    return {
        {"start", OptionKind::Digits, kRequired, "the first byte, counted from 1"},
        {"length", OptionKind::Digits, kRequired, "the number of bytes"},
    };
}

constexpr char kLineBreakName[] = "\r\n";
constexpr char kTabName[] = "\t";

std::vector<ToolSpec> BuildTools() {
    std::vector<ToolOption> numbered = AffixOptions();
    numbered.push_back({"lines", OptionKind::Text, kRequired, "how many lines"});
    return {
        {"upper", "one-byte a-z to A-Z", {}, true, RunCaseWidth<CaseWidth::Upper>},
        {"lower", "one-byte A-Z to a-z", {}, true, RunCaseWidth<CaseWidth::Lower>},
        {"full-width", "printable ASCII to full-width forms", {}, true,
         RunCaseWidth<CaseWidth::FullWidth>},
        {"half-width", "full-width forms to ASCII", {}, true, RunCaseWidth<CaseWidth::HalfWidth>},
        {"replace",
         "replace every occurrence of a text",
         {{"find", OptionKind::Text, kRequired, "the text to find"},
          {"with", OptionKind::Text, kRequired, "the text put in its place"},
          kMatchCase},
         true,
         RunReplace},
        {"replace-line-break", "replace a text around a line break (CR LF)",
         SeparatorOptions(), true, RunSeparatorReplace<kLineBreakName>},
        {"replace-tab", "replace a text around a tab", SeparatorOptions(), true,
         RunSeparatorReplace<kTabName>},
        {"regex-replace",
         "replace every match of a regular expression (the text is kept when none matches)",
         {{"pattern", OptionKind::Text, kRequired, "a Boost.Regex perl pattern over bytes"},
          {"with", OptionKind::Text, kRequired, "the replacement, taken as typed ($1 stays $1)"},
          kMatchCase},
         true,
         RunRegexReplace},
        {"regex-extract",
         "output one paragraph per match (the first group when there is one); the matches "
         "replace the text, as in the window",
         {{"pattern", OptionKind::Text, kRequired, "a Boost.Regex perl pattern over bytes"},
          kMatchCase},
         true,
         RunRegexExtract},
        {"delete-range", "delete a range of bytes", RangeOptions(), true, RunDeleteRange},
        {"extract-range", "keep only a range of bytes", RangeOptions(), true, RunExtractRange},
        {"collapse-line-breaks", "make every run of line breaks one line break", {}, true,
         RunCollapse},
        {"merge-paragraphs", "remove every line break", {}, true, RunMerge},
        {"line-break-count",
         "change runs of a number of line breaks into another number (line breaks at the end "
         "are dropped first)",
         {{"from", OptionKind::Text, kRequired, "the number of line breaks replaced"},
          {"to", OptionKind::Text, kRequired, "the number of line breaks put in"}},
         true,
         RunLineBreakCount},
        {"split",
         "split the text at a separator, one piece a paragraph",
         {{"separator", OptionKind::Text, kRequired, "the separator, spaces included"}},
         true,
         RunSplit},
        {"indent",
         "give every paragraph the same indentation of spaces",
         {{"spaces", OptionKind::Text, kRequired, "how many spaces"}},
         true,
         RunIndent},
        {"delete-spaces",
         "delete spaces at the start, the end or both ends of every paragraph, or all",
         {{"at", OptionKind::Choice, kRequired, "where", {"start", "end", "both", "all"}}},
         true,
         RunDeleteSpaces},
        {"prefix", "insert left + number + right before every paragraph", AffixOptions(), true,
         RunPrefix},
        {"suffix", "insert left + number + right after every paragraph", AffixOptions(), true,
         RunSuffix},
        {"select-paragraphs",
         "delete the listed paragraphs, or keep only them",
         {{"numbers", OptionKind::Text, kRequired, "paragraph numbers from 1, separated by ','"},
          {"mode", OptionKind::Choice, kRequired, "what to do with them", {"delete", "keep"}}},
         true,
         RunSelectParagraphs},
        {"hms-to-seconds", "rewrite 1\xE6\x97\xB6" "2\xE5\x88\x86" "3\xE7\xA7\x92 as 3723\xE7\xA7\x92", {},
         true, RunToSeconds},
        {"seconds-to-hms", "rewrite 3723\xE7\xA7\x92 as 1\xE6\x97\xB6" "2\xE5\x88\x86" "3\xE7\xA7\x92", {},
         true, RunFromSeconds},
        {"numbered-lines",
         "output numbered lines, as the window generates them into a document (reads no input)",
         numbered, false, RunNumberedLines},
    };
}

std::string OptionUsage(const ToolOption& option) {
    std::string usage = std::string("--") + option.name;
    switch (option.kind) {
        case OptionKind::Flag:
            break;
        case OptionKind::Text:
            usage += " TEXT";
            break;
        case OptionKind::Digits:
            usage += " N";
            break;
        case OptionKind::Choice: {
            usage += ' ';
            for (const std::string& choice : option.choices) {
                if (&choice != &option.choices.front()) usage += '|';
                usage += choice;
            }
            break;
        }
    }
    return usage;
}

// "--name=value" is also "--name value".
std::pair<std::string_view, std::optional<std::string_view>> SplitOption(std::string_view arg) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string_view::npos) return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

ParsedCommandLine Error(std::string message) {
    ParsedCommandLine parsed;
    parsed.error = std::move(message);
    return parsed;
}

}  // namespace

bool ToolCall::HasFlag(std::string_view flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

const AnsiText& ToolCall::Value(std::string_view option) const {
    static const AnsiText kEmpty;
    const auto it = values.find(option);
    return it == values.end() ? kEmpty : it->second;
}

const std::vector<ToolSpec>& CommandTools() {
    static const std::vector<ToolSpec> kTools = BuildTools();
    return kTools;
}

const ToolSpec* FindCommandTool(std::string_view name) {
    for (const ToolSpec& tool : CommandTools()) {
        if (name == tool.name) return &tool;
    }
    return nullptr;
}

ParsedCommandLine ParseToolCommandLine(const std::vector<std::string>& args,
                                       const ArgumentToDocument& toDocument) {
    if (args.empty()) return Error("no tool given (--help lists them)");
    if (args[0] == "--help" || args[0] == "-h") {
        ParsedCommandLine parsed;
        parsed.listTools = true;
        return parsed;
    }
    const ToolSpec* tool = FindCommandTool(args[0]);
    if (!tool) return Error("unknown tool '" + args[0] + "' (--help lists them)");

    ToolCall call;
    call.tool = tool;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            if (call.input) return Error("more than one input file given");
            call.input = arg;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto [name, inlineValue] = SplitOption(arg);
        // Takes the value of the option at i: after '=' or the next argument.
        auto takeValue = [&, name = name, inlineValue = inlineValue]() -> std::optional<std::string> {
            if (inlineValue) return std::string(*inlineValue);
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        const std::string missing = "option " + std::string(name) + " needs a value";
        auto noValue = [&, name = name, inlineValue = inlineValue]() -> std::optional<std::string> {
            if (inlineValue) return "option " + std::string(name) + " takes no value";
            return std::nullopt;
        };
        if (name == "--help" || name == "-h") {
            call.help = true;
        } else if (name == "-o" || name == "--output") {
            const auto path = takeValue();
            if (!path || path->empty()) return Error(missing);
            if (call.target == OutputTarget::InPlace) {
                return Error("-o and --in-place exclude each other");
            }
            call.target = OutputTarget::File;
            call.outputPath = *path;
        } else if (name == "--in-place" || name == "--backup") {
            if (const auto error = noValue()) return Error(*error);
            if (name == "--backup") {
                call.backup = true;
            } else {
                if (call.target == OutputTarget::File) {
                    return Error("-o and --in-place exclude each other");
                }
                call.target = OutputTarget::InPlace;
            }
        } else {
            // A tool's own options are all long ones.
            const bool isLong = name.size() > 2 && name.substr(0, 2) == "--";
            const std::string_view bare = isLong ? name.substr(2) : std::string_view();
            const auto option =
                std::find_if(tool->options.begin(), tool->options.end(),
                             [&](const ToolOption& o) { return isLong && bare == o.name; });
            if (option == tool->options.end()) {
                return Error("unknown option " + std::string(name) + " for " + tool->name);
            }
            if (option->kind == OptionKind::Flag) {
                if (const auto error = noValue()) return Error(*error);
                if (!call.HasFlag(option->name)) call.flags.emplace_back(option->name);
                continue;
            }
            const auto value = takeValue();
            if (!value) return Error(missing);
            if (option->kind == OptionKind::Digits &&
                value->find_first_not_of("0123456789-") != std::string::npos) {
                return Error("option " + std::string(name) + " takes only digits and '-'");
            }
            if (option->kind == OptionKind::Choice &&
                std::find(option->choices.begin(), option->choices.end(), *value) ==
                    option->choices.end()) {
                return Error("option " + std::string(name) + " takes " +
                             OptionUsage(*option).substr(std::string(name).size() + 1));
            }
            call.values[option->name] = toDocument(*value);
        }
    }
    // A call for help does nothing else, so whatever else it holds is no fault.
    if (!call.help) {
        if (call.backup && call.target != OutputTarget::InPlace) {
            return Error("--backup goes with --in-place");
        }
        if (!tool->readsInput && call.input) {
            return Error(std::string(tool->name) + " reads no input file");
        }
        if (!tool->readsInput && call.target == OutputTarget::InPlace) {
            return Error(std::string(tool->name) + " reads no input file to write in place");
        }
        if (call.target == OutputTarget::InPlace && (!call.input || *call.input == "-")) {
            return Error("--in-place needs a FILE");
        }
        for (const ToolOption& option : tool->options) {
            if (option.required && !call.values.count(option.name)) {
                return Error("option --" + std::string(option.name) + " is required for " +
                             tool->name);
            }
        }
    }
    if (call.input && *call.input == "-") call.input.reset();
    ParsedCommandLine parsed;
    parsed.call = std::move(call);
    return parsed;
}

std::string ToolListHelp() {
    std::string help =
        "Usage: scribbet-tool TOOL [OPTIONS] [FILE]\n"
        "Applies one text tool of the Scribbet editor to a GBK document and writes the\n"
        "resulting bytes. FILE (or standard input, also as '-') is read as the editor\n"
        "loads a file: the text ends at the first 0x00 or 0x1A at a character start.\n"
        "Option values are typed as in the tool's window and converted to GBK.\n"
        "\n"
        "Output:\n"
        "  (default)        standard output\n"
        "  -o PATH          write PATH (atomically)\n"
        "  --in-place       write FILE back (atomically) as the editor would save it:\n"
        "                   what follows the end of the text is not kept\n"
        "  --backup         with --in-place: keep the old bytes in FILE.bak\n"
        "When a tool refuses (a result too long), nothing is written and the status is 1;\n"
        "a bad command line gives status 2, a file that cannot be read or written 1.\n"
        "\n"
        "Tools (scribbet-tool TOOL --help for the options):\n";
    for (const ToolSpec& tool : CommandTools()) {
        std::string name = std::string("  ") + tool.name;
        name.resize(std::max<std::size_t>(name.size() + 1, 24), ' ');
        help += name + tool.summary + '\n';
    }
    return help;
}

std::string ToolHelp(const ToolSpec& tool) {
    std::string help = std::string("Usage: scribbet-tool ") + tool.name +
                       (tool.readsInput ? " [OPTIONS] [FILE]\n" : " [OPTIONS]\n");
    help += std::string(tool.summary) + ".\n";
    if (tool.options.empty()) return help + "No options of its own.\n";
    help += "Options:\n";
    for (const ToolOption& option : tool.options) {
        std::string usage = "  " + OptionUsage(option);
        usage.resize(std::max<std::size_t>(usage.size() + 1, 28), ' ');
        help += usage + option.help + (option.required ? " (required)\n" : "\n");
    }
    return help;
}

ToolResult RunToolCall(const ToolCall& call, AnsiText text) {
    return call.tool->run(call, std::move(text));
}

}  // namespace scribbet
