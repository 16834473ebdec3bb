#!/usr/bin/env bash
# tarvinel-cli coord as a whole process: the coordination chart made from a
# calculation, with and without the fuse links, over the example studies
# shipped with the program; warnings, refused calculations and the errors.
set -u
cli="$1"
exemplos="$(cd "$(dirname "$0")/../../data/examples" && pwd)"
. "$(dirname "$0")/comum.sh"

blocos() { grep -c "^"$'\t'"$2{" "$1"; }  # blocks of a kind at the chart's level

# --- the shipped chart is what the command writes from the shipped calculation
"$cli" coord "$exemplos/subestacao-23kv-3-trafos.ajuste" -o "$tmp/23kv.coord" --elos 2>"$tmp/err"
confere "coord --elos: saída" 0 $?
# stderr: only the study's warning about the phase instantaneous, once per
# transformer.
instantaneo='^Aviso: ATENÇÃO: instantânea de FASE do relé do cliente'
confere "coord --elos: só os avisos do instantâneo" "3 0" \
  "$(grep -c "$instantaneo" "$tmp/err") $(grep -vc "$instantaneo" "$tmp/err")"
confere "coord --elos: igual ao exemplo distribuído" \
  "$(hex "$exemplos/subestacao-23kv-3-trafos.coord")" "$(hex "$tmp/23kv.coord")"
confere "coord --elos: um bloco de elos (três trafos)" 1 "$(blocos "$tmp/23kv.coord" ajuste-fusek)"
confere "coord --elos: os elos" 'fusetag "15K" 0|fusetag "20K" 1|fusetag "20K" 2|fusetag "Nenhum" 3' \
  "$(grep -a fusetag "$tmp/23kv.coord" | tr -d '\r\t' | paste -sd '|')"
confere "coord: um ponto ANSI por trafo" 3 "$(blocos "$tmp/23kv.coord" ajuste-trafo)"
# The utility relay is in the chart because the calculation includes it.
confere "coord: relés do cliente e da concessionária" 2 \
  "$(blocos "$tmp/23kv.coord" ajuste-religador)"
confere "coord: o relé do cliente primeiro" $'1) Ajuste Rele/Religador: cliente\r' \
  "$("$cli" settings "$tmp/23kv.coord" | head -n 1)"
"$cli" convert "$tmp/23kv.coord" "$tmp/23kv-2.coord"
confere "coord: o programa abre e grava igual" "$(hex "$tmp/23kv.coord")" \
  "$(hex "$tmp/23kv-2.coord")"

"$cli" coord "$exemplos/subestacao-300kva.ajuste" -o "$tmp/300.coord" 2>"$tmp/err"
confere "coord sem --elos: saída" 0 $?
confere "coord sem --elos: só o aviso do instantâneo" "1 0" \
  "$(grep -c "$instantaneo" "$tmp/err") $(grep -vc "$instantaneo" "$tmp/err")"
confere "coord sem --elos: nenhum elo" 0 "$(blocos "$tmp/300.coord" ajuste-fusek)"
confere "coord sem --elos: só o relé do cliente" 1 "$(blocos "$tmp/300.coord" ajuste-religador)"
confere "coord: título é a empresa" $'\ttitulo "Padaria Exemplo Ltda."\r' \
  "$(grep -a '^'$'\t''titulo' "$tmp/300.coord")"
# The file is the example's chart, only the fuse links left out.
"$cli" coord "$exemplos/subestacao-23kv-3-trafos.ajuste" -o "$tmp/23kv-sem.coord"
confere "coord sem --elos = com --elos menos o bloco de elos" \
  "$(awk '/^\tajuste-fusek\{/ { pula = 1 } !pula { print } pula && /^\t\}/ { pula = 0 }' \
    "$tmp/23kv.coord" | od -An -tx1 -v | tr -d ' \n')" "$(hex "$tmp/23kv-sem.coord")"

# --- the plausibility warning goes to stderr; the chart is still written
sed 's/^\tz1r .*/\tz1r 9.00 9.00\r/' "$exemplos/subestacao-300kva.ajuste" >"$tmp/rede.ajuste"
"$cli" coord "$tmp/rede.ajuste" -o "$tmp/rede.coord" 2>"$tmp/err"
confere "aviso de plausibilidade: saída" 0 $?
confere "aviso de plausibilidade em stderr" \
  "Aviso: O valores de ICC3F-CONS e ICC3F-MT/CLI devem ser parecidos, verifique seus dados." \
  "$(head -n 1 "$tmp/err")"
confere "aviso de plausibilidade: coordenograma gravado" "projeto-coord{" \
  "$(head -n 1 "$tmp/rede.coord" | tr -d '\r')"

# --- a refused calculation writes nothing and keeps an older file
sed 's/^\(\t*\)kva [0-9.]*/\1kva 0.00/' "$exemplos/subestacao-300kva.ajuste" >"$tmp/zero.ajuste"
printf 'antigo' >"$tmp/zero.coord"
"$cli" coord "$tmp/zero.ajuste" -o "$tmp/zero.coord" 2>"$tmp/err"
confere "cálculo recusado" 1 $?
confere "cálculo recusado: arquivo antigo intacto" "antigo" "$(cat "$tmp/zero.coord")"
confere "cálculo recusado: o motivo" 1 \
  "$(grep -c 'Transformador 1: Potência (kVA) deve ser maior que zero.' "$tmp/err")"

# --- errors
ex="$exemplos/subestacao-300kva.ajuste"
"$cli" coord "$ex" >/dev/null 2>&1
confere "sem -o" 2 $?
"$cli" coord -o "$tmp/x.coord" >/dev/null 2>&1
confere "sem o cálculo" 2 $?
"$cli" coord "$ex" -o >/dev/null 2>&1
confere "-o sem arquivo" 2 $?
"$cli" coord "$ex" -o "$tmp/x.txt" >/dev/null 2>&1
confere "saída que não é .coord" 2 $?
"$cli" coord "$tmp/23kv.coord" -o "$tmp/x.coord" 2>"$tmp/err"
confere "entrada que não é .ajuste" 2 $?
confere "entrada que não é .ajuste: a mensagem" 1 "$(grep -c 'cálculo (.ajuste)' "$tmp/err")"
"$cli" coord "$ex" "$ex" -o "$tmp/x.coord" >/dev/null 2>&1
confere "dois cálculos" 2 $?
"$cli" coord "$ex" -o "$tmp/x.coord" --fusiveis 2>"$tmp/err"
confere "opção desconhecida" 2 $?
confere "opção desconhecida: a linha de uso" 1 \
  "$(grep -c 'uso: tarvinel-cli coord ARQUIVO.ajuste -o SAIDA.coord \[--elos\]' "$tmp/err")"
confere "nada gravado nos erros de argumento" "" "$(ls "$tmp" | grep '^x\.')"
"$cli" coord "$tmp/falta.ajuste" -o "$tmp/x.coord" 2>"$tmp/err"
confere "cálculo inexistente" 1 $?
confere "cálculo inexistente: a mensagem nomeia o arquivo" 1 "$(grep -c "$tmp/falta.ajuste" "$tmp/err")"
"$cli" coord "$ex" -o "$tmp/nao/existe/x.coord" 2>"$tmp/err"
confere "pasta inexistente" 1 $?
confere "pasta inexistente: a mensagem nomeia o arquivo" 1 \
  "$(grep -c "$tmp/nao/existe/x.coord" "$tmp/err")"

# --- the command in the usage text
confere "coord na ajuda" 1 "$("$cli" help | grep -c '^  tarvinel-cli coord ARQUIVO.ajuste -o SAIDA.coord \[--elos\]$')"
confere "descrição na ajuda" 1 \
  "$("$cli" help | grep -c 'coordenograma criado do cálculo (--elos: com os elos fusíveis dos transformadores)')"

echo "cli calc coord: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
