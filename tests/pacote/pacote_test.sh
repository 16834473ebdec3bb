#!/usr/bin/env bash
# The Debian package made from the build tree: its control fields and the
# files it carries (dpkg-deb), then installed into a scratch root with dpkg
# and removed again, which must leave nothing behind.
#   pacote_test.sh PASTA_BUILD VERSAO
set -u
build="$1"
versao="$2"
. "$(dirname "$0")/../cli/comum.sh"

cpack --config "$build/CPackConfig.cmake" -B "$tmp/pacote" >"$tmp/cpack.log" 2>&1
confere "cpack, código" 0 $?
deb="$tmp/pacote/tarvinel_${versao}_amd64.deb"
if [ ! -f "$deb" ]; then
  cat "$tmp/cpack.log"
  echo "pacote: $deb não foi criado"
  exit 1
fi

campo() { dpkg-deb -f "$deb" "$1"; }
confere "Package" tarvinel "$(campo Package)"
confere "Version" "$versao" "$(campo Version)"
confere "Architecture" amd64 "$(campo Architecture)"
confere "Section" science "$(campo Section)"
confere "Maintainer" "Orbelin <contato@tarvinel.com.br>" "$(campo Maintainer)"
confere "Recommends" "fonts-dejavu-core, qt6-wayland" "$(campo Recommends)"
confere "Description, resumo" "coordenação da proteção de subestações de média tensão" \
  "$(campo Description | head -n 1)"
# Computed from the binaries (shlibdeps), plus what Qt loads at run time.
depends=$(campo Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for d in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 \
  qt6-translations-l10n; do
  confere "Depends: $d" 1 "$(grep -cx "$d" <<<"$depends")"
done

dpkg-deb -c "$deb" >"$tmp/lista"
arquivos=$(awk '$1 !~ /^d/ {print $6}' "$tmp/lista" | sort)
esperados="./usr/bin/tarvinel
./usr/bin/tarvinel-cli
./usr/share/applications/tarvinel.desktop
./usr/share/doc/tarvinel/changelog.gz
./usr/share/doc/tarvinel/copyright
./usr/share/doc/tarvinel/manual.pdf
$(for n in 16 22 24 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${n}x${n}/apps/tarvinel.png"; done)
./usr/share/icons/hicolor/scalable/apps/tarvinel.svg
./usr/share/man/man1/tarvinel-cli.1.gz
./usr/share/man/man1/tarvinel.1.gz
./usr/share/metainfo/br.com.tarvinel.Tarvinel.metainfo.xml
./usr/share/mime/packages/tarvinel.xml
$(for e in "$(dirname "$0")"/../../data/examples/*; do echo "./usr/share/tarvinel/exemplos/$(basename "$e")"; done)"
confere "arquivos do pacote" "$(sort <<<"$esperados")" "$arquivos"
confere "tudo de root" "" "$(awk '$2 != "root/root"' "$tmp/lista")"
confere "programas executáveis" "-rwxr-xr-x -rwxr-xr-x" \
  "$(awk '$1 !~ /^d/ && $6 ~ /^\.\/usr\/bin\// {print $1}' "$tmp/lista" | tr '\n' ' ' | sed 's/ $//')"
confere "dados legíveis, não executáveis" "" \
  "$(awk '$1 !~ /^d/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--"' "$tmp/lista")"
confere "pastas" "" "$(awk '$1 ~ /^d/ && $1 != "drwxr-xr-x"' "$tmp/lista")"

# Installed into a scratch root (dependencies are the machine's business;
# paths that a slimmed-down machine's dpkg configuration leaves out, such as
# the manual pages, are taken all the same) and removed again.
raiz="$tmp/raiz"
mkdir -p "$raiz/var/lib/dpkg/info" "$raiz/var/lib/dpkg/updates"
touch "$raiz/var/lib/dpkg/status"
dpkg --root="$raiz" --force-not-root --force-depends --path-include='*' --log=/dev/null -i "$deb" >"$tmp/dpkg.log" 2>&1
confere "dpkg -i, código" 0 $?
for b in tarvinel tarvinel-cli; do
  confere "$b sem informação de depuração" 0 "$(readelf -S "$raiz/usr/bin/$b" | grep -c '\.debug_info')"
  # The scripted dialogs of the window tests stay out of the program.
  confere "$b sem os diálogos roteirizados dos testes" 0 "$(grep -ac tDIALOGOSTESTE "$raiz/usr/bin/$b")"
done
confere "tarvinel-cli instalado" "Tarvinel $versao" "$("$raiz/usr/bin/tarvinel-cli" --version 2>&1)"
confere "manual instalado" 1 \
  "$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$raiz/usr/share/man/man1/tarvinel-cli.1.gz" | grep -c '^SINOPSE$')"
dpkg --root="$raiz" --force-not-root --log=/dev/null --purge tarvinel >>"$tmp/dpkg.log" 2>&1
confere "dpkg --purge, código" 0 $?
confere "nada fica depois da remoção" "" "$(cd "$raiz" && find . -path ./var -prune -o -print | grep -vx '\.')"
confere "nem no banco do dpkg" "" "$(ls "$raiz/var/lib/dpkg/info" | grep '^tarvinel\.')"
[ "$falhas" -eq 0 ] || cat "$tmp/dpkg.log"

echo "pacote: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
