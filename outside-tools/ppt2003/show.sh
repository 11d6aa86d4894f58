#!/bin/sh
# Shows the presentation that came with this package full-screen: with LibreOffice
# Impress when it is installed, else with the desktop's default program.
cd "$(dirname "$0")" || exit 1
for office in soffice libreoffice; do
  if command -v "$office" >/dev/null 2>&1; then
    exec "$office" --norestore --show view.ppt
  fi
done
if command -v xdg-open >/dev/null 2>&1; then
  exec xdg-open view.ppt
fi
echo "No presentation program found: install LibreOffice Impress to show view.ppt." >&2
exit 1
