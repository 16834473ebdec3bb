#include "core/foundation/codec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarvinel;

namespace {

using tLINES = std::vector<std::string>;

const std::string kBOM8 = "\xEF\xBB\xBF";
const std::string kFFFD = "\xEF\xBF\xBD";

// Printable form of bytes for failure messages.
std::string hex(const std::string& s) {
  std::string out;
  for (const char c : s) {
    static const char* d = "0123456789ABCDEF";
    const auto b = static_cast<unsigned char>(c);
    out += d[b >> 4];
    out += d[b & 15];
    out += ' ';
  }
  return out;
}

TEST(codec, EveryCp1252ByteRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    const char32_t c = cp1252char(static_cast<unsigned char>(b));
    EXPECT_EQ(cp1252byte(c), b) << "byte " << b << " -> U+" << std::hex << static_cast<int>(c);
  }
  // Code points without a byte: the C1 controls that 0x80..0x9F do not keep,
  // and everything outside the code page.
  for (const char32_t c : {char32_t(0x80), char32_t(0x9F), char32_t(0x100), char32_t(0x2206),
                           char32_t(0x2192), char32_t(0xFFFD), char32_t(0x1F600)})
    EXPECT_EQ(cp1252byte(c), -1) << "U+" << std::hex << static_cast<int>(c);
}

TEST(codec, AllBytesOfACp1252FileSurviveDecodeAndEncode) {
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes.push_back(static_cast<char>(b));
  bytes += "\r\n";
  const tLINES lines = decodelines(bytes);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(encodelines(lines), bytes) << hex(encodelines(lines));
}

TEST(codec, Cp1252Text) {
  const tLINES lines = {"caption \"ç ã é ° µ €\"", "", "obs \"Ação – “ok”\""};
  const std::string expected =
      "caption \"\xE7 \xE3 \xE9 \xB0 \xB5 \x80\"\r\n"
      "\r\n"
      "obs \"A\xE7\xE3o \x96 \x93ok\x94\"\r\n";
  const std::string bytes = encodelines(lines);
  EXPECT_EQ(bytes, expected) << hex(bytes);
  EXPECT_EQ(decodelines(bytes), lines);
}

TEST(codec, CharacterOutsideCp1252WritesUtf8WithBom) {
  const std::vector<tLINES> docs = {
      {"projeto-coord{", "\tcaption \"∆ Trafo 1\"", "}"},
      {"obs \"a → b, ç\""},
      {"x \"😀\""},
  };
  for (const tLINES& lines : docs) {
    const std::string bytes = encodelines(lines);
    std::string expected = kBOM8;
    for (const auto& l : lines) expected += l + "\r\n";
    EXPECT_EQ(bytes, expected) << lines.front();
    EXPECT_EQ(decodelines(bytes), lines) << lines.front();
  }
}

TEST(codec, TextThatLooksLikeABomIsWrittenAsUtf8) {
  // As Windows-1252 these lines would start with EF BB BF, FF FE or FE FF and
  // be read back in another encoding.
  for (const std::string first : {"ï»¿x", "ÿþabc", "þÿ"}) {
    const tLINES lines = {first, "y"};
    const std::string bytes = encodelines(lines);
    EXPECT_EQ(bytes.substr(0, 3), kBOM8) << first;
    EXPECT_EQ(decodelines(bytes), lines) << first;
  }
  // Elsewhere in the file the same characters stay Windows-1252.
  EXPECT_EQ(encodelines({"aÿþ"}), "a\xFF\xFE\r\n");
  // Windows-1252 bytes that would read as UTF-8 ("Ã©" is C3 A9, "é" in UTF-8).
  for (const std::string texto : {"Ã©", "obs \"Â°C\""}) {
    const std::string bytes = encodelines({texto});
    EXPECT_EQ(bytes.substr(0, 3), kBOM8) << texto;
    EXPECT_EQ(decodelines(bytes), tLINES{texto}) << texto;
  }
}

struct tDECODEROW {
  const char* name;
  std::string bytes;
  tLINES lines;
};

TEST(codec, DecodesByByteOrderMark) {
  const std::vector<tDECODEROW> rows = {
      {"cp1252", "a\xE7\xE3o\r\n\x80", {"ação", "€"}},
      // without a mark, valid UTF-8 with non-ASCII characters is UTF-8
      {"utf8 without bom", "a\xC3\xA7\xC3\xA3o\r\n\xE2\x86\x92 \xE2\x82\xAC", {"ação", "→ €"}},
      {"utf8 without bom, one bad byte", "\xC3\xA7\r\n\xE7", {"Ã§", "ç"}},
      {"ascii", "caption \"a\"\r\n", {"caption \"a\""}},
      {"utf8", kBOM8 + "ação\r\n→", {"ação", "→"}},
      {"utf8 only bom", kBOM8, {}},
      {"utf8 second bom kept", kBOM8 + kBOM8 + "x", {"\xEF\xBB\xBFx"}},
      {"utf8 invalid byte",
       kBOM8 + "a\xFF"
               "b",
       {"a" + kFFFD + "b"}},
      {"utf8 truncated", kBOM8 + "a\xC3", {"a" + kFFFD}},
      {"utf8 overlong", kBOM8 + "\xC0\xAF", {kFFFD + kFFFD}},
      {"utf8 surrogate", kBOM8 + "\xED\xA0\x80", {kFFFD + kFFFD + kFFFD}},
      {"utf8 above 10FFFF", kBOM8 + "\xF4\x90\x80\x80", {kFFFD + kFFFD + kFFFD + kFFFD}},
      {"utf8 lone continuation", kBOM8 + "\x80z", {kFFFD + "z"}},
      {"utf16le",
       std::string("\xFF\xFE"
                   "a\0\xE7\0\r\0\n\0\x06\x22",
                   12),
       {"aç", "∆"}},
      {"utf16be", std::string("\xFE\xFF\0a\0\xE7\0\r\0\n\x22\x06", 12), {"aç", "∆"}},
      {"utf16le pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), {"😀"}},
      {"utf16le lone high",
       std::string("\xFF\xFE\x3D\xD8"
                   "a\0",
                   6),
       {kFFFD + "a"}},
      {"utf16le high at end", std::string("\xFF\xFE\x3D\xD8", 4), {kFFFD}},
      {"utf16be lone low", std::string("\xFE\xFF\xDE\x00\0b", 6), {kFFFD + "b"}},
      {"utf16le odd byte",
       std::string("\xFF\xFE"
                   "a\0b",
                   5),
       {"a" + kFFFD}},
      {"nul kept", std::string("a\0b", 3), {std::string("a\0b", 3)}},
  };
  for (const auto& r : rows) EXPECT_EQ(decodelines(r.bytes), r.lines) << r.name;
}

TEST(codec, LineEnds) {
  const std::vector<tDECODEROW> rows = {
      {"empty", "", {}},
      {"one line", "a", {"a"}},
      {"crlf at end", "a\r\n", {"a"}},
      {"lf at end", "a\n", {"a"}},
      {"cr at end", "a\r", {"a"}},
      {"empty line at end", "a\n\n", {"a", ""}},
      {"only crlf", "\r\n", {""}},
      {"lf then cr", "\n\r", {"", ""}},
      {"mix", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
      {"cr cr lf", "a\r\r\nb", {"a", "", "b"}},
      {"lf cr lf", "a\n\r\nb", {"a", "", "b"}},
      {"blank lines", "\r\n\r\nx\r\n", {"", "", "x"}},
  };
  for (const auto& r : rows) EXPECT_EQ(decodelines(r.bytes), r.lines) << r.name;
}

TEST(codec, EncodeWritesCrLfAfterEveryLine) {
  EXPECT_EQ(encodelines({}), "");
  EXPECT_EQ(encodelines({""}), "\r\n");
  EXPECT_EQ(encodelines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(codec, InvalidUtf8GivenForWritingIsTakenAsCp1252) {
  struct {
    const char* name;
    tLINES lines;
    std::string bytes;
    tLINES back;
  } const rows[] = {
      {"cp1252 byte", {"a\xE7"}, "a\xE7\r\n", {"aç"}},
      {"euro byte", {"\x80 5"}, "\x80 5\r\n", {"€ 5"}},
      {"surrogate bytes", {"\xED\xA0\x80"}, "\xED\xA0\x80\r\n", {"í\xC2\xA0€"}},
      {"with a utf8 line", {"→\xE7"}, kBOM8 + "→ç\r\n", {"→ç"}},
  };
  for (const auto& r : rows) {
    const std::string bytes = encodelines(r.lines);
    EXPECT_EQ(bytes, r.bytes) << r.name << ": " << hex(bytes);
    EXPECT_EQ(decodelines(bytes), r.back) << r.name;
    // Once decoded, the text is stable: writing it again gives the same bytes.
    EXPECT_EQ(encodelines(decodelines(bytes)), bytes) << r.name;
  }
}

}  // namespace
