#pragma once
// The file commands of the document: New, Open, Save, Save As, Exit, the
// close check, the save-changes prompt and dropped files.
#include <optional>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/file_encoding.h"
#include "platform/files.h"
#include "platform/prompts.h"

namespace scribbet {

// The loading rule of a file's bytes: a 0x00 or 0x1A at the start of a
// character ends the text; a lead byte takes the next byte with it whatever
// it is (a 0x1A included), except that a lead byte before a 0x00 is dropped
// and the text ends there. A lead byte that is the file's last byte is kept.
[[nodiscard]] AnsiText ReadTextFile(std::string_view bytes);

// What the file commands tell the window around them.
class FileCommandEvents {
public:
    virtual ~FileCommandEvents() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void AddRecentFile(const std::string& path) = 0;
    // The file's encoding was set: by a load, a save or New.
    virtual void ShowEncoding(FileEncoding /*encoding*/) {}
};

enum class SaveResult { Saved, Cancelled, Failed };

class FileCommands {
public:
    FileCommands(Document& document, Files& files, Prompts& prompts, FileCommandEvents& events)
        : m_document(document), m_files(files), m_prompts(prompts), m_events(events) {}

    // The file the document was loaded from or last saved to; empty: untitled.
    [[nodiscard]] const std::string& CurrentPath() const { return m_currentPath; }
    // The encoding the current file was read in and is written back in;
    // a new document is Ansi.
    [[nodiscard]] FileEncoding Encoding() const { return m_encoding; }

    // Asks whether to save a modified document. True: the pending command
    // must stop (cancelled, or the save was cancelled or failed).
    [[nodiscard]] bool AskSaveChanges();
    // Writes the document to target, else to the current file, else to a
    // name the user chooses. A failure is reported and keeps the old file.
    SaveResult SaveDocument(const std::optional<std::string>& target);
    // Loads a file as the document; a file that cannot be read is reported
    // and leaves the document empty and untitled.
    bool LoadTextFile(const std::string& path);
    // Writes the document as SaveDocument does, but in the given encoding,
    // which then is the file's encoding.
    SaveResult SaveInEncoding(FileEncoding encoding);
    // Reads the current file again as the given encoding, after the
    // save-changes prompt. False, with the document unchanged, when there is
    // no current file, the user stopped, or the bytes are not in that form.
    bool ReopenAs(FileEncoding encoding);

    void New();
    void Open();
    void Save();
    void SaveAs();
    // True when the main window is to be destroyed.
    [[nodiscard]] bool Exit();
    // The close check of the main window: true lets it close.
    [[nodiscard]] bool CanClose();
    // Files dropped on the main window: the first is opened as Open does,
    // without touching the recent files.
    void DropFiles(const std::vector<std::string>& paths);

private:
    SaveResult Write(const std::optional<std::string>& target, FileEncoding encoding);
    void SetEncoding(FileEncoding encoding);

    Document& m_document;
    Files& m_files;
    Prompts& m_prompts;
    FileCommandEvents& m_events;
    std::string m_currentPath;
    FileEncoding m_encoding = FileEncoding::Ansi;
};

}  // namespace scribbet
