#!/usr/bin/env bash
# Builds Tessaro.exe twice from clean build folders and requires the two
# images to be byte-identical.
set -euo pipefail
source_dir=$1
work=$2
rm -rf "$work"
for n in 1 2; do
    cmake -S "$source_dir" -B "$work/$n" \
        -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build "$work/$n" --target Tessaro -j2 >/dev/null
done
cmp "$work/1/Tessaro.exe" "$work/2/Tessaro.exe"
echo "identical: $(stat -c %s "$work/1/Tessaro.exe") bytes, sha256 $(sha256sum "$work/1/Tessaro.exe" | cut -d' ' -f1)"
rm -rf "$work"
