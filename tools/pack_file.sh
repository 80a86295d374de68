#!/bin/sh
# pack_file.sh SOURCE PACKED: SOURCE packed in the Windows compression tool's
# format (SZDD), as the files on a medium are.
set -eu
work=$(mktemp -d)
cp "$1" "$work/file"
mscompress "$work/file"
mv "$work/file_" "$2"
rm -rf "$work"
