#include "core/foundation/arquivo.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/foundation/codec.h"

using namespace tarvinel;
namespace fs = std::filesystem;

namespace {

// A fresh folder per test, removed afterwards (permissions restored first).
class arquivo : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "tarvinel-arq-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(dir_, ec))
      fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  std::string at(const std::string& name) const { return (dir_ / name).string(); }
  // Names in the folder, to see that no temporary file is left behind.
  std::vector<std::string> entries(const fs::path& d) const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(d)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  static std::string raw(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  fs::path dir_;
};

std::string message(const std::function<void()>& f) {
  try {
    f();
  } catch (const tERROARQ& e) {
    return e.what();
  }
  return "(nenhum erro)";
}

TEST_F(arquivo, SaveWritesTheDocumentBytes) {
  const std::string path = at("a.coord");
  gravarlinhas(path, {"projeto-coord{", "\tcaption \"Subestação\"", "}"});
  EXPECT_EQ(raw(path), "projeto-coord{\r\n\tcaption \"Subesta\xE7\xE3o\"\r\n}\r\n");
  EXPECT_EQ(lerlinhas(path),
            (std::vector<std::string>{"projeto-coord{", "\tcaption \"Subestação\"", "}"}));
  EXPECT_EQ(entries(dir_), (std::vector<std::string>{"a.coord"}));
}

TEST_F(arquivo, SaveReplacesAndKeepsPermissions) {
  const std::string path = at("a.ajuste");
  put(path, "antigo\r\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  gravarlinhas(path, {"novo"});
  EXPECT_EQ(raw(path), "novo\r\n");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(entries(dir_), (std::vector<std::string>{"a.ajuste"}));
}

TEST_F(arquivo, SaveThroughALinkWritesItsTarget) {
  const std::string real = at("real.coord");
  const std::string link = at("link.coord");
  put(real, "x\r\n");
  fs::create_symlink(real, link);
  gravarlinhas(link, {"y"});
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(raw(real), "y\r\n");
}

TEST_F(arquivo, TextExportIsUtf8AsGiven) {
  const std::string path = at("relatorio.txt");
  const std::string text = "Relatório – Δ 13,8 kV\nfim";
  gravartexto(path, text);
  EXPECT_EQ(raw(path), text);
}

TEST_F(arquivo, MissingFileNamesThePath) {
  const std::string path = at("nao-existe.coord");
  EXPECT_EQ(message([&] { lerlinhas(path); }),
            "Não foi possível abrir o arquivo \"" + path + "\": arquivo não encontrado.");
  try {
    lerlinhas(path);
  } catch (const tERROARQ& e) {
    EXPECT_EQ(e.path(), path);
    EXPECT_EQ(static_cast<int>(e.op()), static_cast<int>(tOPARQ::abrir));
  }
}

TEST_F(arquivo, ReadingAFolderIsAnError) {
  EXPECT_EQ(message([&] { lerlinhas(dir_.string()); }), "Não foi possível abrir o arquivo \"" +
                                                            dir_.string() +
                                                            "\": o caminho indicado é uma pasta.");
}

TEST_F(arquivo, SaveIntoMissingFolder) {
  const std::string path = at("sem-pasta/a.coord");
  EXPECT_EQ(message([&] { gravarlinhas(path, {"x"}); }),
            "Não foi possível gravar o arquivo \"" + path + "\": pasta não encontrada.");
  EXPECT_EQ(entries(dir_), std::vector<std::string>{});
}

TEST_F(arquivo, SaveIntoReadOnlyFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "como root as permissões de pasta não valem";
  const fs::path ro = dir_ / "ro";
  fs::create_directory(ro);
  const std::string path = (ro / "a.coord").string();
  put(path, "antigo\r\n");
  fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(message([&] { gravarlinhas(path, {"novo"}); }),
            "Não foi possível gravar o arquivo \"" + path + "\": permissão negada.");
  EXPECT_EQ(raw(path), "antigo\r\n");
  EXPECT_EQ(entries(ro), (std::vector<std::string>{"a.coord"}));
}

TEST_F(arquivo, SaveOverAFolderFailsAndLeavesNothing) {
  const std::string path = at("pasta.coord");
  fs::create_directory(path);
  put(at("pasta.coord/dentro"), "y");
  EXPECT_EQ(message([&] { gravarlinhas(path, {"x"}); }),
            "Não foi possível gravar o arquivo \"" + path + "\": o caminho indicado é uma pasta.");
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_EQ(raw(at("pasta.coord/dentro")), "y");
  EXPECT_EQ(entries(dir_), (std::vector<std::string>{"pasta.coord"}));
}

// A write that fails half-way (here: the file size limit of the process, the
// same path as a full disk) must leave the previous document untouched.
TEST_F(arquivo, FailedWriteKeepsThePreviousFile) {
  const std::string path = at("a.coord");
  const std::string old = "projeto-coord{\r\n\tkva 225.000\r\n}\r\n";
  put(path, old);

  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* oldhandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::vector<std::string> big(2000, "\tcaption \"uma linha longa o bastante\"");
  const std::string msg = message([&] { gravarlinhas(path, big); });
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldhandler);

  EXPECT_EQ(msg, "Não foi possível gravar o arquivo \"" + path + "\": arquivo grande demais.");
  EXPECT_EQ(raw(path), old);
  EXPECT_EQ(entries(dir_), (std::vector<std::string>{"a.coord"}));
}

TEST(arquivo_nome, PartesDoCaminho) {
  const struct {
    const char* path;
    const char* nome;
    const char* ext;
    const char* sem_ext;
    bool coord;  // tem_extensao(path, ".coord")
  } rows[] = {
      {"/x/y/estudo.coord", "estudo.coord", ".coord", "estudo", true},
      {"C:\\Estudos\\SE.COORD", "SE.COORD", ".COORD", "SE", true},
      {"/x.d/sem extensao", "sem extensao", "", "sem extensao", false},
      {"a.tar.coord.bak", "a.tar.coord.bak", ".bak", "a.tar.coord", false},
      {"/x/.coord", ".coord", ".coord", "", true},
      {"/x/ponto.", "ponto.", ".", "ponto", false},
      {"/x/pasta.coord/", "", "", "", false},
      {"", "", "", "", false},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(nome_arquivo(r.path), r.nome) << r.path;
    EXPECT_EQ(extensao(r.path), r.ext) << r.path;
    EXPECT_EQ(nome_sem_extensao(r.path), r.sem_ext) << r.path;
    EXPECT_EQ(tem_extensao(r.path, ".coord"), r.coord) << r.path;
  }
}

TEST(erroarq, Causes) {
  struct {
    tOPARQ op;
    int err;
    std::string text;
  } const rows[] = {
      {tOPARQ::gravar, ENOSPC, "Não foi possível gravar o arquivo \"/x/y.coord\": disco cheio."},
      {tOPARQ::abrir, EACCES, "Não foi possível abrir o arquivo \"/x/y.coord\": permissão negada."},
      {tOPARQ::gravar, 9999,
       "Não foi possível gravar o arquivo \"/x/y.coord\": erro de E/S (código 9999)."},
  };
  for (const auto& r : rows) EXPECT_EQ(tERROARQ(r.op, "/x/y.coord", r.err).what(), r.text) << r.err;
}

}  // namespace
