#!/usr/bin/env bash
# The help of tarvinel-cli against its manual pages: every command of
# `--help` answers `COMANDO --help` with the same usage line, is dispatched,
# and has that usage line (quoted by the user manual too) and each of its
# options in tarvinel-cli(1); both
# pages format without warnings; --version of both programs.
#   ajuda_test.sh TARVINEL-CLI PASTA_MAN CAPITULO_DO_MANUAL [TARVINEL]
set -u
cli="$1"
man_dir="$2"
capitulo="$3"
gui="${4:-}"
. "$(dirname "$0")/comum.sh"

versao=$("$cli" --version)
confere "--version, código" 0 $?
confere "--version, linha" 1 "$(grep -cE '^Tarvinel [0-9]+\.[0-9]+\.[0-9]+$' <<<"$versao")"
if [ -n "$gui" ]; then
  # Answered before any window system: no screen is needed.
  confere "tarvinel --version" "$versao" "$(env -u DISPLAY QT_QPA_PLATFORM=nenhuma "$gui" --version)"
  env -u DISPLAY QT_QPA_PLATFORM=nenhuma "$gui" --help >"$tmp/gui_help"
  confere "tarvinel --help, código" 0 $?
  confere "tarvinel --help, uso" "uso: tarvinel [ARQUIVO...]" "$(head -n 1 "$tmp/gui_help")"
fi

# The page source with roff's escaped hyphens read back as plain ones.
pagina="$tmp/tarvinel-cli.1"
sed 's/\\-/-/g' "$man_dir/tarvinel-cli.1" >"$pagina"

"$cli" --help >"$tmp/help"
confere "--help, código" 0 $?
comandos=$(sed -n 's/^  tarvinel-cli \([a-z]*\).*/\1/p' "$tmp/help")
confere "comandos na ajuda" "curves trip report image settings pdf coord check points convert new" "$(echo $comandos)"
for c in $comandos; do
  uso=$(grep -m1 "^  tarvinel-cli $c\b" "$tmp/help" | sed 's/^  //')
  "$cli" "$c" --help >"$tmp/cmd"
  confere "$c --help, código" 0 $?
  confere "$c --help, uso" "uso: $uso" "$(head -n 1 "$tmp/cmd")"
  # The command's own subsection of the page.
  awk -v c="$c" '/^\.S[SH] / {dentro = ($0 == ".SS " c)} dentro' "$pagina" >"$tmp/secao"
  confere "$c: uso na página" 1 "$(grep -cFx ".B \"$uso\"" "$tmp/secao")"
  # The user manual's chapter quotes the same usage line.
  confere "$c: uso no manual" 1 "$(grep -cFx "$uso" "$capitulo" | sed 's/^[2-9]$/1/')"
  # Every option of the command's help is an entry of the page.
  while read -r opcao; do
    confere "$c: opção $opcao na página" 1 "$(grep -cFx ".B \"$opcao\"" "$tmp/secao")"
  done < <(sed -n 's/^  \(-.*\)$/\1/p' "$tmp/cmd")
  # Dispatched: a wrong argument is the command's own usage error.
  "$cli" "$c" --opcao-que-nao-existe >/dev/null 2>"$tmp/err"
  confere "$c despachado, código" 2 $?
  confere "$c despachado, mensagem" 0 "$(grep -c 'comando desconhecido' "$tmp/err")"
done
for codigo in 0 1 2 3; do
  confere "código de saída $codigo na página" 1 "$(grep -A1 -Fx '.TP' "$pagina" | grep -cFx ".B \"$codigo\"")"
done

for p in tarvinel tarvinel-cli; do
  confere "$p.1 sem avisos do groff" "" "$(LC_ALL=C.UTF-8 groff -man -ww -z -K utf8 "$man_dir/$p.1" 2>&1)"
  texto=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$man_dir/$p.1" 2>&1 | col -b)
  for secao in NOME SINOPSE DESCRIÇÃO OPÇÕES "CÓDIGOS DE SAÍDA" ARQUIVOS "VEJA TAMBÉM"; do
    confere "$p.1: seção $secao" 1 "$(grep -cx "$secao" <<<"$texto")"
  done
  confere "$p.1.gz é a mesma página" "$(md5sum <"$man_dir/$p.1")" "$(gzip -dc "$man_dir/$p.1.gz" | md5sum)"
done

echo "cli_ajuda: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
