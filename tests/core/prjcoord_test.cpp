#include "core/coordination/prjcoord.h"

#include <fmt/format.h>
#include <fmt/ranges.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/foundation/codec.h"
#include "core/foundation/erroarq.h"
#include "registro.h"

using namespace tarvinel;
namespace fs = std::filesystem;

namespace {

// The file of a new chart saved at once, one tab per level.
constexpr const char* kEXEMPLO = R"(projeto-coord{
	tensaon 13.80
	sub "exemplo"
	alim "exemplo"
	proj "Eng. ..."
	titulo "Título Coordenograma"
	ajuste-religador{
		header{
			caption "Concessionária"
			visible 1
			color 32768
			obs ""
		}
		modelo "Não especificado"
		relf-alias "FASE"
		relf-curve "IEC-NI"
		relf-ip 400.000
		relf-ii 4000.000
		relf-dt 0.200
		relf-idef 5000.000
		relf-tdef 240.000
		relf-ptxt 1.000
		relf-tmin 0.050
		reln-alias "NEUTRO"
		reln-curve "IEC-NI"
		reln-ip 40.000
		reln-ii 0.000
		reln-dt 0.100
		reln-idef 5000.000
		reln-tdef 240.000
		reln-ptxt 0.500
		reln-tmin 0.030
	}
	ajuste-religador{
		header{
			caption "Cliente"
			visible 1
			color 16711680
			obs ""
		}
		modelo "Não especificado"
		relf-alias "FASE"
		relf-curve "IEC-NI"
		relf-ip 10.000
		relf-ii 100.000
		relf-dt 0.200
		relf-idef 20.000
		relf-tdef 1.000
		relf-ptxt 5.000
		relf-tmin 0.050
		reln-alias "NEUTRO"
		reln-curve "IEC-NI"
		reln-ip 1.000
		reln-ii 0.000
		reln-dt 0.100
		reln-idef 5000.000
		reln-tdef 240.000
		reln-ptxt 0.500
		reln-tmin 0.030
	}
	ajuste-iccminmax{
		header{
			caption "Concessionária"
			visible 1
			color 0
			obs ""
		}
		iccmin 100.000
		iccmax 3000.000
		inom 10.000
	}
	ajuste-trafo{
		header{
			caption "Principal"
			visible 1
			color 16711680
			obs ""
		}
		kva 225.000
		zp 5.000
		postext 2
	}
	ajuste-inrush{
		header{
			caption "INRUSH"
			visible 1
			color 8388736
			obs ""
		}
		inrush 70.000
		inrusn 0.000
	}
	ajuste-fusek{
		header{
			caption "Principal"
			visible 1
			color 0
			obs ""
		}
		fusetag "100K" 0
		fusetag "Nenhum" 1
		fusetag "Nenhum" 2
		fusetag "Nenhum" 3
	}
	ajuste-cabo{
		header{
			caption "Distribuição"
			visible 1
			color 8421504
			obs ""
		}
		cabletag "4CA"
	}
}
)";

std::vector<std::string> linhas(std::string_view texto) {
  std::vector<std::string> v;
  std::size_t i = 0;
  while (i < texto.size()) {
    const std::size_t j = texto.find('\n', i);
    v.emplace_back(texto.substr(i, j - i));
    i = j + 1;
  }
  return v;
}

// The project's block as written, one line per element.
std::vector<std::string> bloco(const tPRJCOORD& p) {
  tSTRINGARQ arq;
  p.saveblock(arq);
  return arq.lines();
}

std::vector<std::string> tipos(const tPRJCOORD& p) {
  std::vector<std::string> v;
  for (const auto& a : p.ajustes) {
    const tAJUSTE& ajuste = *a;
    v.push_back(typeid(ajuste).name());
  }
  return v;
}

std::vector<std::string> captions(const tPRJCOORD& p) {
  std::vector<std::string> v;
  for (const auto& a : p.ajustes) v.push_back(a->caption);
  return v;
}

// A fresh folder per test, removed afterwards.
class prjcoord : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "tarvinel-coord-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string at(const std::string& name) const { return (dir_ / name).string(); }
  static std::string bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // A document file as the program writes them (Windows-1252, CR LF).
  std::string arquivo(const std::string& name, std::string_view texto) const {
    const std::string path = at(name);
    std::ofstream(path, std::ios::binary) << encodelines(linhas(texto));
    return path;
  }

  fs::path dir_;
};

TEST_F(prjcoord, NovoProjetoSalvoDaOArquivoDeExemploByteAByte) {
  auto p = prjcoord_novo();
  const std::string path = at("novo.coord");
  p->savetofile(path);
  const std::string esperado = encodelines(linhas(kEXEMPLO));
  const std::string obtido = bytes(path);
  EXPECT_EQ(obtido, esperado);
  // The listing above went through the same codec; pin the encoding itself.
  EXPECT_NE(obtido.find("\t\t\tcaption \"Concession\xE1ria\"\r\n"), std::string::npos);
  EXPECT_EQ(obtido.substr(0, 16), "projeto-coord{\r\n");
  EXPECT_EQ(obtido.substr(obtido.size() - 3), "}\r\n");
}

TEST_F(prjcoord, NovoCoordenogramaZeraOContadorDeReles) {
  auto p = prjcoord_novo();
  for (int i = 0; i < 5; ++i) tAJUSTE_RELIGA extra;
  auto q = prjcoord_novo();
  EXPECT_EQ(bloco(*q), bloco(*p));
}

TEST_F(prjcoord, SalvarECarregarReproduzTodosOsTipos) {
  religacount_reset();
  tPRJCOORD p;
  p.ajustes.destroyitens();
  p.ten_nom = 34.5;
  p.titulo = "Subestação Ω";  // outside Windows-1252: the file becomes UTF-8
  p.subestacao = "SE Norte 2";
  p.alimentador = "AL-07";
  p.projetista = "Eng. Júlia";

  auto r = std::make_unique<tAJUSTE_RELIGA>();
  r->caption = "Religador R1";
  r->color = 0x123456;
  r->visible = false;
  r->obs = "ver diagrama";
  r->modelo = "Form 6";
  r->relf.nom_cur = "IEEE-VI";
  r->relf.cor_par = 123.5;
  r->relf.cor_ins = 2500;
  r->relf.dt = 0.35;
  r->relf.idef = 1;
  r->relf.tdef = 0.01;
  r->relf.ptxt = 2.5;
  r->relf.tmin = 0.07;
  r->reln.alias = "TERRA";
  r->reln.cor_par = 12.5;
  r->reln.cor_ins = 300;
  p.ajustes.add(std::move(r));
  auto c = std::make_unique<tAJUSTE_CURVA>();
  c->tipo = 1;
  c->rel.nom_cur = "IEC-MI";
  c->rel.cor_par = 55;
  p.ajustes.add(std::move(c));
  auto m = std::make_unique<tAJUSTE_MINMAX>();
  m->iccmin = 250;
  m->iccmax = 8000.25;
  m->inom = 41.8;
  p.ajustes.add(std::move(m));
  auto d = std::make_unique<tAJUSTE_DEFIT>();
  d->idef_f = 1500;
  d->tdef_n = 0.45;
  p.ajustes.add(std::move(d));
  auto t = std::make_unique<tAJUSTE_TRAFO>();
  t->kva = 1500;
  t->zp = 6.5;
  t->postext = 5;
  p.ajustes.add(std::move(t));
  auto i = std::make_unique<tAJUSTE_INRUSH>();
  i->inrush = 812.5;
  i->inrusn = 120;
  p.ajustes.add(std::move(i));
  auto f = std::make_unique<tAJUSTE_FUSE>();
  f->fusetag = {"6K", "Nenhum", "25K", "140K"};
  p.ajustes.add(std::move(f));
  auto b = std::make_unique<tAJUSTE_CABO>();
  b->cabletag = "50 comp";  // a blank inside the name
  p.ajustes.add(std::move(b));
  auto x = std::make_unique<tAJUSTE_TEXTO>();
  x->text = "Ponto {crítico} 100%";
  x->loc = {250.5, 0.35};
  x->size = 14;
  p.ajustes.add(std::move(x));

  const std::string path = at("todos.coord");
  p.savetofile(path);

  // Read into a chart whose defaults all differ from the values above.
  religacount_reset();
  for (int k = 0; k < 5; ++k) tAJUSTE_RELIGA extra;
  tPRJCOORD q;
  q.loadfromfile(path);

  EXPECT_EQ(tipos(q), tipos(p));
  EXPECT_EQ(bloco(q), bloco(p));
  EXPECT_EQ(q.titulo, "Subestação Ω");
  EXPECT_DOUBLE_EQ(q.ten_nom, 34.5);
  ASSERT_EQ(q.ajustes.count(), 9);
  const auto* r2 = dynamic_cast<const tAJUSTE_RELIGA*>(q.ajustes.Getajustes(0));
  ASSERT_NE(r2, nullptr);
  EXPECT_EQ(r2->visible, false);
  EXPECT_EQ(r2->color, 0x123456);
  EXPECT_DOUBLE_EQ(r2->relf.cor_par, 123.5);
  EXPECT_EQ(r2->reln.alias, "TERRA");
  const auto* x2 = dynamic_cast<const tAJUSTE_TEXTO*>(q.ajustes.Getajustes(8));
  ASSERT_NE(x2, nullptr);
  EXPECT_EQ(x2->text, "Ponto {crítico} 100%");
  EXPECT_DOUBLE_EQ(x2->loc.x, 250.5);
}

TEST_F(prjcoord, ArquivosPequenos) {
  // Each file is loaded into a new chart whose descriptive fields were set
  // to "antes"; `campos` is what they read afterwards, `aviso` a part of the
  // message log ("" for none). A file that holds no chart block is refused
  // with a message naming it, and the chart keeps what it held.
  struct Caso {
    const char* nome;
    const char* texto;
    std::vector<std::string> captions;
    std::string campos;
    std::string aviso = "";
    bool recusado = false;
  };
  const std::vector<std::string> exemplo = captions(*prjcoord_novo());
  const Caso casos[] = {
      {"só a tensão", "projeto-coord{\n\ttensaon 23.00\n}\n", {}, "23|antes|antes|antes|antes"},
      {"sem bloco de projeto", "ajuste-cabo{\n}\ntensaon 5\n", exemplo, "1|antes|antes|antes|antes",
       "", true},
      {"texto e defit, nessa ordem",
       "projeto-coord{\n\tajuste-texto{\n\t\ttexto \"a\"\n\t}\n\tajuste-defit{\n\t}\n}\n",
       {"Texto", "Principal"},
       "1|antes|antes|antes|antes"},
      {"bloco desconhecido pulado inteiro",
       "projeto-coord{\n\tajuste-cabo{\n\t}\n\tajuste-xyz{\n\t\tk 1\n\t\tsub{\n\t\t}\n\t}\n\t"
       "ajuste-fusek{\n\t}\n\ttitulo \"depois\"\n}\n",
       {"Distribuição", "Principal"},
       "1|depois|antes|antes|antes",
       "linha 4: bloco desconhecido \"ajuste-xyz{\" ignorado"},
      {"abertura e fechamento seguidos de brancos",
       "projeto-coord{ \n\tajuste-trafo{  \n\t\tkva 300\n\t} \n\tajuste-cabo{\n\t}\n\tsub \"s\"\n} "
       "\n",
       {"Principal", "Distribuição"},
       "1|antes|s|antes|antes"},
      {"dois blocos de projeto somam",
       "projeto-coord{\n\ttitulo \"um\"\n\tajuste-cabo{\n\t}\n}\nprojeto-coord{\n\tsub \"dois\"\n\t"
       "ajuste-inrush{\n\t}\n}\n",
       {"Distribuição", "INRUSH"},
       "1|um|dois|antes|antes"},
      {"chaves desconhecidas ignoradas",
       "projeto-coord{\n\tcor 5\n\tproj \"P\"\n\tlinha solta sem sentido\n\talim \"A\" extra\n}\n",
       {},
       "1|antes|antes|A|P"},
      {"tensão que não é número lê 0",
       "projeto-coord{\n\ttensaon abc\n}\n",
       {},
       "0|antes|antes|antes|antes"},
      {"tensão NaN lê 0", "projeto-coord{\n\ttensaon nan\n}\n", {}, "0|antes|antes|antes|antes"},
      {"arquivo vazio", "", exemplo, "1|antes|antes|antes|antes", "", true},
      {"bytes sem sentido", "\x01\xFF{}\x80 }{ \n\x7F\n", exemplo, "1|antes|antes|antes|antes", "",
       true},
      {"cálculo renomeado .coord", "proj-calc{\n\ttensaomt 13.80\n\tconfig-trafo{\n\t}\n}\n",
       exemplo, "1|antes|antes|antes|antes", "", true},
      {"sem fechamentos",
       "projeto-coord{\n\ttensaon 2\n\tajuste-religador{\n\t\theader{\n\t\t\tcaption \"R\"\n",
       {"R"},
       "2|antes|antes|antes|antes",
       "linha 1: o arquivo terminou antes do fechamento do bloco \"projeto-coord{\""},
  };
  int n = 0;
  for (const Caso& c : casos) {
    auto p = prjcoord_novo();
    p->ten_nom = 1;
    p->titulo = p->subestacao = p->alimentador = p->projetista = "antes";
    const std::string path = arquivo("caso" + std::to_string(n++) + ".coord", c.texto);
    tLOG log;
    try {
      p->loadfromfile(path);
      EXPECT_FALSE(c.recusado) << c.nome << ": aberto";
    } catch (const tERROARQ& e) {
      EXPECT_TRUE(c.recusado) << c.nome << ": " << e.what();
      EXPECT_EQ(std::string(e.what()),
                "Não foi possível ler o arquivo \"" + path +
                    "\": não é um coordenograma (falta o bloco \"projeto-coord{\").")
          << c.nome;
    }
    EXPECT_EQ(captions(*p), c.captions) << c.nome;
    EXPECT_EQ(fmt::format("{:g}|{}|{}|{}|{}", p->ten_nom, p->titulo, p->subestacao, p->alimentador,
                          p->projetista),
              c.campos)
        << c.nome;
    if (c.aviso.empty()) {
      EXPECT_EQ(log.tudo(), "") << c.nome;
    } else {
      ASSERT_EQ(log.linhas.size(), 1u) << c.nome << ": " << log.tudo();
      EXPECT_EQ(log.linhas[0].substr(0, 1), "#") << c.nome;
      EXPECT_NE(log.linhas[0].find("Arquivo \"" + path + "\", " + c.aviso), std::string::npos)
          << c.nome << ": " << log.linhas[0];
    }
  }
}

TEST_F(prjcoord, BlocoDesconhecidoEmCadaLeitorNaoLevaOResto) {
  // In every setting kind, a block of a newer version inside the setting and
  // inside its header is skipped whole: the keys after it, and the settings
  // after the setting, still load, and each skip is named in the log.
  for (const std::string_view opener : blocos_ajuste()) {
    SCOPED_TRACE(std::string(opener));
    const std::string texto =
        "projeto-coord{\n\t" + std::string(opener) +
        "\n\t\tnovo-a{ \n\t\t\tk 1\n\t\t}\n\t\theader{\n\t\t\tnovo-h{\n"
        "\t\t\t\tx{\n\t\t\t\t}\n\t\t\t}\n\t\t\tcaption \"lido\"\n\t\t\tvisible 0\n"
        "\t\t}\n\t}\n\tajuste-cabo{\n\t}\n\ttitulo \"fim\"\n}\n";
    auto p = prjcoord_novo();
    tLOG log;
    p->loadfromfile(arquivo("k.coord", texto));
    const std::unique_ptr<tAJUSTE> novo = ajuste_por_bloco(std::string(opener));
    const bool obsoleto = novo->obsolete;
    // The kinds table and the kind's own writer agree on the opener.
    tSTRINGARQ escrito;
    novo->exportprop(escrito);
    ASSERT_GT(escrito.count(), 0);
    EXPECT_EQ(escrito[0].substr(escrito[0].find_first_not_of('\t')), opener);
    ASSERT_EQ(p->ajustes.count(), obsoleto ? 1 : 2);
    if (!obsoleto) {
      EXPECT_EQ(p->ajustes.Getajustes(0)->caption, "lido");
      EXPECT_FALSE(p->ajustes.Getajustes(0)->visible);
    }
    EXPECT_EQ(p->titulo, "fim");
    ASSERT_EQ(log.linhas.size(), 2u) << log.tudo();
    EXPECT_NE(log.linhas[0].find("linha 3: bloco desconhecido \"novo-a{\""), std::string::npos)
        << log.linhas[0];
    EXPECT_NE(log.linhas[1].find("linha 7: bloco desconhecido \"novo-h{\""), std::string::npos)
        << log.linhas[1];
  }
}

TEST_F(prjcoord, ReleSemCabecalhoComContadorAltoFicaExemploVermelho) {
  const std::string path = arquivo("rele.coord",
                                   "projeto-coord{\n\tajuste-religador{\n\t\trelf-ip 77.5\n\t\t"
                                   "reln-curve \"IEC-EI\"\n\t}\n}\n");
  religacount_reset();
  for (int k = 0; k < 5; ++k) tAJUSTE_RELIGA extra;
  tPRJCOORD p;
  p.loadfromfile(path);
  ASSERT_EQ(p.ajustes.count(), 1);
  const auto* r = dynamic_cast<const tAJUSTE_RELIGA*>(p.ajustes.Getajustes(0));
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->caption, "Exemplo");
  EXPECT_EQ(r->color, clRed);
  EXPECT_DOUBLE_EQ(r->relf.cor_par, 77.5);
  EXPECT_DOUBLE_EQ(r->relf.cor_ins, 1000);  // absent key: the default
  EXPECT_EQ(r->reln.nom_cur, "IEC-EI");
}

TEST_F(prjcoord, FalhaAoAbrirMantemOsAjustes) {
  auto p = prjcoord_novo();
  p->titulo = "meu";
  const std::vector<std::string> antes = bloco(*p);
  const std::string path = at("nao-existe.coord");
  try {
    p->loadfromfile(path);
    ADD_FAILURE() << "sem erro para um arquivo inexistente";
  } catch (const tERROARQ& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  EXPECT_EQ(bloco(*p), antes);

  // A folder in place of the file fails the same way.
  EXPECT_THROW(p->loadfromfile(dir_.string()), tERROARQ);
  EXPECT_EQ(bloco(*p), antes);
}

TEST_F(prjcoord, NomeVazioNaoGravaNada) {
  auto p = prjcoord_novo();
  EXPECT_NO_THROW(p->savetofile(""));
  EXPECT_TRUE(fs::is_empty(dir_));
}

}  // namespace
