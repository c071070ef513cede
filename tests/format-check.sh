#!/bin/sh
# Fails when a C++ file of the tree is not formatted as .clang-format says.
# Usage: format-check.sh SOURCE_DIR
set -eu
cd "$1"
if ! command -v clang-format-14 >/dev/null; then
    echo "clang-format-14 is not installed: 'make deps' installs it (package clang-format)"
    exit 1
fi
find src tools tests bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format-14 --dry-run --Werror
