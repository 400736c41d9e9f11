#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a finished build into a temporary prefix and checks the installed tree: both programs,
# the menu entry, the icons, the AppStream metadata, the manual pages and the documentation.
# Then builds the Debian package from the same build and lints it.
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/pipecolumn
  bin/pipecolumn-cli
  share/applications/pipecolumn.desktop
  share/mime/packages/pipecolumn.xml
  share/icons/hicolor/scalable/mimetypes/application-x-pipecolumn.svg
  share/icons/hicolor/scalable/apps/pipecolumn.svg
  share/icons/hicolor/32x32/apps/pipecolumn.png
  share/metainfo/org.example.pipecolumn.metainfo.xml
  share/man/man1/pipecolumn.1.gz
  share/man/man1/pipecolumn-cli.1.gz
  share/doc/pipecolumn/copyright
  share/doc/pipecolumn/changelog.gz
  share/doc/pipecolumn/handbook.html
  share/pipecolumn/translations/qtbase_th.qm
  share/pipecolumn/schema/common.schema.json
  share/pipecolumn/schema/check.schema.json
  share/pipecolumn/schema/design.schema.json
  share/pipecolumn/schema/schedule.schema.json
  share/pipecolumn/schema/catalogue.schema.json
  share/pipecolumn/schema/verify.schema.json
)
status=0
for file in "${expected[@]}"; do
  if [ ! -s "$prefix/$file" ]; then
    echo "missing from the installed tree: $file"
    status=1
  fi
done

# The validators pass without a warning: any line they print is a finding.
desktop_findings=$(desktop-file-validate "$prefix/share/applications/pipecolumn.desktop" 2>&1) ||
  status=1
if [ -n "$desktop_findings" ]; then
  echo "$desktop_findings"
  status=1
fi
appstream_findings=$(appstreamcli validate --no-net --pedantic --no-color \
  "$prefix/share/metainfo/org.example.pipecolumn.metainfo.xml" 2>&1) || status=1
if [ "$appstream_findings" != "✔ Validation was successful." ]; then
  echo "$appstream_findings"
  status=1
fi

# The menu entry opens a project file handed over by a file manager, and the desktop knows a
# project file by its type, a kind of JSON.
grep -qx 'Exec=pipecolumn %f' "$prefix/share/applications/pipecolumn.desktop" &&
  grep -qx 'MimeType=application/x-pipecolumn;' "$prefix/share/applications/pipecolumn.desktop" || {
  echo "the menu entry does not open project files"
  status=1
}
update-mime-database "$prefix/share/mime"
mkdir -p "$work/data-home"
printf '{"schema": 1}\n' >"$work/tower.pipecolumn"
project_type=$(XDG_DATA_HOME="$work/data-home" XDG_DATA_DIRS="$prefix/share:/usr/share" \
  XDG_CURRENT_DESKTOP= xdg-mime query filetype "$work/tower.pipecolumn")
if [ "$project_type" != application/x-pipecolumn ]; then
  echo "a project file is of type '$project_type', not application/x-pipecolumn"
  status=1
fi

# The programs carry no library search path (the loader would try the folder of any entry first)
# and no path of the machine that built them.
source_tree=$(cd "$(dirname "$0")/.." && pwd)
for program in pipecolumn pipecolumn-cli; do
  for binary in "$build/app/$program" "$prefix/bin/$program"; do
    if readelf -d "$binary" | grep -qE 'RPATH|RUNPATH'; then
      echo "$binary carries a library search path: $(readelf -d "$binary" | grep -E 'RPATH|RUNPATH')"
      status=1
    fi
    if strings "$binary" | grep -qF "$source_tree"; then
      echo "$binary names the source tree $source_tree"
      status=1
    fi
  done
done

# The installed programs agree on one version, and the calculator works from the installed tree.
window_version=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/pipecolumn" --version)
cli_version=$("$prefix/bin/pipecolumn-cli" --version)
if [ "${window_version#pipecolumn }" != "${cli_version#pipecolumn-cli }" ]; then
  echo "versions differ: '$window_version' and '$cli_version'"
  status=1
fi
"$prefix/bin/pipecolumn-cli" --json | grep -q '"max_axial_force_kg": 10280' || {
  echo "the installed calculator does not give the worked example"
  status=1
}
png_size=$(file -b "$prefix/share/icons/hicolor/32x32/apps/pipecolumn.png")
case "$png_size" in
  *"32 x 32"*) ;;
  *) echo "the 32 px icon is not 32 x 32: $png_size"; status=1 ;;
esac

# The package from this build: lintian finds no error and no warning (its manual page checks
# included). CI runs as root, which lintian only warns about.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
lintian_options=(--fail-on error,warning)
[ "$(id -u)" -ne 0 ] || lintian_options+=(--allow-root)
lintian "${lintian_options[@]}" "$work"/package/pipecolumn_*.deb || status=1

[ $status -eq 0 ] && echo "installed tree complete and valid, package lintian-clean"
exit $status
