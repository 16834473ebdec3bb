#!/usr/bin/env bash
# Prepara a máquina, constrói tudo em build/ e roda todos os testes.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/dependencias.sh
instalar_pacotes "${PACOTES_BASE[@]}" "${PACOTES_TESTE[@]}"
gerar_localidade_ptbr

# Na CI os avisos do compilador são erros; na máquina do usuário só aparecem.
cmake -S . -B build -G Ninja -DTARVINEL_TESTS=ON -DTARVINEL_BENCH=ON \
  -DTARVINEL_WERROR="$( [ "${CI:-}" = true ] && echo ON || echo OFF )" >/dev/null
ninja -C build
ctest --test-dir build --output-on-failure -j2
