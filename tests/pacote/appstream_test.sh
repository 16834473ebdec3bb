#!/usr/bin/env bash
# The AppStream metainfo the build writes: valid for appstreamcli, its
# releases those of the change history, its media types those of the desktop
# entry and of the MIME file, its screenshots among those the build takes.
#   appstream_test.sh METAINFO PASTA_DATA PASTA_TELAS
set -u
meta="$1"
data="$2"
telas="$3"
. "$(dirname "$0")/../cli/comum.sh"

appstreamcli validate --no-net "$meta" >"$tmp/val" 2>&1
confere "appstreamcli validate" 0 $?
[ "$falhas" -eq 0 ] || cat "$tmp/val"
desktop-file-validate "$data/tarvinel.desktop"
confere "desktop-file-validate" 0 $?

xml() { python3 -c "import sys, xml.etree.ElementTree as E; r = E.parse(sys.argv[1]).getroot(); print('\n'.join(sorted($2)))" "$1"; }
confere "releases = versões do histórico" "$(sed -n 's/^versao \([0-9.]*\).*/\1/p' "$data/changelog" | sort)" \
  "$(xml "$meta" "e.get('version') for e in r.iter('release')")"
confere "notas das versões = itens do histórico" "$(grep -cE '^[0-9]+\. ' "$data/changelog")" \
  "$(xml "$meta" "e.text for v in r.iter('release') for e in v.iter('li')" | wc -l)"
tipos_meta=$(xml "$meta" "e.text for e in r.iter('mediatype')")
confere "tipos = MimeType do .desktop" "$tipos_meta" \
  "$(sed -n 's/^MimeType=//p' "$data/tarvinel.desktop" | tr ';' '\n' | grep . | sort)"
confere "tipos = tarvinel-mime.xml" "$tipos_meta" \
  "$(xml "$data/tarvinel-mime.xml" "e.get('type') for e in r if e.tag.endswith('mime-type')")"
confere "launchable" tarvinel.desktop "$(xml "$meta" "e.text for e in r.iter('launchable')")"
for u in $(xml "$meta" "e.text for e in r.iter('image')"); do
  confere "captura $(basename "$u") feita pela construção" 1 "$([ -s "$telas/$(basename "$u")" ] && echo 1)"
done

echo "appstream: $aprovados passed, $falhas failed"
[ "$falhas" -eq 0 ]
