# Sourced by the tarvinel-cli scripts: the check counters, `confere`, a
# temporary folder removed at exit, and a settings folder of its own so no
# user curve of the machine reaches the program.
falhas=0
aprovados=0
confere() {  # nome, esperado, obtido
  if [ "$2" == "$3" ]; then
    aprovados=$((aprovados + 1))
  else
    falhas=$((falhas + 1))
    printf 'FALHOU %s\n  esperado: %q\n  obtido:   %q\n' "$1" "$2" "$3"
  fi
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME="$tmp/config"

# A file's bytes in hexadecimal, on one line.
hex() { od -An -tx1 -v "$1" | tr -d ' \n'; }
