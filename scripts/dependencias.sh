# Sourced by tarvinel.sh and test.sh: installs the Debian packages the build
# needs when they are missing (as root, or through sudo).

instalar_pacotes() {
  local faltam=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltam+=("$p")
  done
  [ ${#faltam[@]} -eq 0 ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Faltam os pacotes ${faltam[*]} e não há sudo para instalá-los." >&2; exit 1; }
    sudo="sudo"
  fi
  echo "Instalando pacotes: ${faltam[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltam[@]}"
}

PACOTES_BASE=(build-essential cmake ninja-build pkg-config libfmt-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev fonts-dejavu-core)
# Tests: also the package (dpkg-dev for shlibdeps, man-db for the manual
# pages), its metadata (appstream, desktop-file-utils), python3, which reads
# the JSON and XML outputs, zlib for the PDF reader of the print tests, and
# Xvfb with openbox for the desktop program under a real window manager.
PACOTES_TESTE=(libgtest-dev libgmock-dev libbenchmark-dev locales poppler-utils
  dpkg-dev man-db appstream desktop-file-utils python3 zlib1g-dev
  xvfb openbox x11-utils xdotool)

# Numbers must not follow the machine's locale; the tests check that under a
# Brazilian locale, which a fresh machine does not have yet.
gerar_localidade_ptbr() {
  if ! locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo localedef -i pt_BR -f UTF-8 pt_BR.UTF-8 || echo "Aviso: não foi possível gerar pt_BR.UTF-8." >&2
  fi
}
