#include "cli/ajuda.h"

#include <algorithm>

namespace tarvinel::cli {

namespace {

const char* const kNOTA_NUMEROS = "Números aceitam \",\" ou \".\" como separador decimal.";

const char* const kNOTA_JSON =
    "--json: um objeto JSON na saída padrão, chaves em português sem acentos, números com "
    "todos os algarismos (as chaves estão no capítulo \"tarvinel-cli\" do manual).";

struct tDOCSAIDA {
  int codigo;
  const char* texto;
};

const tDOCSAIDA kSAIDAS[] = {
    {0, "tudo certo"},
    {1,
     "erro de arquivo ou de dados: arquivo que não abre ou não se grava, cálculo recusado, "
     "formato não suportado, saída que não pôde ser escrita"},
    {2,
     "argumentos errados: comando desconhecido, argumento faltando ou sobrando, opção "
     "desconhecida, número ilegível, extensão de saída errada"},
    {3, "check: uma ou mais verificações do coordenograma falharam"},
};

const std::vector<tDOCOPCAO>& opcoes_gerais() {
  static const std::vector<tDOCOPCAO> o = {
      {"-h, --help, help",
       "escreve a ajuda geral (comandos, opções e códigos de saída) na saída padrão e termina com "
       "0"},
      {"--version",
       "escreve a linha de versão (\"Tarvinel\" e o número da versão) e termina com 0"},
      {"COMANDO --help", "escreve a ajuda do comando e termina com 0"},
  };
  return o;
}

const std::vector<tDOCOPCAO>& opcoes_programa() {
  static const std::vector<tDOCOPCAO> o = {
      {"--help", "escreve o uso e as opções na saída padrão e termina com 0"},
      {"--version", "escreve a linha de versão e termina com 0"},
  };
  return o;
}

const char* const kPROGRAMA_ARQUIVOS =
    "Cada ARQUIVO dado é aberto numa aba, pelo tipo da extensão: .coord (coordenograma), "
    ".ajuste (cálculo de ajustes) ou .ens (ensaio de relé). Sem arquivos, o programa abre a "
    "tela de boas-vindas.";

// The text broken between words into lines of at most `largura` columns
// (counted in characters, not bytes), each indented by `recuo` blanks.
std::string quebra(const std::string& texto, std::size_t recuo, std::size_t largura = 79) {
  auto colunas = [](const std::string& w) {
    std::size_t n = 0;
    for (const char ch : w) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    return n;
  };
  std::string s, linha;
  std::size_t col = 0;
  std::size_t i = 0;
  while (i < texto.size()) {
    const std::size_t j = std::min(texto.find(' ', i), texto.size());
    const std::string w = texto.substr(i, j - i);
    i = j + 1;
    if (w.empty()) continue;
    if (col > 0 && recuo + col + 1 + colunas(w) > largura) {
      s += std::string(recuo, ' ') + linha + "\n";
      linha.clear();
      col = 0;
    }
    if (col > 0) {
      linha += ' ';
      ++col;
    }
    linha += w;
    col += colunas(w);
  }
  if (col > 0) s += std::string(recuo, ' ') + linha + "\n";
  return s;
}

std::string lista_opcoes(const std::vector<tDOCOPCAO>& opcoes) {
  std::string s;
  for (const tDOCOPCAO& o : opcoes) s += "  " + o.nome + "\n" + quebra(o.texto, 6);
  return s;
}

}  // namespace

const std::vector<tDOCCOMANDO>& doc_comandos() {
  static const std::vector<tDOCCOMANDO> c = {
      {"curves",
       "",
       "lista as curvas: as do catálogo, depois as do usuário",
       {"Escreve, uma por linha, os nomes das curvas: primeiro as do catálogo, na ordem do "
        "programa, depois as curvas do usuário. São os nomes que trip aceita."},
       {}},
      {"trip",
       "CURVA PICKUP DIAL CORRENTE... [--inst A] [--raw] [--json]",
       "tempo de atuação da curva para cada corrente (A); --inst: corrente instantânea (A); "
       "--raw: precisão completa",
       {"O tempo de atuação da curva CURVA, com corrente de partida PICKUP (A) e multiplicador "
        "DIAL, para cada CORRENTE (A), na ordem dada. Uma linha por corrente: a corrente, uma "
        "tabulação e o tempo em segundos.",
        "Tempo 0 significa que a curva não atua (corrente até a partida ou acima do "
        "instantâneo, partida 0, curva que não existe); as curvas F6 dão -1 fora da tabela."},
       {{"--inst A", "corrente do instantâneo (A): correntes acima dela dão tempo 0"},
        {"--raw", "números com todos os algarismos (17 significativos)"},
        {"--json", "as correntes e os tempos como um objeto JSON"}}},
      {"report",
       "[ARQUIVO.ajuste] [-o SAIDA] [--json] [--sem-resumo] [--sem-memorial] [--sem-celesc]",
       "relatório do cálculo de ajuste (sem arquivo: o exemplo de um novo cálculo)",
       {"O relatório do cálculo de ajustes, o mesmo texto que a janela de cálculo mostra depois "
        "de \"Aplicar\". O arquivo é lido como a janela o abre e calculado; os avisos do cálculo "
        "vão para a saída de erro, começando por \"Aviso: \"."},
       {{"-o SAIDA", "grava no arquivo SAIDA em vez da saída padrão"},
        {"--json",
         "os resultados do cálculo (correntes de curto em cada barra, transformadores, TC, "
         "inrush, ajustes do relé, 27/59 e avisos) como um objeto JSON"},
        {"--sem-resumo", "tira o \"Resumo principal\" do relatório"},
        {"--sem-memorial", "tira o \"Memorial de cálculo\""},
        {"--sem-celesc", "tira o \"Resumo de ajuste do RELE (padrão CELESC)\""}}},
      {"image",
       "[ARQUIVO.coord] -o SAIDA.jpg|SAIDA.png|SAIDA.svg [--size LxA]",
       "imagem do coordenograma, 1024x768 se não houver --size (sem arquivo: o exemplo de um novo "
       "coordenograma)",
       {"A imagem do coordenograma, desenhada como \"Exportar imagem\" do programa. O formato "
        "sai da extensão: .jpg ou .jpeg grava JPEG, .png grava PNG, .svg grava SVG (linhas e "
        "textos vetoriais, texto selecionável)."},
       {{"-o SAIDA", "o arquivo de imagem (obrigatório)"},
        {"--size LxA", "largura e altura em pixels, de 200 a 10000 cada (padrão 1024x768)"}}},
      {"settings",
       "[ARQUIVO.coord] [-o SAIDA.txt]",
       "texto dos ajustes do coordenograma (sem arquivo: o exemplo de um novo coordenograma)",
       {"O texto dos ajustes, o mesmo de \"Exportar ajustes\": uma linha por item e uma linha "
        "por propriedade, com CR LF no fim de cada linha."},
       {{"-o SAIDA.txt", "grava no arquivo em vez da saída padrão"}}},
      {"pdf",
       "[ARQUIVO.coord|ARQUIVO.ajuste] -o SAIDA.pdf [--separar]",
       "impressão em PDF: do coordenograma, o gráfico (--separar: FASE e NEUTRO em páginas "
       "separadas) e o resumo dos ajustes; do cálculo, o relatório (sem arquivo: o exemplo de um "
       "novo coordenograma)",
       {"As mesmas páginas que a impressora recebe do programa, num PDF A4 retrato. O tipo do "
        "documento é decidido pela extensão."},
       {{"-o SAIDA.pdf", "o arquivo PDF (obrigatório)"},
        {"--separar", "gráfico de FASE e de NEUTRO em páginas separadas (só coordenograma)"}}},
      {"coord",
       "ARQUIVO.ajuste -o SAIDA.coord [--elos]",
       "coordenograma criado do cálculo (--elos: com os elos fusíveis dos transformadores)",
       {"O coordenograma criado do cálculo, como \"Criar coordenograma\" da janela de cálculo: "
        "relé do cliente, relé da concessionária (quando incluído), inrush, pontos ANSI e "
        "marcadores de curto-circuito."},
       {{"-o SAIDA.coord", "o coordenograma gravado (obrigatório)"},
        {"--elos", "inclui os elos fusíveis dos transformadores"}}},
      {"check",
       "[ARQUIVO.coord] [--json]",
       "verifica a coordenação, os pontos ANSI, o inrush, as curvas de dano e os cabos do "
       "coordenograma; sai com 3 se algo falha",
       {"As verificações do coordenograma, as mesmas da página \"Verificação\" da janela: a "
        "coordenação de cada proteção com a sua \"Retaguarda\" (fase e neutro, margem mínima na "
        "faixa de 1.05 x a maior corrente mínima de atuação até a corrente de curto máxima do "
        "primeiro marcador de curto, ou 10 kA sem marcador), o ponto ANSI, o inrush e a curva de "
        "dano de cada transformador e a suportabilidade de cada cabo com a sua \"Proteção\".",
        "Uma linha por verificação, campos separados por tabulação: verificação "
        "(\"coordenação\", \"ANSI\", \"inrush\", \"dano\" ou \"cabo\"), item, item de referência "
        "(a retaguarda ou "
        "a proteção), função (\"fase\" ou \"neutro\"), corrente do resultado em A, margem em "
        "s, margem exigida em s e \"OK\" ou \"FALHA\". O elo de um ajuste de elos segue o "
        "número do item depois de dois-pontos (\"7:25K\"). O que não pôde ser verificado vai "
        "para a saída de erro como aviso.",
        "Código de saída 0 quando tudo passa ou não há nada a verificar, 3 quando alguma "
        "verificação falha."},
       {{"--json",
         "uma lista JSON de objetos com as chaves verificacao, item, referencia, funcao, "
         "corrente, margem, exigido e ok (e elo, elo_referencia quando há elo)"}}},
      {"points",
       "[ARQUIVO.coord] [--item N]",
       "os pontos que cada ajuste visível desenha na imagem padrão (1024x768, 1 A a 10 kA)",
       {"Os pontos que os ajustes visíveis (ou só o item N, visível ou não) desenham na imagem "
        "padrão de 1024x768, de 1 A a 10 kA, na ordem do desenho. Uma linha por ponto, campos "
        "separados por tabulação: número do item, curva (\"fase\", \"neutro\", \"curva\", o "
        "nome do elo, \"dano\" e \"dano-neutro\" para as curvas de dano do transformador ou a "
        "palavra do tipo do ajuste, como \"trafo\", \"cabo\" ou \"inrush\"), corrente "
        "em A e tempo em s com 17 algarismos significativos."},
       {{"--item N", "só os pontos do item N da lista (a partir de 1)"}}},
      {"convert",
       "ENTRADA.coord SAIDA.coord | ENTRADA.ajuste SAIDA.ajuste",
       "lê e grava de novo um documento (um cálculo é calculado antes)",
       {"Lê um documento e o grava de novo, exatamente como abrir e \"Salvar\" no programa. Os "
        "dois nomes têm a mesma extensão."},
       {}},
      {"new",
       "coord|ajuste -o SAIDA",
       "grava o documento de exemplo (coordenograma novo ou cálculo novo, já calculado)",
       {"Grava o coordenograma novo (SAIDA termina em .coord) ou o cálculo novo, já calculado, "
        "como uma janela nova o tem."},
       {}},
  };
  return c;
}

const tDOCCOMANDO* doc_comando(const std::string& nome) {
  for (const tDOCCOMANDO& c : doc_comandos())
    if (c.nome == nome) return &c;
  return nullptr;
}

std::string linha_uso(const tDOCCOMANDO& c) {
  std::string s = "tarvinel-cli " + c.nome;
  if (!c.uso.empty()) s += " " + c.uso;
  return s;
}

std::string texto_ajuda() {
  std::string s = "uso: tarvinel-cli COMANDO [ARGUMENTOS]\n\ncomandos:\n";
  for (const tDOCCOMANDO& c : doc_comandos())
    s += "  " + linha_uso(c) + "\n      " + c.resumo + "\n";
  s += "\nopções:\n" + lista_opcoes(opcoes_gerais());
  s += "\ncódigos de saída:\n";
  for (const tDOCSAIDA& e : kSAIDAS)
    s += "  " + std::to_string(e.codigo) + "\n" + quebra(e.texto, 6);
  s += "\n" + quebra(kNOTA_NUMEROS, 0) + quebra(kNOTA_JSON, 0);
  return s;
}

std::string texto_ajuda_comando(const tDOCCOMANDO& c) {
  std::string s = "uso: " + linha_uso(c) + "\n";
  for (const std::string& p : c.texto) s += "\n" + quebra(p, 0);
  if (!c.opcoes.empty()) s += "\nopções:\n" + lista_opcoes(c.opcoes);
  return s;
}

// ---- manual pages ---------------------------------------------------------------

namespace {

// Text for roff: backslashes and hyphen-minus escaped (a plain "-" may be
// set as a typographic hyphen, which breaks options copied from the page),
// and a leading "." or "'" kept from being read as a request.
std::string roff(const std::string& s) {
  std::string r;
  for (char ch : s) {
    if (ch == '\\')
      r += "\\e";
    else if (ch == '-')
      r += "\\-";
    else
      r += ch;
  }
  if (!r.empty() && (r[0] == '.' || r[0] == '\'')) r.insert(0, "\\&");
  return r;
}

std::string cabecalho(const std::string& nome, const std::string& versao, const std::string& data) {
  return "'\\\" -*- coding: utf-8 -*-\n.TH " + roff(nome) + " 1 \"" + data + "\" \"" +
         roff(versao) + "\" \"Comandos do usuário\"\n.nh\n";
}

std::string secao(const std::string& titulo) {
  return ".SH \"" + titulo + "\"\n";
}

std::string item(const std::string& termo, const std::string& texto) {
  return ".TP\n.B \"" + roff(termo) + "\"\n" + roff(texto) + "\n";
}

std::string paragrafo(const std::string& texto) {
  return ".PP\n" + roff(texto) + "\n";
}

const char* const kARQ_CURVAS = "~/.config/orbelin/tarvinel v2.conf";

}  // namespace

std::string man_cli(const std::string& versao, const std::string& data) {
  std::string s = cabecalho("TARVINEL-CLI", versao, data);
  s += secao("NOME");
  s +=
      roff("tarvinel-cli - coordenogramas, cálculo de ajustes e tempos de relés sem janela") + "\n";
  s += secao("SINOPSE");
  s += ".B tarvinel\\-cli\n.I COMANDO\n.RI [ ARGUMENTOS ]\n.br\n";
  s += ".B tarvinel\\-cli\n.I COMANDO\n.B \\-\\-help\n.br\n";
  s += ".B tarvinel\\-cli\n.RB [ \\-\\-help | \\-\\-version ]\n";
  s += secao("DESCRIÇÃO");
  s += paragrafo(
      "tarvinel-cli faz sem janela o que se automatiza num estudo de proteção: a tabela de "
      "tempos de uma curva, o relatório de um cálculo de ajustes, a imagem, o PDF e o texto dos "
      "ajustes de um coordenograma, a conversão de arquivos e o coordenograma criado de um "
      "cálculo. Usa o mesmo motor do programa tarvinel: um arquivo é lido como o programa o "
      "abre, calculado como \"Aplicar\" calcula e desenhado ou impresso como o programa desenha "
      "e imprime.");
  s += paragrafo(std::string(kNOTA_NUMEROS) +
                 " Na saída, o separador é sempre o ponto, qualquer que seja a configuração "
                 "regional. Nos comandos com opções, elas podem vir em qualquer posição depois "
                 "do nome do comando.");
  s += secao("COMANDOS");
  for (const tDOCCOMANDO& c : doc_comandos()) {
    s += ".SS " + roff(c.nome) + "\n";
    s += ".B \"" + roff(linha_uso(c)) + "\"\n";
    for (const std::string& p : c.texto) s += paragrafo(p);
    for (const tDOCOPCAO& o : c.opcoes) s += item(o.nome, o.texto);
  }
  s += secao("OPÇÕES");
  for (const tDOCOPCAO& o : opcoes_gerais()) s += item(o.nome, o.texto);
  s += secao("SAÍDA JSON");
  s += paragrafo(kNOTA_JSON);
  s += secao("CÓDIGOS DE SAÍDA");
  for (const tDOCSAIDA& e : kSAIDAS) s += item(std::to_string(e.codigo), e.texto);
  s += paragrafo(
      "As mensagens vão para a saída de erro, em português, começando por \"tarvinel-cli: \"; "
      "num erro de argumentos segue-se a linha de uso do comando.");
  s += secao("AMBIENTE");
  s += item("QT_QPA_PLATFORM",
            "image e pdf desenham sem tela (offscreen) a menos que esta variável escolha outra "
            "plataforma.");
  s += item("XDG_CONFIG_HOME",
            std::string("pasta das configurações do usuário (padrão ~/.config)."));
  s += secao("ARQUIVOS");
  s += item(kARQ_CURVAS,
            "as curvas do usuário, as mesmas do programa tarvinel; tarvinel-cli só as lê.");
  s += item("/usr/share/tarvinel/exemplos/", "os estudos de exemplo (.coord e .ajuste).");
  s += item("/usr/share/doc/tarvinel/manual.pdf", "o manual do usuário.");
  s += secao("EXEMPLOS");
  s += ".nf\n" + roff("tarvinel-cli trip IEC-VI 100 0,3 150 200 300") + "\n" +
       roff("tarvinel-cli report estudo.ajuste --json > estudo.json") + "\n" +
       roff("tarvinel-cli image estudo.coord -o estudo.svg") + "\n" +
       roff("tarvinel-cli coord estudo.ajuste -o estudo.coord --elos") + "\n.fi\n";
  s += secao("VEJA TAMBÉM");
  s += ".BR tarvinel (1)\n";
  return s;
}

std::string man_programa(const std::string& versao, const std::string& data) {
  std::string s = cabecalho("TARVINEL", versao, data);
  s += secao("NOME");
  s += roff("tarvinel - coordenação da proteção de subestações de média tensão") + "\n";
  s += secao("SINOPSE");
  s += ".B tarvinel\n.RI [ ARQUIVO ...]\n.br\n.B tarvinel\n.RB [ \\-\\-help | \\-\\-version ]\n";
  s += secao("DESCRIÇÃO");
  s += paragrafo(
      "tarvinel é a ferramenta do engenheiro que projeta a proteção de uma subestação de "
      "cliente em média tensão: coordenogramas (curvas de relés e religadores, elos fusíveis, "
      "pontos ANSI e de inrush de transformadores, curvas de dano de cabos e marcadores de "
      "curto-circuito num gráfico tempo x corrente log-log), cálculo dos ajustes do relé do "
      "cliente com memorial completo, ensaio de relés e curvas do usuário.");
  s += paragrafo(kPROGRAMA_ARQUIVOS);
  s += paragrafo(
      "O coordenograma é impresso, exportado em PDF, como imagem (JPEG ou SVG, em arquivo ou na "
      "área de transferência) e como texto dos ajustes; o relatório do cálculo é salvo em "
      "texto, impresso ou exportado em PDF. Para scripts, veja tarvinel-cli(1).");
  s += secao("OPÇÕES");
  for (const tDOCOPCAO& o : opcoes_programa()) s += item(o.nome, o.texto);
  s += paragrafo("As opções padrão do Qt (por exemplo -platform) também são aceitas.");
  s += secao("CÓDIGOS DE SAÍDA");
  s += item("0", "o programa terminou normalmente");
  s += item("1", "a saída de --help ou --version não pôde ser escrita");
  s += paragrafo(
      "Sem tela (nem DISPLAY nem WAYLAND_DISPLAY), a biblioteca Qt encerra o programa com uma "
      "mensagem na saída de erro, antes de abrir qualquer janela; --help e --version funcionam "
      "sem tela.");
  s += secao("ARQUIVOS");
  s += item(kARQ_CURVAS,
            "as curvas do usuário, a última pasta usada e a versão cujo histórico de alterações "
            "já foi mostrado.");
  s += item("~/.local/share/orbelin/tarvinel/recente.txt", "a lista de arquivos recentes.");
  s += item("/usr/share/tarvinel/exemplos/",
            "os estudos de exemplo, onde \"Abrir\" começa enquanto a lista de recentes está "
            "vazia.");
  s += item("/usr/share/doc/tarvinel/manual.pdf", "o manual, aberto por \"Ajuda\" > \"Manual\".");
  s += secao("VEJA TAMBÉM");
  s += ".BR tarvinel\\-cli (1)\n";
  return s;
}

std::string texto_ajuda_programa() {
  return "uso: tarvinel [ARQUIVO...]\n\n" + quebra(kPROGRAMA_ARQUIVOS, 0) + "\nopções:\n" +
         lista_opcoes(opcoes_programa());
}

}  // namespace tarvinel::cli
