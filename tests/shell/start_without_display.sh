#!/bin/sh
# Starts the program ($1) as over ssh, with no display or with DISPLAY=$2
# naming one that cannot be opened: one line on standard error and exit
# code 1, never an abort.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
[ -n "${2-}" ] && export DISPLAY="$2"
said=$("$1" 2>&1 >/dev/null)
code=$?
printf '%s\n' "$said"
[ "$code" -eq 1 ] && [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] &&
  printf '%s' "$said" | grep -q 'needs a graphical desktop'
