#!/bin/bash
# Launcher overhead: wall time of setup.exe on a medium of about 20 MB, from
# its start until the installer starts (and until setup.exe ends), against a
# minimal program that only does the same three LZ copies. Both run under the
# build tree's Wine, alternately, several rounds; medians are compared.
set -eu
cd "$(dirname "$0")/.."
build=$PWD/build
bench=$build/bench
rounds=${1:-7}  # usage: bench_launcher.sh [rounds] [text|random]
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

rm -rf "$bench"
mkdir -p "$bench/medium" "$bench/temp" "$bench/work"
cp "$build/bin/setup.exe" "$bench/medium/"
# A help file of text that packs to about 20 MB, so that the medium holds
# about 20 MB; "random" as the second argument takes bytes that barely pack.
if [ "${2:-text}" = random ]; then
    head -c 18000000 /dev/urandom >"$bench/work/help"
else
    awk 'BEGIN { srand(7); for (i = 1; i <= 750000; i++) printf "Kapitel %d.%d: Zeichnen mit KARTOLIN 4, Bibliothek %x, Vordruck %x.\n", i, int(rand() * 1000), int(rand() * 2^31), int(rand() * 2^31) }' >"$bench/work/help"
fi
tools/pack_file.sh "$build/tools/kl4_inst_sample.exe" "$bench/medium/_000010_"
tools/pack_file.sh "$bench/work/help" "$bench/medium/_000020_"
tools/pack_file.sh "$build/bin/kl4_lang.dll" "$bench/medium/_000030_"
echo "medium: $(du -sh "$bench/medium" | cut -f1) packed, $(du -sh "$bench/work/help" | cut -f1) help file expanded"

run="$build/wine/run"
# A program that keeps Wine's desktop up, as a desktop always is on Windows;
# else every GUI program would pay for starting it.
"$run" notepad.exe >/dev/null 2>&1 &
sleep 2
now() { date +%s%N; }
setup_times=()
start_times=()
copy_times=()
for round in $(seq "$rounds"); do
    rm -f "$bench/temp"/*
    start=$(now)
    # setup.exe takes its temporary folder from TEMP/TMP in its environment.
    WINEDEBUG=-all "$run" cmd /c "set TEMP=$(winpath "$bench/temp")&& set TMP=$(winpath "$bench/temp")&& $(winpath "$bench/medium/setup.exe")" >/dev/null 2>&1
    setup_times+=($(( ($(now) - start) / 1000000 )))
    # The sample installer notes when setup.exe created its process.
    for i in $(seq 100); do [ -f "$bench/temp/kl4_inst.record" ] && break; sleep 0.05; done
    started=$(sed -n 's/^created: //p' "$bench/temp/kl4_inst.record" | tr -d '\r')
    [ -n "$started" ] || { echo "the installer was not started"; exit 1; }
    start_times+=($(( started - start / 1000000 )))
    rm -f "$bench/temp"/*
    start=$(now)
    "$run" cmd /c "$(winpath "$build/tools/bench_lzcopy.exe") $(winpath "$bench/medium")\\ $(winpath "$bench/temp")\\" >/dev/null 2>&1
    copy_times+=($(( ($(now) - start) / 1000000 )))
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
s=$(median "${setup_times[@]}")
i=$(median "${start_times[@]}")
c=$(median "${copy_times[@]}")
echo "setup.exe, start to end:             ${setup_times[*]} ms (median $s)"
echo "setup.exe, start to installer start: ${start_times[*]} ms (median $i)"
echo "bench_lzcopy, start to end:          ${copy_times[*]} ms (median $c)"
echo "ratio to installer start: $(awk "BEGIN { printf \"%.3f\", $i / $c }"), to end: $(awk "BEGIN { printf \"%.3f\", $s / $c }")"
"$PWD/cmake/wine-session.sh" stop "$build/wine"
