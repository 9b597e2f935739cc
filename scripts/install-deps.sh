#!/usr/bin/env bash
# Installs the Debian packages that building, testing or running Tova needs and that are missing.
# Usage: scripts/install-deps.sh [--list] build|test|web|run|screenshot|fuzz|package|package-check|icons
# As root it installs with apt-get; otherwise it prints the apt-get line to run and fails.
# --list prints the packages of the set, one a line, and installs nothing.
set -euo pipefail

# The window and tova-export (PNG through libpng, the PDF sheet through cairo and Pango), and the
# fonts of the window's Chinese caption and of its controls.
window=(cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev libpng-dev libcairo2-dev
        libpango1.0-dev fonts-wqy-microhei fonts-liberation2)
# The page is built with Emscripten, its scripts minified with terser, and it is tested in
# headless Chromium through Selenium.
web=(emscripten terser)
browser=(chromium chromium-driver python3-selenium)
# The page's accessibility test takes axe-core from the npm registry with the machine's npm; where
# there is no npm, Debian's.
command -v npm >/dev/null || browser+=(npm)
# The window under a virtual display needs Xvfb and xdotool, and ImageMagick to compare or take
# its picture; poppler's tools turn the PDF sheet into a picture.
display=(xvfb xauth xdotool imagemagick x11-utils poppler-utils)
# The tests and benchmarks; the export tests read DXF back with ezdxf and check the PDF sheet with
# qpdf; the install test validates the menu entry and the MIME type.
tests=(libgtest-dev libgmock-dev libbenchmark-dev python3-ezdxf qpdf desktop-file-utils
       shared-mime-info)
build=("${window[@]}" "${tests[@]}" "${display[@]}" "${web[@]}" "${browser[@]}")
fuzz=(clang libclang-rt-14-dev)
# cpack's Debian generator finds the programs with file and their libraries with dpkg-shlibdeps,
# and lintian checks the package it makes;
# packaging/check-package.sh installs the package on a fresh Debian made by debootstrap;
# packaging/render-icons.sh draws the PNG icons with rsvg-convert.
package=(dpkg-dev file lintian)
package_check=(debootstrap)
icons=(librsvg2-bin)

list=false
[[ ${1:-} == --list ]] && { list=true; shift; }
case "${1:-build}" in
  build|test) wanted=("${build[@]}") ;;
  run) wanted=("${window[@]}") ;;
  web) wanted=("${window[@]}" "${web[@]}") ;;
  screenshot) wanted=("${window[@]}" "${display[@]}" "${web[@]}" "${browser[@]}") ;;
  fuzz) wanted=("${build[@]}" "${fuzz[@]}") ;;
  package) wanted=("${build[@]}" "${package[@]}") ;;
  package-check) wanted=("${build[@]}" "${package[@]}" "${package_check[@]}") ;;
  icons) wanted=("${icons[@]}") ;;
  *) echo "usage: $0 [--list] build|test|web|run|screenshot|fuzz|package|package-check|icons" >&2; exit 2 ;;
esac
if $list; then printf '%s\n' "${wanted[@]}"; exit 0; fi

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
