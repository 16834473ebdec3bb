#pragma once
// The block text file shared by both document kinds: a tree of named blocks,
// one item per line.
//
//   projeto-coord{          block opener: a name immediately followed by "{"
//     tensaon 13.80         key line: key, blank, value (more words allowed)
//     ajuste-trafo{
//       caption "Principal"
//     }                     block closer: exactly "}"
//   }
//
// One tab per nesting level is written at the start of a line; on reading every
// tab anywhere in a line is dropped, so indentation carries no meaning. There is
// no generic parser: each block kind has its own writer (adds of the opener, the
// keys in fixed order, adds("}")) and its own reader (a next(openers) loop
// comparing `line` with the sub-block openers it knows and `cmd` with its keys;
// anything else is ignored, and the block's own closer ends it).
//
// A block a reader does not know (written by a newer version of the program)
// is skipped by next(openers) as a unit: its nested blocks are counted, the
// lines after it are read as usual and the message log gets a warning naming
// it. An opener or a
// closer followed by blanks counts as such.
//
// One instance serves one whole file in one direction, owned by the document's
// save or load operation.

#include <fmt/printf.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvinel {

class tSTRINGARQ {
 public:
  // The current line as read by next(), every tab removed.
  std::string line;
  // 0-based index of the line next() reads next; it only grows.
  std::int32_t linenumber = 0;
  // Kept for the file layout of the block reader; nothing sets or reads it.
  bool eop = false;
  // Word 0 of `line`: the key or the block opener.
  std::string cmd;
  // Word 1 of `line`, and the same read as an integer and as a real (0 when it
  // is not a number; "," is accepted as the decimal point).
  std::string ps;
  std::int32_t pi = 0;
  double pf = 0;
  // Nesting depth while writing; moved only by the braces of adds' formats.
  std::int32_t level = 0;

  // --- the line list
  void add(std::string s) { lines_.push_back(std::move(s)); }
  int count() const { return static_cast<int>(lines_.size()); }
  const std::string& operator[](int i) const { return lines_.at(static_cast<std::size_t>(i)); }
  const std::vector<std::string>& lines() const { return lines_; }
  void clear() { lines_.clear(); }

  // Replaces the lines by those of the file (codec.h); the reading position and
  // the fields are left as they are. Throws tERROARQ.
  void loadfromfile(const std::string& path);
  // The file loadfromfile read, for messages; empty for lines added in memory.
  const std::string& nome() const { return nome_; }
  // Atomic save of all lines (codec.h). Throws tERROARQ.
  void savetofile(const std::string& path) const;

  // --- writing
  // Formats one line printf-style (fmt::sprintf, decimal point ".") and
  // appends it indented by `level`. Only the braces of the format move the
  // depth: each "}" closes one level before the line is written, each "{"
  // opens one after it. Braces inside inserted values never count.
  template <class... Args>
  requires(sizeof...(Args) > 0) void adds(std::string_view format, const Args&... args) {
    put(format, fmt::sprintf(format, args...));
  }
  // A line without arguments: still formatted ("%%" gives "%"), but a stray
  // "%" never throws; the text is then written as it is.
  void adds(std::string_view format);

  // --- reading
  // Reads the line at `linenumber` into line, cmd, ps, pi and pf. False at the
  // end of the data (all fields then keep the last line's values) and at a
  // block closer. Trailing blanks after an opener or a closer are dropped
  // from `line`.
  bool next();
  // next() for a reader whose sub-blocks are `conhecidos` (their openers): any
  // other block is skipped as a unit, with a warning in the message log, and
  // the line after it is read instead.
  bool next(std::span<const std::string_view> conhecidos);
  bool next(std::initializer_list<std::string_view> conhecidos) {
    return next(std::span<const std::string_view>(conhecidos.begin(), conhecidos.size()));
  }
  // True once next() met the end of the data: the blocks being read had no
  // closer, so the file ended early.
  bool fimdados() const { return fim_; }

  // Reads a whole document: calls `bloco` just after each top-level `opener`
  // (it reads the block through its closer); other top-level blocks are
  // skipped as units and stray lines ignored. A block cut short by the end of
  // the data is kept, with a warning that the file ended early. When the data
  // holds no such block, throws tERROARQ naming the file: it is not a
  // document of that kind (`oque`: "um coordenograma").
  void lerdocumento(std::string_view opener, std::string_view oque,
                    const std::function<void()>& bloco);

 private:
  void put(std::string_view format, std::string text);
  // Reads past the block whose opener is `line`, nested blocks included,
  // through its closer or to the end of the data.
  void pulabloco();
  // "Arquivo \"nome\", linha n" (or "Linha n" in memory), for warnings.
  std::string onde(int linha) const;
  // The warning for the unknown block whose opener is `line`.
  std::string desconhecido() const;

  std::vector<std::string> lines_;
  std::string nome_;
  bool fim_ = false;
};

// Word n (0-based) of s. Separators are the blank, CR and LF; a run of blanks
// counts once and leading blanks are skipped; tabs are ignored. The double
// quote and "¨" are interchangeable quote characters that are never copied: a
// quoted part may hold blanks, quotes may sit inside a word, an empty pair is
// an empty word, an open quote runs to the end. A word beyond the last is "".
std::string getword(std::string_view s, int n);
// True when the line text (tabs removed) is a block opener: one word without
// blanks or quotes ending in "{".
bool abrebloco(std::string_view line);
// txt2real(getword(s, n), 0, 0, 0).
double getwordf(std::string_view s, int n);

// A text as a block file can hold it inside a quoted value: the format has no
// escape, so a double quote becomes "”", "¨" becomes "'", and a tab, CR or LF
// becomes one blank, CR LF too (a pasted line "}" would otherwise end a block).
std::string textoarq(std::string_view s);

}  // namespace tarvinel
