#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a virtual PDF printer, "pipecolumn-test-pdf", as the default printer of this machine, so
# that the tests can print the sheet through the real print system. Meant for throw-away test
# machines (CI runs it); it installs and starts a print server. Prints the folder the printer
# writes its PDF files to.
set -euo pipefail
printer=pipecolumn-test-pdf
output=/var/spool/pipecolumn-test-printer

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! dpkg-query -W -f='${Status}' printer-driver-cups-pdf 2>/dev/null | grep -q 'install ok installed'; then
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq cups cups-client cups-bsd \
    printer-driver-cups-pdf >/dev/null
fi

$sudo mkdir -p "$output"
$sudo chmod 1777 "$output"
# cups-pdf writes every job, whoever sent it, into one folder.
$sudo sed -i -E "s|^#?Out .*|Out $output|; s|^#?AnonDirName .*|AnonDirName $output|" \
  /etc/cups/cups-pdf.conf

running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
if ! running; then
  $sudo /usr/sbin/cupsd
  for _ in $(seq 1 50); do
    running && break
    sleep 0.2
  done
fi
$sudo lpadmin -p "$printer" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
$sudo lpadmin -d "$printer"
lpstat -d >&2
echo "$output"
