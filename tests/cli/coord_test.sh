#!/usr/bin/env bash
# tarvinel-cli over coordination charts as a whole process: the chart image,
# the settings text, convert and new for .coord files, and the errors.
set -u
cli="$1"
. "$(dirname "$0")/comum.sh"

# Width x height of a baseline JPEG from its SOF0 segment (FF C0, length 17,
# precision 8, then height and width, two bytes each).
jpgtam() {
  local h resto
  h=$(hex "$1")
  [ "${h:0:4}" == "ffd8" ] || { echo "não é JPEG"; return; }
  resto=${h#*ffc0001108}
  [ "$resto" != "$h" ] || { echo "sem SOF0"; return; }
  echo "$((16#${resto:4:4}))x$((16#${resto:0:4}))"
}
# Width x height of a PNG from its IHDR chunk.
pngtam() {
  local h
  h=$(hex "$1")
  [ "${h:0:16}" == "89504e470d0a1a0a" ] || { echo "não é PNG"; return; }
  echo "$((16#${h:32:8}))x$((16#${h:40:8}))"
}

# --- image
"$cli" image -o "$tmp/grafico.jpg" 2>"$tmp/err"
confere "image: saída" 0 $?
confere "image: nada em stderr" "" "$(cat "$tmp/err")"
confere "image: JPEG 1024x768" "1024x768" "$(jpgtam "$tmp/grafico.jpg")"
"$cli" image -o "$tmp/grafico.PNG" --size 800x600 2>/dev/null
confere "image --size: saída" 0 $?
confere "image --size: PNG 800x600" "800x600" "$(pngtam "$tmp/grafico.PNG")"
# SVG by the extension: well-formed, of the size asked in pixels, its texts
# as text elements (the scale) and no raster image inside.
"$cli" image -o "$tmp/grafico.Svg" --size 800x600 2>/dev/null
confere "image SVG: saída" 0 $?
confere "image SVG" "800 600 0 0 800 600 sim não" "$(python3 - "$tmp/grafico.Svg" <<'PY'
import sys, xml.etree.ElementTree as E
r = E.parse(sys.argv[1]).getroot()
ns = '{http://www.w3.org/2000/svg}'
textos = [''.join(t.itertext()).strip() for t in r.iter(ns + 'text')]
print(r.get('width'), r.get('height'), r.get('viewBox'),
      'sim' if {'1A', '10kA', '100s'} <= set(textos) else f'textos {textos}',
      'sim' if any(True for _ in r.iter(ns + 'image')) else 'não')
PY
)"
"$cli" image -o "$tmp/grafico.gif" >/dev/null 2>&1
confere "image: extensão desconhecida" 2 $?
"$cli" image -o "$tmp/g.jpg" --size 10x10 >/dev/null 2>&1
confere "image: tamanho pequeno demais" 2 $?
"$cli" image "$tmp/g.jpg" >/dev/null 2>&1
confere "image: sem -o" 2 $?
"$cli" image -o "$tmp/nao/existe/g.jpg" 2>"$tmp/err"
confere "image: pasta inexistente" 1 $?
confere "image: a mensagem nomeia o arquivo" 1 "$(grep -c "$tmp/nao/existe/g.jpg" "$tmp/err")"

# --- new and convert
"$cli" new coord -o "$tmp/novo.coord"
confere "new coord: saída" 0 $?
confere "new coord: primeira linha" "projeto-coord{" "$(head -n 1 "$tmp/novo.coord" | tr -d '\r')"
confere "new coord: CR LF em todas as linhas" 0 "$(grep -cv $'\r$' "$tmp/novo.coord")"
# Windows-1252: "ã" of "Concessionária" is the single byte E1.
confere "new coord: Windows-1252" 1 \
  "$(hex "$tmp/novo.coord" | grep -c '436f6e63657373696f6ee1726961')"

"$cli" convert "$tmp/novo.coord" "$tmp/conv.coord"
confere "convert: saída" 0 $?
confere "convert do exemplo é idêntico" "$(hex "$tmp/novo.coord")" "$(hex "$tmp/conv.coord")"

# A chart changed and reordered as the program writes it: the relays carry
# the file's values, not the counter's defaults.
sed -e 's/relf-ip 400.000/relf-ip 250.000/' -e 's/"Cliente"/"Cliente 2"/' \
  -e 's/tensaon 13.80/tensaon 34.50/' "$tmp/novo.coord" >"$tmp/alterado.coord"
"$cli" convert "$tmp/alterado.coord" "$tmp/alterado2.coord"
confere "convert de um arquivo alterado é idêntico" "$(hex "$tmp/alterado.coord")" \
  "$(hex "$tmp/alterado2.coord")"

"$cli" convert "$tmp/novo.coord" "$tmp/saida.txt" >/dev/null 2>&1
confere "convert: .coord para outra extensão" 2 $?
"$cli" convert "$tmp/falta.coord" "$tmp/x.coord" 2>"$tmp/err"
confere "convert: arquivo inexistente" 1 $?
confere "convert: a mensagem nomeia o arquivo" 1 "$(grep -c "$tmp/falta.coord" "$tmp/err")"
confere "convert: nada gravado" "" "$(ls "$tmp" | grep '^x.coord$')"
"$cli" new coord >/dev/null 2>&1
confere "new coord sem -o" 2 $?
"$cli" new planilha -o "$tmp/p.coord" >/dev/null 2>&1
confere "new: tipo desconhecido" 2 $?

# --- settings
"$cli" settings >"$tmp/ajustes.txt"
confere "settings: saída" 0 $?
confere "settings: primeira linha" $'1) Ajuste Rele/Religador: Concessionária\r' \
  "$(head -n 1 "$tmp/ajustes.txt")"
"$cli" settings "$tmp/novo.coord" -o "$tmp/ajustes2.txt"
confere "settings -o de um arquivo igual ao do exemplo" "$(hex "$tmp/ajustes.txt")" \
  "$(hex "$tmp/ajustes2.txt")"
confere "settings de um arquivo alterado" 1 \
  "$("$cli" settings "$tmp/alterado.coord" | grep -c '^2) Ajuste Rele/Religador: Cliente 2')"
printf 'projeto-coord{\r\n}\r\n' >"$tmp/vazio.coord"
confere "settings de um coordenograma vazio" "" "$("$cli" settings "$tmp/vazio.coord")"
"$cli" settings "$tmp/falta.coord" 2>"$tmp/err"
confere "settings: arquivo inexistente" 1 $?
confere "settings: a mensagem nomeia o arquivo" 1 "$(grep -c "$tmp/falta.coord" "$tmp/err")"

# --- damaged files never crash: truncated, garbage, huge numbers
head -c 700 "$tmp/novo.coord" >"$tmp/cortado.coord"
printf 'projeto-coord{\n\tajuste-trafo{\n\t\tkva 1e308\n\t\tzp 1e-300\n\tajuste-texto{\n\t\tlocx nan\n' \
  >"$tmp/enorme.coord"
cp "$tmp/grafico.jpg" "$tmp/lixo.coord"  # binary bytes
for f in cortado enorme; do
  "$cli" image "$tmp/$f.coord" -o "$tmp/$f.png" 2>"$tmp/err"
  confere "image de $f.coord" 0 $?
  confere "image de $f.coord: avisa que o arquivo terminou antes" 1 \
    "$(grep -c "^Aviso: Arquivo \"$tmp/$f.coord\", linha 1: o arquivo terminou antes" "$tmp/err")"
  "$cli" convert "$tmp/$f.coord" "$tmp/$f-2.coord" >/dev/null 2>&1
  confere "convert de $f.coord" 0 $?
  "$cli" convert "$tmp/$f-2.coord" "$tmp/$f-3.coord" >/dev/null 2>&1
  confere "convert de $f.coord é estável" "$(hex "$tmp/$f-2.coord")" "$(hex "$tmp/$f-3.coord")"
done

# --- a block of a newer version is skipped whole, with a warning on stderr
sed 's/^\tajuste-trafo{/\tnovo-bloco{ \r\n\t\tx{\r\n\t\t}\r\n\t}\r\n&/' "$tmp/novo.coord" >"$tmp/novo-bloco.coord"
"$cli" convert "$tmp/novo-bloco.coord" "$tmp/novo-bloco-2.coord" 2>"$tmp/err"
confere "bloco desconhecido: saída" 0 $?
confere "bloco desconhecido: o aviso" \
  "Aviso: Arquivo \"$tmp/novo-bloco.coord\", linha 72: bloco desconhecido \"novo-bloco{\" ignorado com tudo o que contém." \
  "$(cat "$tmp/err")"
confere "bloco desconhecido: o resto do coordenograma lido" "$(hex "$tmp/novo.coord")" \
  "$(hex "$tmp/novo-bloco-2.coord")"

# --- a file that holds no document of its kind (empty, binary bytes, the
# other kind renamed) is refused naming the file, and nothing is written
: >"$tmp/nada.coord"
: >"$tmp/nada.ajuste"
"$cli" new ajuste -o "$tmp/calculo.ajuste"
cp "$tmp/calculo.ajuste" "$tmp/calculo.coord"
cp "$tmp/novo.coord" "$tmp/grafico.ajuste"
cp "$tmp/lixo.coord" "$tmp/lixo.ajuste"
coord='não é um coordenograma (falta o bloco "projeto-coord{")'
ajuste='não é um cálculo de ajuste de relé (falta o bloco "proj-calc{")'
for caso in "convert nada.coord" "convert lixo.coord" "image calculo.coord" "settings lixo.coord" \
  "pdf calculo.coord" "convert grafico.ajuste" "report nada.ajuste" "pdf lixo.ajuste" \
  "coord grafico.ajuste"; do
  set -- $caso
  ext=${2##*.}
  case $1 in
    convert) "$cli" convert "$tmp/$2" "$tmp/x.$ext" 2>"$tmp/err" ;;
    settings | report) "$cli" "$1" "$tmp/$2" 2>"$tmp/err" >"$tmp/x.txt" ;;
    image) "$cli" image "$tmp/$2" -o "$tmp/x.png" 2>"$tmp/err" ;;
    pdf) "$cli" pdf "$tmp/$2" -o "$tmp/x.pdf" 2>"$tmp/err" ;;
    coord) "$cli" coord "$tmp/$2" -o "$tmp/x.coord" 2>"$tmp/err" ;;
  esac
  confere "$caso: recusado" 1 $?
  [ "$ext" = coord ] && causa=$coord || causa=$ajuste
  confere "$caso: a mensagem" \
    "tarvinel-cli: Não foi possível ler o arquivo \"$tmp/$2\": $causa." "$(cat "$tmp/err")"
  confere "$caso: nada gravado" "" "$(ls "$tmp" | grep '^x\.\(coord\|ajuste\|png\|pdf\)$')"
  confere "$caso: nada escrito" "" "$(cat "$tmp/x.txt" 2>/dev/null)"
done

# --- check and points
# The new chart with references: the customer relay behind the utility's,
# the ANSI and inrush points protected by the customer relay, the fuse behind
# it. Optional extra project lines (a margin) go after the title.
com_referencias() {  # saída, linhas do projeto...
  python3 - "$tmp/novo.coord" "$@" <<'PY'
import sys
l = open(sys.argv[1], 'rb').read().split(b'\r\n')
extra = [a.encode('cp1252') for a in sys.argv[3:]]
out, n = [], 0
for x in l:
    out.append(x)
    s = x.strip(b'\t')
    if s.startswith(b'titulo'):
        out += [b'\t' + e for e in extra]
    if s.startswith(b'reln-tmin'):
        n += 1
        if n == 2:
            out.append(b'\t\tretaguarda 1')
    if s.startswith(b'postext') or s.startswith(b'inrusn'):
        out.append(b'\t\tprotecao 2')
    if s == b'fusetag "Nenhum" 3':
        out.append(b'\t\tretaguarda 2')
open(sys.argv[2], 'wb').write(b'\r\n'.join(out))
PY
}
com_referencias "$tmp/ref.coord"
"$cli" check "$tmp/ref.coord" >"$tmp/check" 2>"$tmp/err"
confere "check: falha dá 3" 3 $?
confere "check: linhas" "$(printf '%s\n' \
  $'coordenação\t2\t1\tfase\t3000.0\t0.631\t0.300\tOK' \
  $'coordenação\t2\t1\tneutro\t3000.0\t0.075\t0.300\tFALHA' \
  $'ANSI\t4\t2\tfase\t188.3\t3.075\t0.000\tOK' \
  $'ANSI\t4\t2\tneutro\t109.2\t2.983\t0.000\tOK' \
  $'inrush\t5\t2\tfase\t70.0\t0.606\t0.000\tOK' \
  $'coordenação\t6:100K\t2\tfase\t268.0\t-70.625\t0.200\tFALHA' \
  $'coordenação\t6:100K\t2\tneutro\t268.0\t-70.557\t0.200\tFALHA')" "$(cat "$tmp/check")"
confere "check: nada em stderr" "" "$(cat "$tmp/err")"
"$cli" convert "$tmp/ref.coord" "$tmp/ref2.coord"
confere "convert guarda as referências byte a byte" "$(hex "$tmp/ref.coord")" "$(hex "$tmp/ref2.coord")"
"$cli" check "$tmp/ref.coord" --json >"$tmp/check.json"
confere "check --json: saída" 3 $?
confere "check --json" "7 coordenação 2 1 fase 0.6309165490972667 0.3 True 6 100K" "$(python3 - "$tmp/check.json" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
v, f = d[0], d[5]
print(len(d), v['verificacao'], v['item'], v['referencia'], v['funcao'], v['margem'], v['exigido'],
      v['ok'], f['item'], f['elo'])
PY
)"
# Only the relay pair, with the required interval lowered below both margins.
com_referencias "$tmp/ok.coord" "cti 0.050"
sed -i -e '/protecao 2/d' -e '/retaguarda 2/d' "$tmp/ok.coord"
"$cli" check "$tmp/ok.coord" >"$tmp/check"
confere "check: tudo passa dá 0" 0 $?
confere "check: exigido do projeto" "0.050 0.050" "$(cut -f7 "$tmp/check" | tr '\n' ' ' | sed 's/ $//')"
"$cli" check >"$tmp/check"
confere "check sem referências: 0" 0 $?
confere "check sem referências: nada" "" "$(cat "$tmp/check")"
"$cli" check "$tmp/ref.coord" --todas >/dev/null 2>&1
confere "check: opção desconhecida" 2 $?
"$cli" check "$tmp/ref.coord" "$tmp/ok.coord" >/dev/null 2>&1
confere "check: dois arquivos" 2 $?
"$cli" check "$tmp/nao-existe.coord" >/dev/null 2>&1
confere "check: arquivo que não existe" 1 $?

# The transformer point with its category I damage curve: listed as curves
# and checked against the customer relay.
python3 - "$tmp/ref.coord" "$tmp/dano.coord" <<'PY'
import sys
d = open(sys.argv[1], 'rb').read().replace(b'postext 2\r\n\t\tprotecao 2', b'postext 2\r\n\t\tprotecao 2\r\n\t\tdano 2')
open(sys.argv[2], 'wb').write(d)
PY
confere "points: curvas de dano" "dano,dano-neutro,trafo" \
  "$("$cli" points "$tmp/dano.coord" --item 4 | cut -f2 | uniq | paste -sd,)"
confere "check: dano fase e neutro" "dano 4 2 fase,dano 4 2 neutro" \
  "$("$cli" check "$tmp/dano.coord" | awk -F'\t' '$1 == "dano" {print $1, $2, $3, $4}' | paste -sd,)"
"$cli" points "$tmp/ref.coord" --item 4 >"$tmp/pontos"
confere "points --item: ponto ANSI" "$(printf '4\ttrafo\t188.26639212705186\t3.125\n4\ttrafo\t109.19450743369008\t3.125')" \
  "$(cat "$tmp/pontos")"
"$cli" points "$tmp/ref.coord" >"$tmp/pontos"
confere "points: curvas em ordem" "1 fase,1 neutro,2 fase,2 neutro,3 iccminmax,4 trafo,5 inrush,6 100K,6 100K-max,7 cabo" \
  "$(cut -f1,2 "$tmp/pontos" | uniq | tr '\t\n' ' ,' | sed 's/,$//')"
confere "points: quatro campos em toda linha" 0 "$(awk -F'\t' 'NF != 4' "$tmp/pontos" | wc -l)"
sed 's/visible 1/visible 0/' "$tmp/ref.coord" >"$tmp/oculto.coord"
confere "points: ajustes ocultos ficam fora" "" "$("$cli" points "$tmp/oculto.coord")"
confere "points --item de um ajuste oculto" 2 "$("$cli" points "$tmp/oculto.coord" --item 4 | wc -l)"
"$cli" points "$tmp/ref.coord" --item 0 >/dev/null 2>&1
confere "points --item 0" 2 $?
"$cli" points "$tmp/ref.coord" --item 99 >/dev/null 2>&1
confere "points --item além da lista" 1 $?

echo "cli coord: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
