#!/usr/bin/env bash
# Builds third-party libraries from Debian's own source packages, static, for
# another target, one recipe (cmake/deps/<name>.sh) each. A recipe sets
# source_package, dev_package, cmake_args and may set needs (recipes built
# before it), build_targets, shipped=no (not linked into the game: no licence
# file kept), before_configure SOURCE, after_install PREFIX and install_step
# BUILD SOURCE PREFIX; it may read $target for a per-target option.
#
#   build-deps.sh TARGET TOOLCHAIN_FILE NAME...
#
# Each library is built from the source version of the -dev package installed
# here, so a cross build links what the Linux build links, and installed into
#   $TESS_DEPS_CACHE/TARGET/<source package>-<version>/
# (default cache /var/cache/tessalune-deps; source-version in it names the
# source built, which is the newest on the mirror when the mirror no longer
# holds the installed one). A folder whose stamp matches its
# recipe and toolchain is reused. TESS_DEPS_WRAPPER goes in front of the cmake
# configure command (emcmake for a browser build). Prints the prefixes, in
# order and separated by ";", for TESS_DEPS_PREFIXES; progress goes to stderr.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
target=$1
toolchain=$(realpath "$2")
shift 2
cache=${TESS_DEPS_CACHE:-/var/cache/tessalune-deps}/$target
wrapper=${TESS_DEPS_WRAPPER:-}
jobs=$(nproc)
mkdir -p "$cache"
rm -rf "$cache"/work.*  # what a failed run left

fail() { echo "build-deps: $*" >&2; exit 1; }

# The source version of the installed binary package $1.
installed_source_version() {
  dpkg-query -W -f='${db:Status-Status} ${source:Version}\n' "$1" 2>/dev/null |
    awk '$1 == "installed" { print $2 }'
}

# Downloads and unpacks source package $1 at version $2 into folder $3, and
# prints the version unpacked. When the mirror no longer holds that version,
# the newest one it does hold is taken.
fetch_source() {
  local package=$1 version=$2 into=$3 dsc candidate
  mkdir -p "$into"
  if ! (cd "$into" && apt-get source -qq --download-only "$package=$version" >/dev/null 2>&1); then
    for candidate in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -rV); do
      rm -f "$into"/*
      if (cd "$into" && apt-get source -qq --download-only "$package=$candidate" >/dev/null 2>&1); then
        echo "build-deps: $package $version is not on the mirror; took $candidate" >&2
        break
      fi
    done
  fi
  dsc=$(ls "$into"/*.dsc 2>/dev/null | head -n 1)
  [ -n "$dsc" ] || fail "cannot download the source of $package (is the deb-src entry there?)"
  dpkg-source -x --no-check "$dsc" "$into/src" >/dev/null || fail "cannot unpack $dsc"
  sed -n 's/^Version: //p' "$dsc"
}

prefixes=()
done_names=()
for name in "$@"; do
  recipe=$here/$name.sh
  [ -f "$recipe" ] || fail "no recipe $recipe"
  source_package="" dev_package="" cmake_args=() needs=() build_targets=() shipped=yes
  unset -f before_configure after_install install_step
  # shellcheck source=/dev/null
  source "$recipe"
  for need in "${needs[@]}"; do
    [[ " ${done_names[*]} " == *" $need "* ]] || fail "$name needs $need: name it before $name"
  done
  version=$(installed_source_version "$dev_package")
  [ -n "$version" ] || fail "$dev_package is not installed; its version picks the source"
  stamp_text="$(sha256sum "$recipe" "$toolchain" | cut -d' ' -f1 | tr '\n' ' ')$wrapper"
  prefix=$cache/$source_package-${version//:/_}
  if [ -f "$prefix/.stamp" ] && [ "$(cat "$prefix/.stamp")" = "$stamp_text" ]; then
    prefixes+=("$prefix")
    done_names+=("$name")
    continue
  fi
  echo "build-deps: building $source_package $version for $target" >&2
  work=$(mktemp -d "$cache/work.XXXXXX")
  built_version=$(fetch_source "$source_package" "$version" "$work")
  rm -rf "$prefix"
  found=$(IFS=';'; echo "${prefixes[*]}")
  if declare -F before_configure >/dev/null; then
    before_configure "$work/src"
  fi
  $wrapper cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_PREFIX_PATH="$found" -DTESS_DEPS_PREFIXES="$found" \
    "${cmake_args[@]}" >"$work/configure.log" 2>&1 ||
    { tail -n 40 "$work/configure.log" >&2; fail "configuring $source_package failed"; }
  targets=()
  for t in "${build_targets[@]}"; do targets+=(--target "$t"); done
  cmake --build "$work/build" --parallel "$jobs" "${targets[@]}" >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log" >&2; fail "building $source_package failed"; }
  if declare -F install_step >/dev/null; then
    install_step "$work/build" "$work/src" "$prefix"
  else
    cmake --install "$work/build" >/dev/null || fail "installing $source_package failed"
  fi
  if declare -F after_install >/dev/null; then
    after_install "$prefix"
  fi
  if [ "$shipped" = yes ]; then  # its licence goes out with what links it
    cp "$work/src/debian/copyright" "$prefix/copyright"
  fi
  echo "$built_version" >"$prefix/source-version"
  echo "$stamp_text" >"$prefix/.stamp"
  rm -rf "$work"
  prefixes+=("$prefix")
  done_names+=("$name")
done
(IFS=';'; echo "${prefixes[*]}")
