#!/bin/sh
# SPDX-License-Identifier: MIT
# Stands in for a media player in tests. Each start appends one record to the file named by
# LYRANTEL_FAKE_PLAYER_LOG, holding every argument and the bytes of the playlist it was given
# (the argument after "/Open" when there is one, else the first), all in base64 so blanks, line
# ends and any bytes survive:
#   start <argument count>
#   arg <base64>              one line per argument, in order
#   playlist <base64>         or "no-playlist" when that file can't be read
#   end
# The record is written with one append once complete, so a reader never sees half of it.
set -u
log=${LYRANTEL_FAKE_PLAYER_LOG:?LYRANTEL_FAKE_PLAYER_LOG names no file}

playlist=${1-}
previous=
for argument in "$@"; do
    [ "$previous" = "/Open" ] && playlist=$argument
    previous=$argument
done

record="start $#
"
for argument in "$@"; do
    record="${record}arg $(printf '%s' "$argument" | base64 -w0)
"
done
if [ -n "$playlist" ] && [ -f "$playlist" ] && [ -r "$playlist" ]; then
    record="${record}playlist $(base64 -w0 <"$playlist")
"
else
    record="${record}no-playlist
"
fi
printf '%send\n' "$record" >>"$log"
