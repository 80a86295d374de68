#!/bin/sh
# with_small_disk.sh COMMAND...: runs COMMAND with SMALL_DISK_DIR naming (in
# Windows form) a 256 KiB tmpfs, which fills up during the launcher's copy.
set -u
disk=$(mktemp -d /tmp/kl4-small-disk.XXXXXX)
if ! mount -t tmpfs -o size=256k tmpfs "$disk" 2>/dev/null; then
    rmdir "$disk"
    echo "cannot mount a tmpfs here: skipped"
    exit 77
fi
SMALL_DISK_DIR="Z:$(echo "$disk" | tr / '\\')" WINEDLLOVERRIDES="mscoree,mshtml=" "$@"
status=$?
umount "$disk"
rmdir "$disk"
exit $status
