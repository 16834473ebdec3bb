#!/usr/bin/env bash
# --json of tarvinel-cli read by a JSON parser (python3): trip against the
# full-precision lines of --raw, report against the warnings on stderr and
# the text report; refused input still gives no JSON and exit 1.
#   json_test.sh TARVINEL-CLI PASTA_EXEMPLOS
set -u
cli="$1"
exemplos="$2"
. "$(dirname "$0")/comum.sh"

# trip: each row is a curve, pickup, dial, currents and options; the JSON
# times must equal the --raw times exactly (same double), under a locale
# that writes "," as decimal separator too.
while IFS='|' read -r nome args; do
  # shellcheck disable=SC2086
  LC_ALL=pt_BR.UTF-8 "$cli" trip $args --json >"$tmp/t.json" 2>/dev/null
  confere "trip $nome, código" 0 $?
  # shellcheck disable=SC2086
  "$cli" trip $args --raw >"$tmp/t.raw"
  confere "trip $nome igual a --raw" ok "$(python3 - "$tmp/t.json" "$tmp/t.raw" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
raw = [tuple(float(x) for x in l.split('\t')) for l in open(sys.argv[2]).read().splitlines()]
pts = [(p['corrente'], p['tempo']) for p in d['pontos']]
print('ok' if pts == raw else f'{pts} != {raw}')
PY
)"
done <<'ROWS'
IEC-NI|IEC-NI 1 1 10
IEC-VI com decimal|IEC-VI 100 0,3 150 200 300.5 1000
com instantaneo|ANSI-MI 60 0.1 100 200 5000 --inst 1000
F6|F6-112 10 1 15 40 200 9000
nao existe|NAOEXISTE 1 1 10
ROWS
confere "trip --json: chaves" "curva dial instantanea partida pontos 60 1000" "$(
  "$cli" trip ANSI-MI 60 0.1 100 --inst 1000 --json |
    python3 -c 'import json,sys; d=json.load(sys.stdin); print(*sorted(d), d["partida"], d["instantanea"])')"
confere "trip --json sem --inst" None "$(
  "$cli" trip IEC-NI 1 1 10 --json | python3 -c 'import json,sys; print(json.load(sys.stdin)["instantanea"])')"

# report: the example files and the new calculation.
for arq in "$exemplos"/*.ajuste ""; do
  nome=${arq:-"cálculo novo"}
  "$cli" report $arq --json >"$tmp/r.json" 2>"$tmp/r.err"
  confere "report $nome, código" 0 $?
  "$cli" report $arq >"$tmp/r.txt" 2>/dev/null
  confere "report $nome" ok "$(python3 - "$tmp/r.json" "$tmp/r.err" "$tmp/r.txt" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
err = open(sys.argv[2]).read()
txt = open(sys.argv[3]).read()
falhas = []
# Every warning on stderr is in "avisos", in order.
avisos = [a.split('\n')[0] for a in d['avisos']]
linhas = [l[len('Aviso: '):] for l in err.splitlines() if l.startswith('Aviso: ')]
if avisos != linhas: falhas.append(f'avisos {avisos} != {linhas}')
# The report prints what the JSON holds: the CT, its designations, the
# relay's curves, and every transformer.
for v in (d['tc']['relacao'], d['tc']['ansi'], d['tc']['nbr_6856'],
          d['rele']['fase']['curva'], d['rele']['neutro']['curva']):
    if v not in txt: falhas.append(f'{v!r} fora do relatório')
if [t['numero'] for t in d['transformadores']] != list(range(1, len(d['transformadores']) + 1)):
    falhas.append('numeração dos transformadores')
i = d['inrush']
metodos = {'Parcial': 'parcial', 'Total': 'total', 'Real': 'real', 'ENERGISA': 'energisa'}
if i['fase'] != i[metodos[i['metodo']]]: falhas.append(f'inrush selecionado {i}')
for k in ('barra_mt', 'ponto_entrega'):
    if sorted(d[k]) != ['icc3f', 'icc3fa', 'iccft', 'iccfta', 'iccftm']: falhas.append(k)
print('ok' if not falhas else '; '.join(falhas))
PY
)"
done

# A refused calculation: message, exit 1 and nothing on stdout.
printf 'proj-calc{\r\n}\r\n' >"$tmp/vazio.ajuste"
"$cli" report "$tmp/vazio.ajuste" --json >"$tmp/out" 2>/dev/null
confere "report --json recusado, código" 1 $?
confere "report --json recusado, saída vazia" 0 "$(wc -c <"$tmp/out")"
# -o writes the same object to a file.
"$cli" report --json -o "$tmp/o.json" 2>/dev/null
confere "report --json -o" "$("$cli" report --json 2>/dev/null | python3 -c 'import json,sys; print(json.load(sys.stdin)["tc"])')" \
  "$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["tc"])' "$tmp/o.json")"

echo "cli_json: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
