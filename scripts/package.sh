#!/usr/bin/env bash
# Builds the Debian package of Kavorin and checks it. Installs what is missing on
# Debian (as root).
#
#   1. checks that the committed help files are those help/make_help.py makes;
#   2. configures a Release build without tests in build-package/, builds it and
#      runs `cpack -G DEB` (dependencies from dpkg-shlibdeps);
#   3. lists the package's files and fails unless it holds the program, its
#      modules, the language files, both help files of each guide (RTF and HTML), the
#      licence, the desktop entry, the metainfo, every icon, the manual page and the
#      change log;
#   4. unpacks it and runs desktop-file-validate, appstreamcli validate and the
#      manual page lint on the files as installed;
#   5. prints the package's control fields, its Depends among them, and has apt
#      simulate installing the package.
#
# CI=true turns compiler warnings into errors. KAVORIN_PACKAGE_DIR overrides the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kavorin_ensure_packages "${KAVORIN_PACKAGE_PACKAGES[@]}"

build_dir=${KAVORIN_PACKAGE_DIR:-build-package}
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

echo "== Help files"
python3 help/make_help.py --check || fail "help/Help_*.rtf or .html are not what help/make_help.py makes of help/source"

echo "== Build and package"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DKAVORIN_BUILD_TESTS=OFF -DKAVORIN_BUILD_TOOLS=OFF -DKAVORIN_WERROR="$werror"
kavorin_refresh_autogen "$build_dir"
cmake --build "$build_dir"
rm -f "$build_dir"/kavorin_*.deb
(cd "$build_dir" && cpack -G DEB)
packages=("$build_dir"/kavorin_*.deb)
if [ ${#packages[@]} != 1 ] || [ ! -f "${packages[0]}" ]; then
  echo "cpack made no single kavorin_*.deb" >&2
  exit 1
fi
deb=${packages[0]}
echo "Package: $deb ($(du -h "$deb" | cut -f1))"

echo "== Files in the package"
listing=$(dpkg-deb -c "$deb")
echo "$listing"
paths=$(awk '{ print $6 }' <<<"$listing" | sed 's|^\./|/|')
required=(
  /usr/bin/Kavorin
  /usr/bin/kavorin
  /usr/share/kavorin/Languages/English.ini
  /usr/share/kavorin/Languages/Czech.ini
  /usr/share/kavorin/Languages/Slovak.ini
  /usr/share/kavorin/Languages/English.bmp
  /usr/share/kavorin/Languages/Czech.bmp
  /usr/share/kavorin/Languages/Slovak.bmp
  /usr/share/kavorin/Languages/Materials.csv
  /usr/share/kavorin/Help_EN.rtf
  /usr/share/kavorin/Help_CS.rtf
  /usr/share/kavorin/Help_EN.html
  /usr/share/kavorin/Help_CS.html
  /usr/share/kavorin/License.txt
  /usr/share/applications/kavorin.desktop
  /usr/share/metainfo/com.ternwick.kavorin.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/kavorin.svg
  /usr/share/icons/hicolor/48x48/apps/kavorin.png
  /usr/share/icons/hicolor/128x128/apps/kavorin.png
  /usr/share/icons/hicolor/256x256/apps/kavorin.png
  /usr/share/man/man1/kavorin.1.gz
  /usr/share/man/man1/Kavorin.1.gz
  /usr/share/doc/kavorin/copyright
  /usr/share/doc/kavorin/changelog.gz
)
for path in "${required[@]}"; do
  grep -qxF "$path" <<<"$paths" || fail "the package lacks $path"
done
# The modules, in the library folder of the package's architecture.
for module in libkavorin_http.so libkavorin_svg.so libkavorin_print.so; do
  grep -qE "^/usr/lib/([^/]+/)?kavorin/$module\$" <<<"$paths" ||
    fail "the package lacks the module /usr/lib/<triplet>/kavorin/$module"
done
# Every language file that the source tree has is shipped.
for file in Languages/*; do
  grep -qxF "/usr/share/kavorin/$file" <<<"$paths" || fail "the package lacks /usr/share/kavorin/$file"
done
grep -q '^-rwxr-xr-x .* \./usr/bin/Kavorin$' <<<"$listing" || fail "/usr/bin/Kavorin is not an executable file"
grep -q '^lrwxrwxrwx .* \./usr/bin/kavorin -> Kavorin$' <<<"$listing" ||
  fail "/usr/bin/kavorin is not a link to Kavorin"
grep -q '^lrwxrwxrwx .* \./usr/share/man/man1/Kavorin.1.gz -> kavorin.1.gz$' <<<"$listing" ||
  fail "/usr/share/man/man1/Kavorin.1.gz is not a link to kavorin.1.gz"

echo "== The installed files"
root=$(mktemp -d -t kavorin-package.XXXXXX)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
file "$root/usr/bin/Kavorin"
desktop-file-validate "$root/usr/share/applications/kavorin.desktop" ||
  fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.ternwick.kavorin.metainfo.xml" ||
  fail "appstreamcli rejects the metainfo"
appstreamcli validate-tree --no-net "$root" ||
  fail "appstreamcli rejects the installed tree (desktop entry, metainfo and icons together)"
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/kavorin.1.gz" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || fail "the manual page has warnings: $man_warnings"
for size in 48 128 256; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/kavorin.png" |
    grep -q "PNG image data, $size x $size," || fail "the ${size}x${size} icon is not a $size-pixel PNG"
done
# The metainfo and the change log name the version the package carries.
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/com.ternwick.kavorin.metainfo.xml" ||
  fail "the metainfo has no release $version (add it to resources/freedesktop/com.ternwick.kavorin.metainfo.xml)"
changelog_version=$(dpkg-parsechangelog -l resources/freedesktop/changelog -S Version)
[ "$changelog_version" = "$version" ] ||
  fail "resources/freedesktop/changelog begins with $changelog_version, the package is $version"
# Each screenshot of the metainfo is one of the pictures in the source tree, at its size.
while read -r width height name; do
  picture=resources/freedesktop/$name
  if [ ! -f "$picture" ]; then
    fail "the metainfo's screenshot $name is not in resources/freedesktop/"
  elif ! file "$picture" | grep -q "PNG image data, $width x $height,"; then
    fail "$picture is not $width x $height as the metainfo says"
  fi
done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">[^<]*/\([^/<]*\)</image>.*|\1 \2 \3|p' \
           resources/freedesktop/com.ternwick.kavorin.metainfo.xml)

echo "== Control fields"
dpkg-deb -f "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends does not name the Qt libraries (is dpkg-shlibdeps at work?)"
grep -q 'qt6-qpa-plugins' <<<"$depends" || fail "Depends lacks qt6-qpa-plugins"
# apt can satisfy them (a simulation: nothing is installed).
if command -v apt-get >/dev/null 2>&1; then
  echo "== Installing the package, simulated"
  apt-get install --simulate --no-install-recommends "$(realpath "$deb")" | grep -E '^(Inst|Conf) ' ||
    fail "apt cannot install $deb"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) of $deb failed." >&2
  exit 1
fi
echo "The package $deb passes every check."
