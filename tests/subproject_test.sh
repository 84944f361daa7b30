#!/usr/bin/env bash
# Builds the program from a project that includes Lysvandre with
# add_subdirectory, as a school's own bundle of programs would, and checks that
# the program, the libraries and the install rules come along.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
work=$2
rm -rf "$work"
mkdir -p "$work/outer"
cat > "$work/outer/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(SchoolPrograms LANGUAGES CXX)
set(BUILD_TESTING OFF)
add_subdirectory("$source_dir" lysvandre)
CMAKE
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$work/outer" -B "$work/build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" -j2 --target lysvandre
test -x "$work/build/lysvandre/app/lysvandre" || { echo "no program built"; exit 1; }
cmake --install "$work/build" --prefix "$work/install" >/dev/null
for f in bin/lysvandre share/applications/dk.lysvandre.lysvandre.desktop share/icons/hicolor/64x64/apps/lysvandre.png; do
  test -e "$work/install/$f" || { echo "not installed: $f"; exit 1; }
done
echo "the program builds and installs as a subproject"
