#pragma once
// scribbet-tool convert-encoding: the batch window's encoding conversion
// over the files named on the command line. The reading of the command line
// and the report are here; the conversion is ConvertFiles.
#include <optional>
#include <string>
#include <vector>

#include "batch/encoding_convert.h"

namespace scribbet {

inline constexpr char kConvertEncodingCommand[] = "convert-encoding";

struct ConvertEncodingCall {
    EncodingTarget target = EncodingTarget::Ansi;
    bool backup = false;
    bool help = false;
    std::vector<std::string> paths;
};

// What the arguments after the command name ask for, or what is wrong with
// them (one line, without the program name).
struct ParsedConvertEncoding {
    std::optional<ConvertEncodingCall> call;
    std::string error;
};

[[nodiscard]] ParsedConvertEncoding ParseConvertEncoding(const std::vector<std::string>& args);

[[nodiscard]] std::string ConvertEncodingHelp();
// The line of the command in the list of tools.
[[nodiscard]] std::string ConvertEncodingSummary();

// One line per file: "converted: PATH", "unchanged: PATH" (already in the
// target encoding); failures go to `errors` as "REASON: PATH".
struct ConversionReport {
    std::string lines;
    std::string errors;
};
[[nodiscard]] ConversionReport ReportConversion(const ConversionOutcome& outcome);

}  // namespace scribbet
