#include "web/run_script.h"

namespace scribbet {

ScriptRun RunScript(const std::string& fileName, const Document& document, Files& files,
                    Shell& shell, Prompts& prompts) {
    const std::optional<std::string> folder = files.PrivateTempFolder();
    if (!folder) {
        prompts.ShowMessage(MessageKind::Error,
                            "找不到只属于当前用户的临时文件夹，脚本没有运行。");
        return ScriptRun::NoFolder;
    }
    std::string path;
    path.reserve(folder->size() + 1 + fileName.size());
    path.append(*folder).append("/").append(fileName);
    if (!files.WriteFile(path, TextToBytes(document.GetText()))) {
        prompts.ShowMessage(MessageKind::Error, "无法写入脚本文件“" + path + "”，脚本没有运行。");
        return ScriptRun::NotWritten;
    }
    return shell.Open(path) ? ScriptRun::Launched : ScriptRun::NotLaunched;
}

}  // namespace scribbet
