#!/usr/bin/env bash
# CTest's emulator for the cross tree: runs one Windows program under Wine.
# Output goes to the caller's files, never to a pipe a leftover Wine
# process could keep open.
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
