#!/usr/bin/env bash
# Stages an installation of a build (DESTDIR, prefix /usr, as the Debian package does) and checks
# what it holds: the programs, the link to the window and the help pages beside it, the menu
# entry (valid, and its Exec and Icon found in the installation), the icons, the MIME type of
# *.KRT documents, and the installed tova-export, tova-check and tova-exercise on the installed
# sample drawing.
# Usage: check-install.sh BUILD_DIR SOURCE_DIR [PROGRAM_DIR]   (PROGRAM_DIR defaults to lib/tova)
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
programdir=${3:-lib/tova}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# Naming the (only) component makes cmake write its list of installed files under another name,
# so build/install_manifest.txt still lists what make install put in place.
DESTDIR="$stage" cmake --install "$build" --prefix /usr --component Unspecified >"$stage.log" 2>&1 ||
  { cat "$stage.log"; rm -f "$stage.log"; echo "FAILED: cmake --install"; exit 1; }
rm -f "$stage.log"
usr=$stage/usr

for file in bin/tova-export bin/tova-check bin/tova-exercise "$programdir/tova"; do
  [[ -f $usr/$file && -x $usr/$file ]] || fail "$file is not an installed program"
done

# bin/tova must stay a relative link: an absolute one would point into the staging folder.
link=$(readlink "$usr/bin/tova" || true)
[[ -n $link ]] || fail "bin/tova is not a link"
[[ $link != /* ]] || fail "bin/tova links to an absolute path ($link)"
[[ $(realpath -m "$usr/bin/tova") == "$(realpath -m "$usr/$programdir/tova")" ]] ||
  fail "bin/tova does not lead to $programdir/tova"
for page in Help.htm Malvo.htm; do
  cmp -s "$source/help/$page" "$usr/$programdir/$page" || fail "$page is not beside the program"
done
cmp -s "$source/samples/Tova.ini" "$usr/share/tova/Tova.ini" || fail "the sample drawing is not installed"
cmp -s "$source/packaging/copyright" "$usr/share/doc/tova/copyright" || fail "the copyright file is not installed"
gzip -dc "$usr/share/doc/tova/changelog.Debian.gz" 2>/dev/null | cmp -s - "$source/packaging/changelog" ||
  fail "the changelog is not installed"
for page in tova tova-export tova-check tova-exercise; do
  gzip -dc "$usr/share/man/man1/$page.1.gz" 2>/dev/null | cmp -s - "$source/packaging/$page.1" ||
    fail "the manual page $page(1) is not installed"
done

desktop=$usr/share/applications/tova.desktop
if [[ ! -f $desktop ]]; then
  fail "no menu entry"
else
  desktop-file-validate "$desktop" >"$stage/validate" 2>&1 || { cat "$stage/validate"; fail "desktop-file-validate"; }
  exec_line=$(sed -n 's/^Exec=//p' "$desktop")
  command=${exec_line%% *}
  [[ -x $usr/bin/$command ]] || fail "Exec=$exec_line: $command is not in bin/"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [[ -f $usr/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "Icon=$icon has no scalable icon"
  for size in 48 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
    if [[ ! -f $png ]]; then
      fail "Icon=$icon has no ${size}x$size icon"
    else
      # The width and height in the PNG header.
      read -r -a dims <<<"$(od -An -tu1 -j16 -N8 "$png")"
      width=$(( (dims[2] << 8) | dims[3] )); height=$(( (dims[6] << 8) | dims[7] ))
      [[ $width == "$size" && $height == "$size" ]] || fail "${size}x$size/apps/$icon.png is ${width}x$height"
    fi
  done
fi

# The MIME database built from the installed type gives *.KRT and *.krt the Tova type and icon.
mime=$stage/mime
mkdir -p "$mime/packages"
cp "$usr/share/mime/packages/tova.xml" "$mime/packages/" || fail "no MIME type"
if update-mime-database "$mime" >/dev/null 2>&1; then
  grep -qx 'application/x-tova-drawing:\*\.krt' "$mime/globs" || fail "*.krt is not a Tova drawing"
  grep -qx "application/x-tova-drawing:${icon:-tova}" "$mime/icons" || fail "the MIME type has not the menu entry's icon"
else
  fail "update-mime-database rejects the MIME type"
fi

# The installed exporter, on the installed sample.
if "$usr/bin/tova-export" "$usr/share/tova/Tova.ini" "$stage/sample.svg" >/dev/null 2>&1; then
  grep -q '<svg' "$stage/sample.svg" || fail "tova-export wrote no SVG"
else
  fail "the installed tova-export failed on the installed sample"
fi
if "$usr/bin/tova-export" "$usr/share/tova/Tova.ini" "$stage/sample.png" >/dev/null 2>&1; then
  [[ $(od -An -c -j1 -N3 "$stage/sample.png" | tr -d ' ') == PNG ]] || fail "tova-export wrote no PNG"
else
  fail "the installed tova-export failed to write a PNG"
fi

# The installed checker: the sample against itself matches fully.
"$usr/bin/tova-check" "$usr/share/tova/Tova.ini" "$usr/share/tova/Tova.ini" >/dev/null 2>&1 ||
  fail "the installed tova-check does not find the sample matching itself"
# The installed exercise maker: an exercise on the installed sample.
"$usr/bin/tova-exercise" "$usr/share/tova/Tova.ini" --title Sample --aids check -o "$stage/exercise.KRT" >/dev/null 2>&1 &&
  grep -qx 'begin key' "$stage/exercise.KRT" || fail "the installed tova-exercise made no exercise of the sample"

if [[ $failures -ne 0 ]]; then
  echo "$failures failed"
  exit 1
fi
echo "install layout: all checks passed"
