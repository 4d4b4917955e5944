#pragma once
// The conversion between a document's bytes (GBK, read as GB18030) and the
// UTF-8 that the edit area holds.
//
// Lossless both ways for what the document can hold: for every byte string b
// without zero bytes EncodeAnsi(DecodeAnsi(b)) == b, including byte pairs that
// are no character, a lone lead byte at the end, lone CR and LF and control
// bytes. Such pairs decode to code points of the private range
// [kUndecodableBase, kUndecodableBase + 0x8000), one per (lead, trail) pair,
// and encode back to the same bytes.
//
// The mapping is GB18030-2022 (tools/make_gb18030_tables.py writes the
// table): GBK reads as GBK, its user-defined areas as the Private Use Area.
// A four-byte code whose code point is one of the private code points in use
// above reads as two pairs instead, so that the bytes keep their meaning.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

// The private code points that stand for bytes that decode to no character:
// kUndecodableBase + (lead - 0x80) * 256 + trail, where trail 0 stands for a
// lone lead byte at the end of the text.
inline constexpr char32_t kUndecodableBase = 0xF0000;

// Document bytes to UTF-8. Every byte of 0x80 or above starts a two-byte
// character, as in the text primitives; a GB18030 four-byte sequence decodes
// to its one character.
[[nodiscard]] std::string DecodeAnsi(std::string_view ansi);

// UTF-8 to document bytes. Every Unicode character has a form in GB18030, so
// nothing is replaced by '?'. U+0000 is dropped (a text holds no zero byte);
// a byte that is not valid UTF-8 becomes the form of U+FFFD.
[[nodiscard]] AnsiText EncodeAnsi(std::string_view utf8);

// The UTF-8 offset in DecodeAnsi(ansi) of the character that holds byte
// ansiOffset of ansi. An offset inside a character gives that character's
// start; offsets are clamped to 0 .. size. Both offset mappings follow the
// converters' own parse, so at character starts each undoes the other.
[[nodiscard]] Pos AnsiToUtf8Offset(std::string_view ansi, Pos ansiOffset);

// The inverse: the document byte offset of the character that holds UTF-8
// byte utf8Offset of utf8, clamped likewise. A byte that is not valid UTF-8
// counts as the four bytes of U+FFFD, U+0000 as none.
[[nodiscard]] Pos Utf8ToAnsiOffset(std::string_view utf8, Pos utf8Offset);

}  // namespace scribbet
