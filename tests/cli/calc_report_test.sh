#!/usr/bin/env bash
# tarvinel-cli report as a whole process: the report on standard output and
# the calculation's warnings, one line each, on standard error.
set -u
cli="$1"
. "$(dirname "$0")/comum.sh"
exemplos="$(dirname "$0")/../../data/examples"

"$cli" report "$exemplos/subestacao-300kva.ajuste" >"$tmp/rel.txt" 2>"$tmp/err"
confere "relatório" 0 $?
confere "aviso do instantâneo" "Aviso: ATENÇÃO: instantânea de FASE do relé do cliente (Iif = 140.6 A) não supera a ICC3FA da barra de baixa tensão do transformador 1 referida à média tensão (279.3 A): o relé atua no instantâneo para faltas na baixa tensão e não é seletivo com a proteção de baixa tensão." "$(cat "$tmp/err")"
confere "avisos fora do relatório" 0 "$(grep -c 'Aviso' "$tmp/rel.txt")"

# Two of three transformers in parallel raise no warning about them.
"$cli" report "$exemplos/subestacao-23kv-3-trafos.ajuste" >/dev/null 2>"$tmp/err"
confere "três trafos: um aviso por trafo" "1 2 3" \
  "$(grep -o 'do transformador [0-9]' "$tmp/err" | cut -d' ' -f3 | tr '\n' ' ' | sed 's/ $//')"
confere "três trafos: nenhum aviso de paralelo" 0 "$(grep -c 'paralelo' "$tmp/err")"

echo "calc_report: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
