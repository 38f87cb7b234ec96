#!/usr/bin/env bash
# Builds the .tar.gz and .deb packages, unpacks the .deb into a temporary root
# (build/package-root) and the tarball into a temporary prefix, checks that
# both hold the three programs and their manual pages, and runs the test
# suite against the programs unpacked from the .deb.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
(cd build/default && cpack -G "TGZ;DEB" >/dev/null)

deb=$(ls build/default/numex_*.deb)
tgz=$(ls build/default/numex-*.tar.gz)
root=build/package-root
prefix=build/package-prefix
rm -rf "$root" "$prefix"
mkdir -p "$root" "$prefix"
dpkg-deb -x "$deb" "$root"
tar -xzf "$tgz" -C "$prefix" --strip-components=1

for dir in "$root/usr" "$prefix"; do
  for program in eigpair quadpanel rootstep; do
    test -x "$dir/bin/$program" || { echo "missing $dir/bin/$program"; exit 1; }
    test -f "$dir/share/man/man1/$program.1" || { echo "missing $dir/share/man/man1/$program.1"; exit 1; }
  done
done
echo "package: $(basename "$deb") and $(basename "$tgz") hold the programs and their manual pages"
dpkg-deb -f "$deb" Package Version Depends

cmake --workflow --preset installed
