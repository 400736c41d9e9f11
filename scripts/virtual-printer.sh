#!/usr/bin/env bash
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

if ! lpstat -r >/dev/null 2>&1; then
  $sudo /usr/sbin/cupsd
  for _ in $(seq 1 50); do
    lpstat -r >/dev/null 2>&1 && break
    sleep 0.2
  done
fi
model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt.ppd/ { print $1; exit }')
$sudo lpadmin -p "$printer" -v cups-pdf:/ -E ${model:+-m "$model"} 2>/dev/null
$sudo lpadmin -d "$printer"
lpstat -d >&2
echo "$output"
