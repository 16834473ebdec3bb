#!/usr/bin/env bash
# Prepara a máquina, constrói o programa em build/ e o inicia.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/dependencias.sh
instalar_pacotes "${PACOTES_BASE[@]}"

cmake -S . -B build -G Ninja >/dev/null
ninja -C build tarvinel-cli $( [ -d src/app ] && ls src/app/*.cpp >/dev/null 2>&1 && echo tarvinel )
if [ -x build/src/app/tarvinel ]; then
  exec build/src/app/tarvinel "$@"
fi
exec build/src/cli/tarvinel-cli "$@"
