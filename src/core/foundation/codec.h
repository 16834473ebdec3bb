#pragma once
// The one codec of document files. Inside the program every text is UTF-8; on
// disk a document is Windows-1252 without a byte-order mark, CR LF after every
// line. A document that holds a character Windows-1252 cannot represent is
// written as UTF-8 with a byte-order mark instead, so nothing typed is lost.
//
// Decoding never fails: whatever the bytes, the result is valid UTF-8 (bad
// sequences become U+FFFD). Encoding never fails either: a byte of the given
// text that is not part of valid UTF-8 is taken as a Windows-1252 byte.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvinel {

enum class tCODIF { cp1252, utf8, utf16le, utf16be };

// Encoding chosen by a leading byte-order mark; Windows-1252 without one
// (decodetext still reads a file without a mark as UTF-8 when it is valid
// UTF-8 holding non-ASCII characters, as modern editors save).
// `bomsize` receives the length of the mark (0 for Windows-1252).
tCODIF detectcodif(std::string_view bytes, std::size_t& bomsize);

// The whole file's bytes as one UTF-8 text (line ends untouched). Without a
// byte-order mark: UTF-8 when the bytes are valid UTF-8 and not all ASCII
// (Windows-1252 text with accents is almost never valid UTF-8), otherwise
// Windows-1252.
std::string decodetext(std::string_view bytes);

// Splits UTF-8 text into lines ending at CR LF, a lone CR or a lone LF. A final
// line without terminator counts; a terminator at the very end adds no empty line.
std::vector<std::string> splitlines(std::string_view text);

// decodetext + splitlines.
std::vector<std::string> decodelines(std::string_view bytes);

// Bytes of a document file: every line followed by CR LF, Windows-1252 when all
// of it fits and reads back as written, otherwise UTF-8 with a byte-order mark.
std::string encodelines(const std::vector<std::string>& lines);

// Windows-1252 byte -> Unicode code point (all 256 bytes defined; the five
// bytes without a character map to the C1 control of the same value).
char32_t cp1252char(unsigned char b);
// Unicode code point -> Windows-1252 byte; -1 when it has none.
int cp1252byte(char32_t c);

// Appends the UTF-8 form of c (surrogates and values above U+10FFFF give U+FFFD).
void pututf8(std::string& out, char32_t c);

// True when the bytes are strict UTF-8 (readutf8) from first to last.
bool utf8valido(std::string_view bytes);
// True when some byte is not ASCII.
bool temnaoascii(std::string_view bytes);

// Reads one code point of strict UTF-8 at s[i]; returns its length in bytes, or
// 0 when s[i] does not start a valid sequence (overlong forms, surrogates and
// values above U+10FFFF are invalid).
std::size_t readutf8(std::string_view s, std::size_t i, char32_t& c);

}  // namespace tarvinel
