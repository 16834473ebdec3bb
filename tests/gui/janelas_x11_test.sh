#!/usr/bin/env bash
# The desktop program under a real window system (Xvfb with the openbox
# window manager), as the user meets it on the first day: the captions the
# window manager shows, and the stacking order of the welcome screen, the
# main window and the modal windows the main window opens while the welcome
# screen is shown ("Sobre/Changelog", "Editor de Curvas", "Configurar
# Impressora"): the welcome screen stays above the main window only, every
# modal window comes up above it.
#
# Skipped (exit 77) where Xvfb, openbox, xprop or xdotool are missing.
set -u
prog="$1"
for c in xvfb-run Xvfb openbox xprop xdotool; do
  command -v "$c" >/dev/null || { echo "janelas x11: sem $c, ignorado"; exit 77; }
done
if [ -z "${TARVINEL_X11_DENTRO:-}" ]; then
  exec env TARVINEL_X11_DENTRO=1 xvfb-run -a -s '-screen 0 1600x1000x24' "$0" "$@"
fi
. "$(dirname "$0")/../cli/comum.sh"
export XDG_DATA_HOME="$tmp/data"
unset QT_QPA_PLATFORM

openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$prog" >"$tmp/prog.log" 2>&1 &
pid=$!
trap 'kill $pid $wm 2>/dev/null; rm -rf "$tmp"' EXIT

# Window names in the window manager's stacking order, bottom to top.
pilha() {
  local w ids
  ids=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
  for w in $ids; do xprop -id "$w" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//'; done
}
# Waits up to 10 s for a window named exactly $1.
espera() {
  local i
  for i in $(seq 50); do
    pilha | grep -qxF "$1" && return 0
    sleep 0.2
  done
  return 1
}
topo() { pilha | tail -1; }

for i in $(seq 50); do
  principal=$(pilha | grep -v '^Bem vindo ao ' | head -1)
  [ -n "$principal" ] && pilha | grep -q '^Bem vindo ao ' && break
  sleep 0.2
done
confere "legenda da janela principal sem acréscimo" "" "$(grep -o ' — .*' <<<"$principal")"
confere "legenda da janela principal: a linha de versão" 1 "$(grep -cE '^Tarvinel [0-9]' <<<"$principal")"
confere "boas-vindas acima da principal" "$(printf '%s\n%s' "$principal" "Bem vindo ao $principal")" "$(pilha)"

main=$(xdotool search --name "^$principal\$" | head -1)
# A menu entry through the keyboard: Alt highlights the first menu.
menu() {
  xdotool windowactivate --sync "$main" >/dev/null 2>&1
  sleep 0.3
  xdotool key alt
  sleep 0.3
  xdotool key "$@"
}

menu Left Down Return  # "Ajuda", "Sobre/Changelog"
espera "Informações"
confere "Sobre acima das boas-vindas" "Informações" "$(topo)"
xdotool key Escape
sleep 0.5

menu Right Right Down Return  # "Ferramentas" (after "Editar"), "Editor de Curvas"
espera "Editor de curva personalizada"
confere "Editor de Curvas acima das boas-vindas" "Editor de curva personalizada" "$(topo)"
xdotool key Escape
sleep 0.5

menu Down Down Down Down Return  # "Arquivo", the first enabled entry after "Abrir"
sleep 1.5
t=$(topo)
confere "Configurar Impressora acima das boas-vindas" 0 "$(grep -c -e '^Bem vindo ao ' -e "^$principal\$" <<<"$t")"
xdotool key Escape
sleep 0.5
confere "boas-vindas de novo acima da principal" "Bem vindo ao $principal" "$(topo)"

echo "janelas x11: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
