#!/usr/bin/env bash
# tarvinel-cli pdf as a whole process: the pages of the print job of a chart,
# the summary page's text, and the errors that must leave no PDF behind.
set -u
cli="$1"
. "$(dirname "$0")/comum.sh"

# Page objects of a PDF (not the page-tree node "/Type /Pages").
paginas() { grep -aoE '/Type ?/Page([^s]|$)' "$1" | wc -l | tr -d ' '; }
# The text of a PDF, when poppler's pdftotext is there.
texto() { pdftotext -layout "$1" - 2>/dev/null; }

"$cli" pdf -o "$tmp/exemplo.pdf" 2>/dev/null
confere "exemplo: saída" 0 $?
confere "exemplo: cabeçalho PDF" "%PDF" "$(head -c 4 "$tmp/exemplo.pdf")"
confere "exemplo: gráfico e resumo" 2 "$(paginas "$tmp/exemplo.pdf")"

"$cli" pdf --separar -o "$tmp/separado.pdf" 2>/dev/null
confere "separado: fase, neutro e resumo" 3 "$(paginas "$tmp/separado.pdf")"

"$cli" new coord -o "$tmp/novo.coord" 2>/dev/null
"$cli" pdf "$tmp/novo.coord" -o "$tmp/novo.pdf" 2>/dev/null
confere "arquivo .coord: saída" 0 $?
confere "arquivo .coord: páginas" 2 "$(paginas "$tmp/novo.pdf")"

if command -v pdftotext >/dev/null; then
  t=$(texto "$tmp/exemplo.pdf")
  confere "resumo: título" 1 "$(grep -c '^ *Resumo dos ajustes dos religadores' <<<"$t")"
  confere "resumo: segundo relé" 1 "$(grep -c '2-Cliente: Não especificado' <<<"$t")"
  confere "resumo: linha de fase" "...Fase 400.0 4000 0.200 IEC-NI" \
    "$(grep -m1 '\.\.\.Fase' <<<"$t" | tr -s ' ' | sed 's/^ //')"
  if locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
    LC_ALL=pt_BR.UTF-8 "$cli" pdf -o "$tmp/ptbr.pdf" 2>/dev/null
    confere "resumo sob pt_BR" "...Fase 400.0 4000 0.200 IEC-NI" \
      "$(texto "$tmp/ptbr.pdf" | grep -m1 '\.\.\.Fase' | tr -s ' ' | sed 's/^ //')"
  fi
fi

# Errors: a message, the exit code, and no PDF written or overwritten.
printf 'anterior' >"$tmp/antigo.pdf"
msg=$("$cli" pdf "$tmp/nao-existe.coord" -o "$tmp/antigo.pdf" 2>&1 >/dev/null)
confere "arquivo inexistente: saída" 1 $?
confere "arquivo inexistente: mensagem" 1 "$(grep -c 'nao-existe.coord' <<<"$msg")"
confere "arquivo inexistente: PDF anterior intacto" "anterior" "$(cat "$tmp/antigo.pdf")"

printf 'texto' >"$tmp/notas.txt"
msg=$("$cli" pdf "$tmp/notas.txt" -o "$tmp/notas.pdf" 2>&1 >/dev/null)
confere "outro formato: saída" 1 $?
confere "outro formato: mensagem" 1 "$(grep -c 'formato não suportado' <<<"$msg")"
confere "outro formato: nada gravado" "" "$(ls "$tmp/notas.pdf" 2>/dev/null)"
cp "$tmp/novo.coord" "$tmp/NOVO.COORD"
"$cli" pdf "$tmp/NOVO.COORD" -o "$tmp/maiusculas.pdf" 2>/dev/null
confere "extensão em maiúsculas" 2 "$(paginas "$tmp/maiusculas.pdf")"

"$cli" pdf "$tmp/novo.coord" -o "$tmp/sem/pasta.pdf" >/dev/null 2>&1
confere "pasta inexistente" 1 $?
"$cli" pdf "$tmp/novo.coord" >/dev/null 2>&1
confere "sem -o" 2 $?
"$cli" pdf "$tmp/novo.coord" "$tmp/outro.coord" -o "$tmp/x.pdf" >/dev/null 2>&1
confere "dois arquivos" 2 $?
"$cli" pdf --cores -o "$tmp/x.pdf" >/dev/null 2>&1
confere "opção desconhecida" 2 $?

echo "cli pdf: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
