#!/usr/bin/env bash
# What a user gets from `make install` or the .deb: the file list, launcher and metainfo that
# validate, and a thumbnailer that previews real files.
#   check_install.sh BUILD_DIR SOURCE_DIR
# Installs BUILD_DIR into a DESTDIR and checks that; then, when `make package` has left a .deb
# of the same version in BUILD_DIR or beside it in release/, checks the package the same way
# unless it is out of date.
set -euo pipefail
build=$1 source=$2
data=$source/tests/read
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
validate() { # TOOL DEBIAN_PACKAGE ARGS...
  local tool=$1 package=$2 out
  shift 2
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (apt-get install $package)"
    return
  fi
  out=$("$tool" "$@" 2>&1) || fail "$tool: $out"
}

id=org.kelbrin.Kelbrin

check_tree() {
  local root=$1 prefix=$2

  expected=(
    bin/kelbrin-cli bin/kelbrin-thumbnailer
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml
    share/mime/packages/kelbrin-abr.xml share/thumbnailers/kelbrin.thumbnailer
    share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/kelbrin.1.gz share/man/man1/kelbrin-cli.1.gz
    share/doc/kelbrin/README.md
  )
  for size in 16 22 24 32 48 64 128 256 512; do
    expected+=(share/icons/hicolor/${size}x$size/apps/$id.png)
  done
  [[ -x "$build/src/app/kelbrin" ]] && expected+=(bin/kelbrin)
  # Every translated page, where man -L LANGUAGE finds it.
  for page in "$source"/docs/man/*/*.1.scd; do
    language=$(basename "$(dirname "$page")")
    expected+=(share/man/$language/man1/$(basename "$page" .scd).gz)
  done
  for png in "$source"/docs/*.png; do
    expected+=(share/doc/kelbrin/docs/$(basename "$png"))
  done
  diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f | sed 's|^\./||' | sort) ||
    fail "installed files differ from the list above (< expected, > installed)"

  for program in kelbrin-cli kelbrin-thumbnailer; do
    "$root/bin/$program" --version | grep -qx "$program [0-9.]*" || fail "$program --version"
  done
  # The launcher starts what is installed, the thumbnailer entry runs what is installed.
  grep -qx 'Exec=kelbrin %F' "$root/share/applications/$id.desktop" || fail "launcher Exec"
  grep -qx 'Exec=kelbrin-thumbnailer -s %s %u %o' "$root/share/thumbnailers/kelbrin.thumbnailer" ||
    fail "thumbnailer Exec"

  validate desktop-file-validate desktop-file-utils "$root/share/applications/$id.desktop"
  validate appstreamcli appstream validate --no-net "$root/share/metainfo/$id.metainfo.xml"
  rm -rf "$stage/mime" && cp -r "$root/share/mime" "$stage/mime"
  validate update-mime-database shared-mime-info "$stage/mime"

  for file in "$data"/*.abr; do
    # Damaged copies (flips, fuzz finds) rightly give no preview.
    [[ $(basename "$file") == flip-* || $(basename "$file") == fuzz-* ]] && continue
    out=$stage/$(basename "$file").png
    "$root/bin/kelbrin-thumbnailer" -s 128 "$file" "$out" || fail "no preview of $file"
    [[ $(head -c 8 "$out" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "$out is no PNG"
  done
  echo "ok: ${#expected[@]} files under $prefix"
}

echo "checking an install of $build"
DESTDIR="$stage/install" cmake --install "$build" --prefix /usr/local >/dev/null
check_tree "$stage/install/usr/local" /usr/local

version=$("$build/src/kelbrin-cli" --version | cut -d' ' -f2)
for deb in "$build"/kelbrin_"$version"_*.deb "$build"/../release/kelbrin_"$version"_*.deb; do
  [[ -f "$deb" ]] && command -v dpkg-deb >/dev/null || continue
  if [[ -n $(find "$source"/{cmake,data,docs} -newer "$deb" -print -quit) ]]; then
    echo "SKIP: $deb is older than what it packs; make package to check it"
    continue
  fi
  echo "checking $deb"
  dpkg-deb -x "$deb" "$stage/deb"
  control=$(dpkg-deb -f "$deb")
  grep -q '^Depends:.*libqt6core6' <<<"$control" || fail "no computed dependencies: $control"
  dpkg-deb -I "$deb" postinst | grep -q update-mime-database || fail "postinst does not refresh"
  check_tree "$stage/deb/usr" /usr
  break
done
