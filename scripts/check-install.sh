#!/usr/bin/env bash
# Installs a finished build into a temporary prefix and checks the installed tree:
# both programs, the menu entry, the icons, the AppStream metadata and the manual pages.
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/pipecolumn
  bin/pipecolumn-cli
  share/applications/pipecolumn.desktop
  share/icons/hicolor/scalable/apps/pipecolumn.svg
  share/icons/hicolor/32x32/apps/pipecolumn.png
  share/metainfo/org.example.pipecolumn.metainfo.xml
  share/man/man1/pipecolumn.1
  share/man/man1/pipecolumn-cli.1
)
status=0
for file in "${expected[@]}"; do
  if [ ! -s "$prefix/$file" ]; then
    echo "missing from the installed tree: $file"
    status=1
  fi
done

desktop-file-validate "$prefix/share/applications/pipecolumn.desktop" || status=1
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.example.pipecolumn.metainfo.xml" ||
  appstreamcli validate --no-net "$prefix/share/metainfo/org.example.pipecolumn.metainfo.xml" || status=1
man --warnings -l -Tutf8 "$prefix/share/man/man1/pipecolumn-cli.1" >/dev/null 2>&1 ||
  { command -v man >/dev/null || true; }

# The installed programs agree on one version, and the calculator works from the installed tree.
window_version=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/pipecolumn" --version)
cli_version=$("$prefix/bin/pipecolumn-cli" --version)
if [ "${window_version#pipecolumn }" != "${cli_version#pipecolumn-cli }" ]; then
  echo "versions differ: '$window_version' and '$cli_version'"
  status=1
fi
"$prefix/bin/pipecolumn-cli" --json | grep -q '"MaxAxialForce": 10280' || {
  echo "the installed calculator does not give the worked example"
  status=1
}
png_size=$(file -b "$prefix/share/icons/hicolor/32x32/apps/pipecolumn.png")
case "$png_size" in
  *"32 x 32"*) ;;
  *) echo "the 32 px icon is not 32 x 32: $png_size"; status=1 ;;
esac

[ $status -eq 0 ] && echo "installed tree complete and valid"
exit $status
