#pragma once
// How a file's bytes become the document and go back. The document is
// always code-page bytes; a UTF-8 or UTF-16 file is converted on load and
// converted back on save, so an unedited file is written back byte for byte.
// Every other file is the raw bytes of the loading rule (ReadTextFile).
#include <optional>
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

enum class FileEncoding {
    Ansi,     // raw code-page bytes
    Utf8,     // UTF-8 without byte-order mark
    Utf8Bom,  // UTF-8 after EF BB BF
    Utf16Le,  // UTF-16 little-endian after FF FE
    Utf16Be,  // UTF-16 big-endian after FE FF
};

// The form of the line ends of a text.
enum class LineEnds { None, CrLf, Lf, Cr, Mixed };

struct DecodedFile {
    AnsiText text;
    FileEncoding encoding = FileEncoding::Ansi;
};

// The encoding the bytes are in by their form: a UTF-8 byte-order mark before
// valid UTF-8; valid UTF-8 holding at least one multi-byte sequence; a UTF-16
// byte-order mark before whole, validly paired code units. UTF-8 with a zero
// byte is no text, so it is Ansi; so is everything else.
[[nodiscard]] FileEncoding DetectEncoding(std::string_view bytes);

// The document of a file: converted from its detected encoding when the
// conversion is exact both ways, else the raw loading rule with Ansi. The
// loading rule's stop at U+0000 or U+001A applies to the converted text.
[[nodiscard]] DecodedFile DecodeFile(std::string_view bytes);

// The document of a file read as the given encoding; nothing when the bytes
// are not in that form or would not come back unchanged (a byte-order mark
// of the encoding is skipped where it stands). Ansi always succeeds.
[[nodiscard]] std::optional<DecodedFile> DecodeFileAs(std::string_view bytes,
                                                      FileEncoding encoding);

// The bytes of a file holding the text in the encoding, byte-order mark
// included. EncodeFile(DecodeFile(b).text, DecodeFile(b).encoding) == b for
// every file without a stop character.
[[nodiscard]] ByteBuffer EncodeFile(const AnsiText& text, FileEncoding encoding);

// Every character of a file in the encoding, as UTF-8, byte-order mark
// left out and nothing cut; nothing when the bytes are not exactly that:
// invalid sequences, or for Ansi a zero byte or bytes that decode to no
// character.
[[nodiscard]] std::optional<std::string> FileToUtf8(std::string_view bytes,
                                                    FileEncoding encoding);

// The characters of the text that GBK cannot hold: its four-byte GB18030
// characters. Bytes that decode to no character do not count.
[[nodiscard]] Pos CountBeyondGbk(std::string_view text);

// The line ends of a text (the same bytes in the code page and in UTF-8).
[[nodiscard]] LineEnds DetectLineEnds(std::string_view text);

// Short names for the status bar and the command line.
[[nodiscard]] const char* EncodingName(FileEncoding encoding);
[[nodiscard]] const char* LineEndsName(LineEnds ends);

}  // namespace scribbet
