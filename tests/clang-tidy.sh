#!/bin/sh
# Runs clang-tidy with the checks of .clang-tidy over every source file of
# src/ in the build's compilation database; any finding fails.
# Usage: clang-tidy.sh SOURCE_DIR BUILD_DIR
set -eu
source_dir="$1"
build_dir="$2"
log="$build_dir/clang-tidy.log"

for tool in clang-tidy-14 run-clang-tidy-14; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed: 'make deps' installs it (package clang-tidy)"
        exit 1
    fi
done

# Only the project's own files: Qt's generated sources lie in the build tree.
if run-clang-tidy-14 -quiet -clang-tidy-binary clang-tidy-14 -p "$build_dir" -j "$(nproc)" \
    -header-filter="^$source_dir/src/" "^$source_dir/src/" >"$log" 2>&1; then
    exit 0
fi
# The findings with their notes, without the tool's colours and progress lines.
sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -vE '^clang-tidy-14 |^[0-9]+ (warning|error)s? .*generated\.$'
echo "clang-tidy found the above in src/ (full output: $log)"
exit 1
