#include "core/file_commands.h"

#include <cstring>

namespace scribbet {
namespace {

constexpr char kUntitledCaption[] = "Scribbet";
constexpr char kAskSaveText[] = "文件已经被修改，是否保存？";
constexpr char kSaveFailedText[] = "保存文件失败！";
constexpr char kOpenFailedText[] = "打开文件失败！";
constexpr char kOpenTitle[] = "请输入欲打开的文本文件名：";
constexpr char kSaveTitle[] = "请输入欲保存到的文本文件名：";
constexpr char kSaveAsTitle[] = "请输入欲另存到的文本文件名：";
constexpr char kReopenFailedText[] = "文件不是这种编码，或含有无法转换的字节，未重新打开。";

// GB18030's four-byte characters are valid in the code page but unknown to
// programs that read GBK, so writing them as ANSI is the user's decision.
std::string BeyondGbkQuestion(Pos count) {
    return "文本中有 " + std::to_string(count) +
           " 个字符不在 GBK 字符集中，其他程序可能无法正确读取。仍然保存为 ANSI 吗？";
}

// Whether byte `at` starts a character, the characters stepped from `from`,
// which starts one. A byte below 0x80 always ends a character (alone or as a
// trail byte), so only the run of high bytes before `at` needs counting.
bool StartsCharacter(std::string_view bytes, std::size_t from, std::size_t at) {
    std::size_t run = at;
    while (run > from && static_cast<unsigned char>(bytes[run - 1]) >= 0x80) --run;
    return (at - run) % 2 == 0;
}

}  // namespace

AnsiText ReadTextFile(std::string_view bytes) {
    // Find each 0x00 and 0x1A with memchr and decide only there whether it
    // starts a character; the walk from the start is never done byte by byte.
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t from = 0;   // a character start at or before every candidate
    std::size_t nextZero = 0;
    std::size_t nextSub = 0;
    auto find = [&](char c, std::size_t at) {
        const void* hit = at < size ? std::memchr(data + at, c, size - at) : nullptr;
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data) : size;
    };
    nextZero = find('\0', 0);
    nextSub = find('\x1A', 0);
    for (;;) {
        const std::size_t at = std::min(nextZero, nextSub);
        if (at == size) return AnsiText(bytes);
        if (StartsCharacter(bytes, from, at)) return AnsiText(bytes.substr(0, at));
        // The byte is the trail of the lead byte before it.
        if (at == nextZero) return AnsiText(bytes.substr(0, at - 1));
        from = at + 1;
        nextSub = find('\x1A', at + 1);
    }
}

bool FileCommands::AskSaveChanges() {
    if (!m_document.IsModified()) return false;
    switch (m_prompts.ShowMessage(MessageKind::Question, kAskSaveText)) {
        case Answer::Yes:
            return SaveDocument(std::nullopt) != SaveResult::Saved;
        case Answer::No:
            return false;
        default:
            return true;
    }
}

SaveResult FileCommands::SaveDocument(const std::optional<std::string>& target) {
    return Write(target, m_encoding);
}

SaveResult FileCommands::SaveInEncoding(FileEncoding encoding) {
    return Write(std::nullopt, encoding);
}

SaveResult FileCommands::Write(const std::optional<std::string>& target, FileEncoding encoding) {
    std::string path = target ? *target : m_currentPath;
    if (path.empty()) {
        const auto chosen = m_prompts.ChooseFile(ChooserKind::Save, kSaveTitle);
        if (!chosen) return SaveResult::Cancelled;
        path = *chosen;
    }
    const AnsiText text = m_document.GetText();
    if (encoding == FileEncoding::Ansi) {
        const Pos beyond = CountBeyondGbk(text);
        // No and Cancel both keep the file unwritten and stop what waits on it.
        if (beyond > 0 &&
            m_prompts.ShowMessage(MessageKind::Question, BeyondGbkQuestion(beyond)) != Answer::Yes) {
            return SaveResult::Cancelled;
        }
    }
    if (!m_files.WriteFile(path, EncodeFile(text, encoding))) {
        m_prompts.ShowMessage(MessageKind::Error, kSaveFailedText);
        return SaveResult::Failed;
    }
    m_document.SetModified(false);
    m_currentPath = path;
    SetEncoding(encoding);
    m_events.AddRecentFile(path);
    return SaveResult::Saved;
}

bool FileCommands::LoadTextFile(const std::string& path) {
    const std::optional<ByteBuffer> bytes = m_files.ReadFile(path);
    if (!bytes) {
        m_document.ResetText(AnsiText());
        m_currentPath.clear();
        SetEncoding(FileEncoding::Ansi);
        m_events.SetCaption(kUntitledCaption);
        m_prompts.ShowMessage(MessageKind::Error, kOpenFailedText);
        return false;
    }
    DecodedFile decoded = DecodeFile(*bytes);
    m_document.ResetText(std::move(decoded.text));
    SetEncoding(decoded.encoding);
    m_currentPath = path;
    m_events.SetCaption(std::string(kUntitledCaption) + " - " + path);
    return true;
}

bool FileCommands::ReopenAs(FileEncoding encoding) {
    if (m_currentPath.empty() || AskSaveChanges()) return false;
    const std::optional<ByteBuffer> bytes = m_files.ReadFile(m_currentPath);
    if (!bytes) {
        m_prompts.ShowMessage(MessageKind::Error, kOpenFailedText);
        return false;
    }
    std::optional<DecodedFile> decoded = DecodeFileAs(*bytes, encoding);
    if (!decoded) {
        m_prompts.ShowMessage(MessageKind::Error, kReopenFailedText);
        return false;
    }
    m_document.ResetText(std::move(decoded->text));
    SetEncoding(decoded->encoding);
    return true;
}

void FileCommands::SetEncoding(FileEncoding encoding) {
    m_encoding = encoding;
    m_events.ShowEncoding(encoding);
}

void FileCommands::New() {
    if (AskSaveChanges()) return;
    m_document.ResetText(AnsiText());
    SetEncoding(FileEncoding::Ansi);
    m_events.SetCaption(kUntitledCaption);
    m_currentPath.clear();
}

void FileCommands::Open() {
    if (AskSaveChanges()) return;
    const auto chosen = m_prompts.ChooseFile(ChooserKind::Open, kOpenTitle);
    if (!chosen) return;
    if (LoadTextFile(*chosen)) m_events.AddRecentFile(*chosen);
}

void FileCommands::Save() { SaveDocument(std::nullopt); }

void FileCommands::SaveAs() {
    const auto chosen = m_prompts.ChooseFile(ChooserKind::Save, kSaveAsTitle);
    if (!chosen) return;
    SaveDocument(*chosen);
}

bool FileCommands::Exit() { return !AskSaveChanges(); }

bool FileCommands::CanClose() {
    if (m_document.IsEmpty()) return true;
    return !AskSaveChanges();
}

void FileCommands::DropFiles(const std::vector<std::string>& paths) {
    if (paths.empty() || AskSaveChanges()) return;
    LoadTextFile(paths.front());
}

}  // namespace scribbet
