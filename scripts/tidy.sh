#!/usr/bin/env bash
# Runs clang-tidy (the checks of .clang-tidy) over every source file of the
# project that the default preset compiles, two at a time, and fails when it
# finds anything. Files CMake generates (moc, resources, the version block)
# are not ours to fix and are skipped; headers are checked through the files
# that include them, as .clang-tidy's HeaderFilterRegex says.
#
#   scripts/tidy.sh                    every source file (as CI)
#   scripts/tidy.sh cli/Runner.cpp     some of them
#
# Either needs build/default/compile_commands.json (cmake --preset default).
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/.."

root=$(pwd -P)
database=build/default/compile_commands.json
jobs=2

if [ ! -f "$database" ]; then
    echo "tidy.sh: no $database; run cmake --preset default first" >&2
    exit 2
fi
# The header filter skips every folder named build; a checkout inside one
# would have no header checked at all.
case "$root/" in
*/build/*)
    echo "tidy.sh: $root lies in a folder named build; move the checkout" >&2
    exit 2
    ;;
esac

# The project's own sources in the database (or those asked for), NUL-ended.
list_sources() {
    python3 - "$database" "$root" "$caller" "$jobs" "$@" <<'PY'
import json, os, sys
database, root, caller, jobs, asked = *sys.argv[1:5], sys.argv[5:]
files = set()
for entry in json.load(open(database)):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(root + "/") and not path.startswith(root + "/build/"):
        files.add(path)
if asked:
    wanted = {os.path.normpath(os.path.join(caller, f)) for f in asked}
    if wanted - files:
        sys.exit("tidy.sh: not compiled by the default preset: " + " ".join(sorted(wanted - files)))
    files = wanted
print(f"tidy.sh: {len(files)} to check, {jobs} at a time", file=sys.stderr)
sys.stdout.write("".join(f + "\0" for f in sorted(files)))
PY
}

# The compile commands are GCC's: clang must pass over its warning options
# (-Wno-restrict) rather than stop at them. Each file's findings are printed
# whole, so that the two jobs' never interleave, without the count of the
# warnings suppressed in Qt's and the system's headers.
# shellcheck disable=SC2016 # $1 is the inner shell's: the file xargs hands it
list_sources "$@" | xargs -0 -r -n 1 -P "$jobs" sh -c '
    if ! out=$(clang-tidy -p build/default --quiet --warnings-as-errors="*" \
        --extra-arg=-Wno-unknown-warning-option "$1" 2>&1); then
        printf "%s\n" "$out" | grep -Ev "^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$"
        exit 1
    fi' tidy
