#!/usr/bin/env bash
# Installs the Debian packages that building, testing or running Tova needs and that are missing.
# Usage: scripts/install-deps.sh build|web|run|screenshot|fuzz|package|package-check|icons
# As root it installs with apt-get; otherwise it prints the apt-get line to run and fails.
set -euo pipefail

# The window tests under a virtual display need Xvfb and xdotool, and ImageMagick to compare;
# the export tests read DXF back with ezdxf and check the PDF sheet with qpdf and poppler's tools
# (its Chinese text needs a font that has it); the install test validates the menu entry and the
# MIME type; the page is built with Emscripten and tested in headless Chromium through Selenium.
build=(cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
       libbenchmark-dev libpng-dev libcairo2-dev libpango1.0-dev python3-ezdxf qpdf poppler-utils
       fonts-wqy-microhei xvfb xauth xdotool imagemagick x11-utils fonts-liberation2
       desktop-file-utils shared-mime-info
       emscripten chromium chromium-driver python3-selenium)
run=(fonts-wqy-microhei)
screenshot=()
fuzz=(clang libclang-rt-14-dev)
# cpack's Debian generator finds the programs with file and their libraries with dpkg-shlibdeps,
# and lintian checks the package it makes;
# packaging/check-package.sh installs the package on a fresh Debian made by debootstrap;
# packaging/render-icons.sh draws the PNG icons with rsvg-convert.
package=(dpkg-dev file lintian)
package_check=(debootstrap)
icons=(librsvg2-bin)

wanted=("${build[@]}")
case "${1:-build}" in
  build|web) ;;
  run) wanted+=("${run[@]}") ;;
  screenshot) wanted+=("${run[@]}" "${screenshot[@]}") ;;
  fuzz) wanted+=("${fuzz[@]}") ;;
  package) wanted+=("${package[@]}") ;;
  package-check) wanted+=("${package[@]}" "${package_check[@]}") ;;
  icons) wanted=("${icons[@]}") ;;
  *) echo "usage: $0 build|web|run|screenshot|fuzz|package|package-check|icons" >&2; exit 2 ;;
esac

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
