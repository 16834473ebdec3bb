#include "core/foundation/arquivo.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "core/foundation/codec.h"

namespace tarvinel {

namespace fs = std::filesystem;

namespace {

// Closes the descriptor when the scope ends unless it was released.
class tFD {
 public:
  explicit tFD(int fd) : fd_(fd) {}
  ~tFD() {
    if (fd_ >= 0) ::close(fd_);
  }
  tFD(const tFD&) = delete;
  tFD& operator=(const tFD&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the result; the descriptor is gone either way.
  int close() {
    const int r = ::close(fd_);
    fd_ = -1;
    return r;
  }

 private:
  int fd_;
};

int openretry(const char* path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::open(path, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Writes all bytes; 0 on success, else the errno of the failing write.
int writeall(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return 0;
}

// The file a save really replaces: a symbolic link is followed, so the link
// stays a link and its target receives the new contents.
std::string realtarget(const std::string& path) {
  std::error_code ec;
  if (!fs::is_symlink(fs::path(path), ec)) return path;
  const fs::path resolved = fs::weakly_canonical(fs::path(path), ec);
  return ec ? path : resolved.string();
}

std::string tempname(const fs::path& dir) {
  static unsigned counter = 0;
  const std::string name =
      fmt::format(".tarvinel-{}-{}.tmp", static_cast<long>(::getpid()), ++counter);
  return (dir / name).string();
}

void syncfolder(const fs::path& dir) {
  // Makes the rename itself durable; a folder that cannot be synced (some
  // network file systems) still holds the complete new file.
  const int fd = openretry(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string lerbytes(const std::string& path) {
  const int fd = openretry(path.c_str(), O_RDONLY);
  if (fd < 0) throw tERROARQ(tOPARQ::abrir, path, errno);
  tFD guard(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0) throw tERROARQ(tOPARQ::ler, path, errno);
  if (S_ISDIR(st.st_mode)) throw tERROARQ(tOPARQ::abrir, path, EISDIR);
  if (S_ISREG(st.st_mode) && static_cast<unsigned long long>(st.st_size) > kMAXARQ)
    throw tERROARQ(tOPARQ::abrir, path, EFBIG);

  std::string bytes;
  if (S_ISREG(st.st_mode)) bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw tERROARQ(tOPARQ::ler, path, errno);
    }
    if (n == 0) break;
    if (bytes.size() + static_cast<std::size_t>(n) > kMAXARQ)
      throw tERROARQ(tOPARQ::ler, path, EFBIG);
    bytes.append(buf, static_cast<std::size_t>(n));
  }
  return bytes;
}

std::vector<std::string> lerlinhas(const std::string& path) {
  return decodelines(lerbytes(path));
}

void gravarbytes(const std::string& path, std::string_view bytes) {
  if (path.empty()) throw tERROARQ(tOPARQ::gravar, path, ENOENT);
  const std::string target = realtarget(path);
  fs::path dir = fs::path(target).parent_path();
  if (dir.empty()) dir = ".";

  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = tempname(dir);
    fd = openretry(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd < 0 && errno != EEXIST) throw tERROARQ(tOPARQ::gravar, path, errno);
  }
  if (fd < 0) throw tERROARQ(tOPARQ::gravar, path, EEXIST);

  tFD guard(fd);
  auto fail = [&](int err) {
    if (guard.get() >= 0) guard.close();
    ::unlink(temp.c_str());
    throw tERROARQ(tOPARQ::gravar, path, err);
  };

  if (const int err = writeall(fd, bytes); err != 0) fail(err);
  // A replaced file keeps its permissions; a new one gets the user's defaults
  // (0666 less the umask, given by open above).
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
  if (::fsync(fd) != 0 && errno != EINVAL) fail(errno);
  // Some file systems report a full disk only when the file is closed.
  if (guard.close() != 0) fail(errno);
  if (::rename(temp.c_str(), target.c_str()) != 0) fail(errno);
  syncfolder(dir);
}

void gravarlinhas(const std::string& path, const std::vector<std::string>& lines) {
  gravarbytes(path, encodelines(lines));
}

void gravartexto(const std::string& path, std::string_view utf8) {
  gravarbytes(path, utf8);
}

std::string nome_arquivo(std::string_view path) {
  const auto k = path.find_last_of("/\\");
  return std::string(k == std::string_view::npos ? path : path.substr(k + 1));
}

std::string extensao(std::string_view path) {
  const std::string nome = nome_arquivo(path);
  const auto k = nome.rfind('.');
  return k == std::string::npos ? std::string() : nome.substr(k);
}

std::string nome_sem_extensao(std::string_view path) {
  std::string nome = nome_arquivo(path);
  const auto k = nome.rfind('.');
  if (k != std::string::npos) nome.erase(k);
  return nome;
}

bool tem_extensao(std::string_view path, std::string_view ext) {
  std::string e = extensao(path);
  for (char& c : e)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return e == ext;
}

}  // namespace tarvinel
