#pragma once
// Running the document's text as a script through the desktop's shell.
#include <string>

#include "core/document.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "platform/shell.h"

namespace scribbet {

inline constexpr const char* kVbsScript = "ls.vbs";
inline constexpr const char* kBatScript = "ls.bat";

enum class ScriptRun {
    Launched,     // written and handed to the shell
    NoFolder,     // no private temporary folder: nothing written or launched
    NotWritten,   // the file could not be written: nothing launched
    NotLaunched,  // written, but no handler took it
};

// Writes the whole text of `document` as it is to `fileName` in the user's
// private temporary folder and opens that file with the shell, without
// waiting for it. When the file cannot be written an error says so and
// nothing runs, so an older script is never started in its place. The
// document is not changed.
ScriptRun RunScript(const std::string& fileName, const Document& document, Files& files,
                    Shell& shell, Prompts& prompts);

}  // namespace scribbet
