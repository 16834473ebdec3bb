#pragma once
// Whole-file reading and atomic writing. Every failure throws tERROARQ with a
// Portuguese message naming the file and the cause; nothing is ignored.
//
// Saving never leaves half a file: the bytes go to a temporary file beside the
// target, are flushed to the disk, and only then replace the target by a
// rename. On any failure the temporary file is removed and the previous file
// stays exactly as it was.

#include <string>
#include <string_view>
#include <vector>

#include "core/foundation/erroarq.h"

namespace tarvinel {

// Larger files are refused: no document comes near it, and reading a huge
// unrelated file whole would only exhaust memory.
inline constexpr std::size_t kMAXARQ = 256u << 20;

// The file's bytes, unchanged.
std::string lerbytes(const std::string& path);
// The lines of a document file, decoded (see codec.h).
std::vector<std::string> lerlinhas(const std::string& path);

// Atomic save of bytes exactly as given.
void gravarbytes(const std::string& path, std::string_view bytes);
// Atomic save of a document file: lines encoded by encodelines (codec.h).
void gravarlinhas(const std::string& path, const std::vector<std::string>& lines);
// Atomic save of UTF-8 text (reports, text exports): no byte-order mark, the
// bytes as given.
void gravartexto(const std::string& path, std::string_view utf8);

// The parts of a path as the program names files. Both "/" and "\" end a
// folder, so a name written as on Windows splits the same way.
//
// The file name: what follows the last "/" or "\" (the whole path when there
// is none).
std::string nome_arquivo(std::string_view path);
// The file name's extension with its dot, from the last "." of the name;
// empty when the name has none. The case is kept: "A.Coord" gives ".Coord".
std::string extensao(std::string_view path);
// The file name without its extension: "/x/y.tar.gz" gives "y.tar".
std::string nome_sem_extensao(std::string_view path);
// True when the file name's extension is ext (dot included, in lower case)
// in any case of the name: "A.COORD" has ".coord".
bool tem_extensao(std::string_view path, std::string_view ext);

}  // namespace tarvinel
