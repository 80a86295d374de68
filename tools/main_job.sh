#!/bin/bash
# The main job: assembles a sample installation medium in build/medium, runs
# setup.exe from it under Wine on a virtual display, and reports what
# happened, with pictures in build/demo.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build
medium=$build/medium
demo=$build/demo
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

rm -rf "$medium" "$demo"
mkdir -p "$medium" "$demo/temp" "$demo/work"

# The medium: the launcher beside the three packed files.
cp "$build/bin/setup.exe" "$medium/setup.exe"
# A help file of about 20 MB, so that the copy takes a moment.
awk 'BEGIN { srand(4); for (i = 1; i <= 250000; i++) printf "Kapitel %d.%d: Zeichnen mit KARTOLIN 4, Bibliothek %x, Vordruck %x.\n", i, int(rand() * 1000), int(rand() * 2^31), int(rand() * 2^31) }' >"$demo/work/kl4_inst.hlp"
tools/pack_file.sh "$build/tools/kl4_inst_sample.exe" "$medium/_000010_"
tools/pack_file.sh "$demo/work/kl4_inst.hlp" "$medium/_000020_"
tools/pack_file.sh "$build/bin/kl4_lang.dll" "$medium/_000030_"
echo "Sample medium in $medium:"
ls -l "$medium" | tail -n +2

echo
echo "Running setup.exe from the medium (temporary folder $demo/temp):"
"$build/wine/run" "$build/tools/demo_runner.exe" "$(winpath "$medium/setup.exe")" "$(winpath "$demo/temp")" \
    "$(winpath "$demo/progress_dialog.bmp")" | tr -d '\r' | iconv -f CP1252 -t UTF-8
for file in kl4_inst.exe kl4_inst.hlp kl4_lang.dll; do
    case $file in
    kl4_inst.exe) original=$build/tools/kl4_inst_sample.exe ;;
    kl4_inst.hlp) original=$demo/work/kl4_inst.hlp ;;
    kl4_lang.dll) original=$build/bin/kl4_lang.dll ;;
    esac
    if cmp -s "$original" "$demo/temp/$file"; then echo "  $file: expanded, identical to the original"; else echo "  $file: DIFFERS from the original"; fi
done

# The sample installer, now in the temporary folder beside the language
# library, shows the library's dialog templates one by one.
"$build/wine/run" "$demo/temp/kl4_inst.exe" /tour "$(winpath "$demo/work")" >/dev/null 2>&1 || true

# The control gallery: one dialog with every control kind and state, with the
# look (the program reported as NT 3.51) and without it (as Windows 10).
"$build/wine/run" "$build/tools/gallery_nt351.exe" "$(winpath "$demo/work/gallery_look.bmp")" | tr -d '\r'
"$build/wine/run" "$build/tools/gallery_win10.exe" "$(winpath "$demo/work/gallery_plain.bmp")" | tr -d '\r'

for bmp in "$demo"/*.bmp "$demo"/work/*.bmp; do
    [ -f "$bmp" ] || continue
    convert "$bmp" "$demo/$(basename "${bmp%.bmp}").png"
    rm -f "$bmp"
done
rm -rf "$demo/work"
"$root/cmake/wine-session.sh" stop "$build/wine"
echo
echo "Pictures in $demo:"
ls "$demo"/*.png 2>/dev/null || echo "  (none)"
