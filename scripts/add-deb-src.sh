#!/usr/bin/env bash
# Lets `apt-get source` fetch Debian's source packages: writes deb-src entries
# mirroring the machine's Debian deb entries into a sources file of its own,
# /etc/apt/sources.list.d/tessalune-src.sources, and touches nothing else.
# Safe to rerun: apt's lists are refreshed only when that file changes.
set -euo pipefail
target=/etc/apt/sources.list.d/tessalune-src.sources
new=$(mktemp)
trap 'rm -f "$new"' EXIT

# deb822 files: every Debian stanza of type deb, as deb-src.
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] && [ "$f" != "$target" ] || continue
  awk 'BEGIN { RS = "" }
       {
         n = split($0, line, "\n"); deb = 0; debian = 0; out = ""
         for (i = 1; i <= n; i++) {
           if (line[i] ~ /^Types:/) {
             if ((" " line[i] " ") ~ / deb /) deb = 1
             line[i] = "Types: deb-src"
           }
           if (line[i] ~ /^URIs:/ && line[i] ~ /debian/) debian = 1
           out = out line[i] "\n"
         }
         if (deb && debian) printf "%s\n", out
       }' "$f" >>"$new"
done
# One-line files: each Debian "deb" line in stanza form.
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] || continue
  awk '$1 == "deb" && $0 ~ /debian/ {
         i = 2; opts = ""
         if ($2 ~ /^\[/) { while ($i !~ /\]$/) { opts = opts " " $i; i++ } opts = opts " " $i; i++ }
         uri = $i; suite = $(i + 1); comps = ""
         for (j = i + 2; j <= NF; j++) comps = comps " " $j
         signed = ""
         if (match(opts, /signed-by=[^] ]*/)) signed = "Signed-By: " substr(opts, RSTART + 10, RLENGTH - 10) "\n"
         printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents:%s\n%s\n", uri, suite, comps, signed
       }' "$f" >>"$new"
done
[ -s "$new" ] || { echo "add-deb-src: no Debian deb entry found to mirror" >&2; exit 1; }
if ! cmp -s "$new" "$target" 2>/dev/null; then
  install -m 644 "$new" "$target"
  apt-get update -qq
fi
