// scribbet-tool: one text tool of the editor applied to a document, for
// scripts and pipelines. The tools themselves are in cli/tool_command.h;
// this file only reads the arguments, the file or stream, and writes.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/convert_encoding_command.h"
#include "cli/tool_command.h"
#include "core/code_page.h"
#include "core/file_commands.h"
#include "platform/files.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace scribbet {
namespace {

constexpr char kProgram[] = "scribbet-tool";
constexpr int kFailed = 1;
constexpr int kBadCommandLine = 2;

// The only place that knows how the system hands over arguments. Here they
// are UTF-8, as a window's field text is, so a value converts as a field
// does and a path is already what LocalFiles takes. Where they arrive in the
// ANSI code page (Windows), the values are document bytes as they stand; the
// paths, which LocalFiles takes as UTF-8, are to be converted here as well
// before that build is shipped.
AnsiText ArgumentToDocument(std::string_view argument) {
#ifdef _WIN32
    return AnsiText(argument);
#else
    return EncodeAnsi(argument);
#endif
}

int Fail(const std::string& message, int status) {
    std::cerr << kProgram << ": " << message << '\n';
    return status;
}

std::optional<ByteBuffer> ReadStandardInput() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    ByteBuffer bytes;
    char chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) bytes.append(chunk, got);
    if (std::ferror(stdin)) return std::nullopt;
    return bytes;
}

bool WriteStandardOutput(std::string_view bytes) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    return std::fflush(stdout) == 0 && written;
}

// Files converted in place: no document, no text tool.
int RunConvertEncoding(const std::vector<std::string>& args) {
    const ParsedConvertEncoding parsed = ParseConvertEncoding(args);
    if (!parsed.call) return Fail(parsed.error, kBadCommandLine);
    if (parsed.call->help) {
        std::cout << ConvertEncodingHelp();
        return 0;
    }
    LocalFiles files;
    const ConversionReport report = ReportConversion(
        ConvertFiles(files, parsed.call->paths, parsed.call->target, parsed.call->backup));
    std::cout << report.lines;
    std::cerr << report.errors;
    return report.errors.empty() ? 0 : kFailed;
}

int Run(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == kConvertEncodingCommand) {
        return RunConvertEncoding(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    const ParsedCommandLine parsed = ParseToolCommandLine(args, ArgumentToDocument);
    if (parsed.listTools) {
        std::cout << ToolListHelp() << ConvertEncodingSummary();
        return 0;
    }
    if (!parsed.call) return Fail(parsed.error, kBadCommandLine);
    const ToolCall& call = *parsed.call;
    if (call.help) {
        std::cout << ToolHelp(*call.tool);
        return 0;
    }

    LocalFiles files;
    std::optional<ByteBuffer> bytes;
    if (call.tool->readsInput) {
        bytes = call.input ? files.ReadFile(*call.input) : ReadStandardInput();
        if (!bytes) {
            return Fail("cannot read " + (call.input ? *call.input : std::string("standard input")),
                        kFailed);
        }
    }
    AnsiText text = bytes ? ReadTextFile(*bytes) : AnsiText();
    // Only a backup needs the file's own bytes; without one they would
    // double what a large document holds in memory while the tool runs.
    if (!call.backup) bytes.reset();
    ToolResult result = RunToolCall(call, std::move(text));
    if (!result.text) return Fail(result.error, kFailed);

    switch (call.target) {
        case OutputTarget::Standard:
            if (!WriteStandardOutput(*result.text)) return Fail("cannot write standard output", kFailed);
            break;
        case OutputTarget::File:
            if (!files.WriteFile(call.outputPath, *result.text)) {
                return Fail("cannot write " + call.outputPath, kFailed);
            }
            break;
        case OutputTarget::InPlace: {
            // The old bytes are safe in the backup before the file changes.
            const std::string backup = *call.input + ".bak";
            if (call.backup && !files.WriteFile(backup, *bytes)) {
                return Fail("cannot write " + backup, kFailed);
            }
            if (!files.WriteFile(*call.input, *result.text)) {
                return Fail("cannot write " + *call.input, kFailed);
            }
            break;
        }
    }
    return 0;
}

}  // namespace
}  // namespace scribbet

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    return scribbet::Run(args);
}
