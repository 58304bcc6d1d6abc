#!/usr/bin/env bash
# Applies each mutation of a list, one at a time, to a scratch copy of the sources, rebuilds it
# incrementally and runs the chosen tests against it: a mutation the tests fail on is killed,
# one they pass survives. Prints one line a mutation and the score; fails below the minimum.
#
#   tests/mutants/run.sh SOURCE_DIR SCRATCH_DIR CONTENT_BUILD MIN_PERCENT [CTEST_ARGS...]
#
# TARGETS (space-separated) names what to build, everything when unset: the test programs the
# chosen tests run. A mutation's run stops at its first failing test. MUTANTS_LIST names another
# list (a part of the kept one, say) to run instead.
#
# The list is tests/mutants/mutants.txt: blocks of "== name", "file: path", "find: text",
# "replace: text", where the text to find occurs exactly once in the file.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
scratch=$2
content_build=$(cd "$3" && pwd)
min_percent=$4
shift 4
tests=("$@")
[ ${#tests[@]} -gt 0 ] || tests=(-L unit)
list=$(realpath "${MUTANTS_LIST:-$source_dir/tests/mutants/mutants.txt}")

mkdir -p "$scratch/src"
scratch=$(cd "$scratch" && pwd)
# A copy of the working tree as it is (committed or not), builds and git left out.
tar -C "$source_dir" -cf - --exclude='./build*' --exclude=./.git --exclude=./tour . |
    tar -C "$scratch/src" -xf -
cmake -S "$scratch/src" -B "$scratch/build" -DCMAKE_BUILD_TYPE=Release \
    -DMARROWEN_PREBUILT_CONTENT="$content_build" >"$scratch/configure.log"

targets=()
for target in ${TARGETS:-}; do targets+=(--target "$target"); done
build() { nice cmake --build "$scratch/build" -j "${JOBS:-2}" "${targets[@]}" >"$scratch/build.log" 2>&1; }
run_tests() {
    (cd "$scratch/build" && ctest --timeout 120 -j "${JOBS:-2}" "$@" "${tests[@]}" \
        >"$scratch/tests.log" 2>&1)
}

build || { echo "The unmutated copy does not build: $scratch/build.log"; exit 1; }
run_tests || { echo "The tests fail without any mutation: $scratch/tests.log"; exit 1; }
echo "$(grep -c '^ *Start ' "$scratch/tests.log") tests pass unmutated; each mutation in turn:"

# name, file, find, replace of every mutation, in list order, NUL-separated.
mapfile -d '' fields < <(perl -ne '
    chomp;
    if (/^== (.*)$/) { print "$1\0" }
    elsif (/^(file|find|replace): ?(.*)$/) { print "$2\0" }' "$list")

killed=0 survived=0 survivors=""
for ((i = 0; i < ${#fields[@]}; i += 4)); do
    name=${fields[i]} file=${fields[i + 1]} find=${fields[i + 2]} replace=${fields[i + 3]}
    target=$scratch/src/$file
    cp "$target" "$scratch/original"
    count=$(FIND=$find REPLACE=$replace perl -0777 -i -pe '
        $n = () = /\Q$ENV{FIND}\E/g;
        s/\Q$ENV{FIND}\E/$ENV{REPLACE}/ if $n == 1;
        END { print STDERR $n }' "$target" 2>&1)
    if [ "$count" != 1 ]; then
        cp "$scratch/original" "$target"
        echo "LIST ERROR  $name: the text to find occurs $count times in $file"
        exit 1
    fi
    start=$(date +%s)
    if ! build; then
        cp "$scratch/original" "$target"
        echo "LIST ERROR  $name: the mutated $file does not build ($scratch/build.log)"
        exit 1
    fi
    if run_tests --stop-on-failure; then
        survived=$((survived + 1))
        survivors+="  $name ($file)"$'\n'
        echo "SURVIVED    $name ($(($(date +%s) - start)) s)"
    else
        killed=$((killed + 1))
        echo "killed      $name ($(($(date +%s) - start)) s)"
    fi
    cp "$scratch/original" "$target"
done
build

total=$((killed + survived))
echo "$killed of $total mutations killed, $survived survived."
[ -z "$survivors" ] || printf 'Survivors:\n%s' "$survivors"
[ $((killed * 100)) -ge $((min_percent * total)) ]
