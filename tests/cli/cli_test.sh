#!/usr/bin/env bash
# tarvinel-cli as a whole process: output, exit codes, locale independence and
# the user's curves read from the settings store.
set -u
cli="$1"
. "$(dirname "$0")/comum.sh"

confere "trip IEC-NI" $'10.0\t2.971' "$(LC_ALL=C "$cli" trip IEC-NI 1 1 10)"
if locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
  confere "trip sob pt_BR" $'10.0\t2.971\n2000\t0.000' \
    "$(LC_ALL=pt_BR.UTF-8 "$cli" trip IEC-NI 1 1 10 2000 --inst 1000)"
fi
confere "curva desconhecida" $'10.0\t0.000' "$("$cli" trip NAOEXISTE 1 1 10)"
"$cli" trip IEC-NI 1 >/dev/null 2>&1
confere "argumentos faltando" 2 $?
"$cli" >/dev/null 2>&1
confere "sem comando" 2 $?

# A user curve in the store: listed after the built-in names and used by trip.
mkdir -p "$XDG_CONFIG_HOME/orbelin"
cat >"$XDG_CONFIG_HOME/orbelin/tarvinel v2.conf" <<'INI'
[curvas]
curva0\name=Minha curva
curva0\adj=1
INI
confere "curvas do usuário" "Minha curva" "$("$cli" curves | tail -n 1)"
confere "trip na curva do usuário" $'1.500\t3.301' "$("$cli" trip 'Minha curva' 1 1 1.5)"
confere "o armazém não é gravado" "$(cat "$XDG_CONFIG_HOME/orbelin/tarvinel v2.conf" | md5sum)" \
  "$(printf '[curvas]\ncurva0\\name=Minha curva\ncurva0\\adj=1\n' | md5sum)"

# The words of the commands, read by one reader for all: the message and the
# exit code of each mistake.
while IFS='|' read -r args esperado; do
  # shellcheck disable=SC2086
  "$cli" $args >/dev/null 2>"$tmp/err"
  confere "$args: código" 2 $?
  confere "$args: mensagem" "tarvinel-cli: $esperado" "$(head -n 1 "$tmp/err")"
done <<'CASOS'
pdf a.coord -o|falta o arquivo depois de -o
report --json -o|falta o arquivo depois de -o
image -o x.png --size|falta o valor depois de --size
settings a.coord -o|falta o valor depois de -o
report --sem-resumo -x|opção desconhecida: -x
image a.coord -o x.png --separar|opção desconhecida: --separar
coord a.ajuste b.ajuste|argumento inesperado: b.ajuste
pdf --separar a.coord b.coord -o x.pdf|argumento inesperado: b.coord
CASOS

echo "cli: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
