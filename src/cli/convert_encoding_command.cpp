#include "cli/convert_encoding_command.h"

namespace scribbet {
namespace {

const char* FaultReason(FileFault fault) {
    switch (fault) {
        case FileFault::Unreadable:
            return "cannot read";
        case FileFault::Unwritable:
            return "cannot write";
        case FileFault::BackupFailed:
            return "cannot write the backup of";
        case FileFault::NotLossless:
            break;
    }
    return "not converted (bytes that would not survive the conversion)";
}

}  // namespace

ParsedConvertEncoding ParseConvertEncoding(const std::vector<std::string>& args) {
    ConvertEncodingCall call;
    bool targetGiven = false;
    bool onlyPaths = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyPaths || arg.empty() || arg[0] != '-') {
            call.paths.push_back(arg);
        } else if (arg == "--") {
            onlyPaths = true;
        } else if (arg == "--help" || arg == "-h") {
            call.help = true;
        } else if (arg == "--backup") {
            call.backup = true;
        } else if (arg == "--to") {
            if (i + 1 == args.size()) return {std::nullopt, "--to needs ansi, utf-8 or utf-8-bom"};
            const std::string& to = args[++i];
            if (to == "ansi") {
                call.target = EncodingTarget::Ansi;
            } else if (to == "utf-8") {
                call.target = EncodingTarget::Utf8;
            } else if (to == "utf-8-bom") {
                call.target = EncodingTarget::Utf8Bom;
            } else {
                return {std::nullopt, "--to takes ansi, utf-8 or utf-8-bom, not '" + to + "'"};
            }
            targetGiven = true;
        } else {
            return {std::nullopt, "convert-encoding has no option " + arg};
        }
    }
    if (call.help) return {call, ""};
    if (!targetGiven) return {std::nullopt, "convert-encoding needs --to ansi|utf-8|utf-8-bom"};
    if (call.paths.empty()) return {std::nullopt, "convert-encoding needs at least one FILE"};
    return {call, ""};
}

std::string ConvertEncodingSummary() {
    return "  convert-encoding  convert files between GBK and UTF-8 in place "
           "(convert-encoding --help)\n";
}

std::string ConvertEncodingHelp() {
    return "Usage: scribbet-tool convert-encoding --to ansi|utf-8|utf-8-bom [--backup] FILE...\n"
           "Converts each FILE in place (atomically) between GBK (ansi) and UTF-8, with or\n"
           "without byte-order mark. A file's encoding is detected: a UTF-8 or UTF-16\n"
           "byte-order mark, or valid UTF-8 with a multi-byte sequence; else it is GBK.\n"
           "A file already in the target encoding is left alone; one whose bytes would\n"
           "not survive the conversion (invalid sequences, a zero byte) is skipped.\n"
           "  --backup         keep the old bytes of each converted file in FILE.bak\n"
           "The status is 1 when any file was skipped or failed, 2 for a bad command line.\n";
}

ConversionReport ReportConversion(const ConversionOutcome& outcome) {
    ConversionReport report;
    for (const std::string& path : outcome.converted) report.lines.append("converted: ").append(path).append("\n");
    for (const std::string& path : outcome.unchanged) report.lines.append("unchanged: ").append(path).append("\n");
    for (const FileFailure& failure : outcome.failed) {
        report.errors.append(FaultReason(failure.fault)).append(": ").append(failure.path).append("\n");
    }
    return report;
}

}  // namespace scribbet
