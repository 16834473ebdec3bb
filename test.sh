#!/usr/bin/env bash
# Prepara a máquina, constrói tudo em build/ e roda todos os testes.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/dependencias.sh
instalar_pacotes "${PACOTES_BASE[@]}" "${PACOTES_TESTE[@]}"
gerar_localidade_ptbr

cmake -S . -B build -G Ninja -DTARVINEL_TESTS=ON -DTARVINEL_BENCH=ON >/dev/null
ninja -C build
ctest --test-dir build --output-on-failure -j2
