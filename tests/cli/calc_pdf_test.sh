#!/usr/bin/env bash
# tarvinel-cli pdf over calculation files as a whole process: the report's
# pages, refused calculations that write nothing, and the errors.
set -u
cli="$1"
. "$(dirname "$0")/comum.sh"

# Pages of a PDF: its page objects ("/Type /Page", not "/Type /Pages").
paginas() { grep -ao '/Type /Pages*' "$1" | grep -cx '/Type /Page'; }

"$cli" new ajuste -o "$tmp/ex.ajuste" 2>/dev/null
confere "novo cálculo" 0 $?

"$cli" pdf "$tmp/ex.ajuste" -o "$tmp/ex.pdf" 2>"$tmp/err"
confere "pdf do cálculo" 0 $?
confere "cabeçalho PDF" "%PDF-" "$(head -c 5 "$tmp/ex.pdf")"
# Every title of the report opens a page: the example's report has more
# titles than five.
n=$(paginas "$tmp/ex.pdf")
confere "páginas do relatório ($n)" 1 "$([ "$n" -gt 5 ] && echo 1 || echo 0)"

# Ten more transformers make a longer report on more pages.
awk '/^\tconfig-trafo\{/ && !feito { bloco = 1 }
     bloco { b = b $0 "\n" }
     { print }
     bloco && /^\t\}/ { bloco = 0; feito = 1; for (i = 0; i < 10; i++) printf "%s", b; b = "" }' \
  "$tmp/ex.ajuste" >"$tmp/doze.ajuste"
confere "transformadores copiados" 12 "$(grep -c 'config-trafo{' "$tmp/doze.ajuste")"
"$cli" pdf "$tmp/doze.ajuste" -o "$tmp/doze.pdf" 2>/dev/null
confere "pdf de doze trafos" 0 $?
m=$(paginas "$tmp/doze.pdf")
confere "mais páginas ($n < $m)" 1 "$([ "$m" -gt "$n" ] && echo 1 || echo 0)"

# A refused calculation (a transformer of 0 kVA) writes nothing and keeps an
# older file of the same name.
sed 's/^\(\t*\)kva [0-9.]*/\1kva 0.00/' "$tmp/ex.ajuste" >"$tmp/zero.ajuste"
printf 'antigo' >"$tmp/zero.pdf"
"$cli" pdf "$tmp/zero.ajuste" -o "$tmp/zero.pdf" 2>"$tmp/err"
confere "cálculo recusado" 1 $?
confere "arquivo antigo intacto" "antigo" "$(cat "$tmp/zero.pdf")"
confere "motivo em português" 1 \
  "$(grep -q 'Transformador 1: Potência (kVA) deve ser maior que zero' "$tmp/err" && echo 1 || echo 0)"

"$cli" pdf "$tmp/ex.ajuste" -o "$tmp/x.pdf" --separar >/dev/null 2>&1
confere "--separar num cálculo" 2 $?
"$cli" pdf "$tmp/nao_existe.ajuste" -o "$tmp/x.pdf" 2>"$tmp/err"
confere "arquivo inexistente" 1 $?
confere "mensagem do arquivo" 1 "$(grep -q 'nao_existe.ajuste' "$tmp/err" && echo 1 || echo 0)"
confere "nada gravado" 0 "$([ -e "$tmp/x.pdf" ] && echo 1 || echo 0)"
"$cli" pdf "$tmp/ex.ajuste" -o "$tmp/sem/pasta/x.pdf" 2>/dev/null
confere "pasta inexistente" 1 $?

echo "cli_calc_pdf: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
