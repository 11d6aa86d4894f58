#!/usr/bin/env bash
# Renders a presentation to slide pictures for Slidekiln's own viewer:
#   render-slides.sh <presentation> <folder>
# writes <folder>/slide-001.png, slide-002.png, ... (1920 pixels wide) with
# LibreOffice (presentation to PDF) and pdftoppm (PDF to pictures). The folder
# must not exist yet; nothing is left in it when the rendering fails.
# Exit status: 0 rendered; 3 LibreOffice is not installed; 4 pdftoppm is not
# installed; 1 the rendering failed; 2 wrong use.
set -uo pipefail

time_limit=${RENDER_SLIDES_TIME_LIMIT:-300}
width=1920

if [[ $# -ne 2 ]]; then
  echo "render-slides: usage: render-slides.sh <presentation> <folder>" >&2
  exit 2
fi
presentation=$1
folder=$2
if [[ ! -f "$presentation" ]]; then
  echo "render-slides: no such presentation: $presentation" >&2
  exit 2
fi

office=""
for candidate in soffice libreoffice; do
  if command -v -- "$candidate" >/dev/null 2>&1; then
    office=$(command -v -- "$candidate")
    break
  fi
done
if [[ -z "$office" ]]; then
  echo "render-slides: LibreOffice is not installed, so the package gets no slide pictures" \
       "and the recipient will need LibreOffice to see the show." >&2
  exit 3
fi
if ! command -v pdftoppm >/dev/null 2>&1; then
  echo "render-slides: pdftoppm is not installed (Debian: poppler-utils), so the package gets no" \
       "slide pictures and the recipient will need LibreOffice to see the show." >&2
  exit 4
fi
# Only PowerPoint (OLE compound or ZIP) and OpenDocument (ZIP) files are
# presentations; anything else would open as a text document.
case $(od -An -tx1 -N4 -- "$presentation" | tr -d ' \n') in
  d0cf11e0 | 504b0304) ;;
  *)
    echo "render-slides: $presentation is not a presentation." >&2
    exit 1
    ;;
esac
if ! mkdir -- "$folder"; then
  echo "render-slides: cannot create $folder" >&2
  exit 1
fi

# A private folder for the PDF and a LibreOffice profile of its own: an office
# the author has open would otherwise take the conversion over, or refuse it.
work=$(mktemp -d) || exit 1
cleanup() {
  rm -rf -- "$work"
  if [[ $1 -ne 0 ]]; then rm -rf -- "$folder"; fi
}
trap 'cleanup $?' EXIT
mkdir -p "$work/profile" "$work/pdf"

# Percent-encodes a path for a file URL byte by byte (in the C locale a
# character is one byte), so that UTF-8 names stay the same path.
url_encoded() {
  local LC_ALL=C
  local text=$1 encoded="" character i
  for ((i = 0; i < ${#text}; i++)); do
    character=${text:i:1}
    case "$character" in
      [a-zA-Z0-9/._~-]) encoded+=$character ;;
      *) encoded+=$(printf '%%%02X' "'$character") ;;
    esac
  done
  printf '%s' "$encoded"
}

# LibreOffice names its output after the input; a link of a fixed name keeps
# odd source names (a leading "-", blanks, newlines) away from its command line.
extension=${presentation##*.}
case "$extension" in
  ppt | pptx | odp) ;;
  *) extension=ppt ;;
esac
ln -s -- "$(readlink -f -- "$presentation")" "$work/slides.$extension"

timeout --kill-after=15 "$time_limit" "$office" --headless --norestore --nolockcheck --nodefault \
  "-env:UserInstallation=file://$(url_encoded "$work/profile")" \
  --convert-to pdf:impress_pdf_Export --outdir "$work/pdf" "$work/slides.$extension" </dev/null >/dev/null 2>&1
status=$?
# LibreOffice ends with status 0 even when the conversion failed: the result decides.
if [[ ! -s "$work/pdf/slides.pdf" ]]; then
  if [[ $status -eq 124 || $status -eq 137 ]]; then
    echo "render-slides: LibreOffice did not finish within $time_limit seconds." >&2
  else
    echo "render-slides: LibreOffice could not read the presentation (exit status $status)." >&2
  fi
  exit 1
fi

if ! timeout "$time_limit" pdftoppm -png -scale-to-x "$width" -scale-to-y -1 \
     "$work/pdf/slides.pdf" "$work/slide" </dev/null; then
  echo "render-slides: pdftoppm could not render the slides." >&2
  exit 1
fi
# pdftoppm pads the numbers to the width of the page count; give them three
# digits at least, so that the names also sort in order.
count=0
for picture in "$work"/slide-*.png; do
  [[ -e "$picture" ]] || continue
  number=${picture##*/slide-}
  number=${number%.png}
  mv -- "$picture" "$(printf '%s/slide-%03d.png' "$folder" "$((10#$number))")" || exit 1
  count=$((count + 1))
done
if [[ $count -eq 0 ]]; then
  echo "render-slides: the presentation has no slides." >&2
  exit 1
fi
echo "Rendered $count slides."
