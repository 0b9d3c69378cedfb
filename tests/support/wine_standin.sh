#!/bin/sh
# Stands in for wine in tests, placed as "wine" in a folder put first on the PATH. It records how it was
# started beside itself (its arguments, one per line in brackets, and its working folder), then runs the
# program as wine does:
# - a Windows program through the loader stand-in placed beside it as "wine64-preloader", whose process takes
#   the Windows program's name and is the one wine was started as;
# - with a file "hands-off" beside it, as wine runs a program that is not a Windows one (the UCON client's
#   stand-in script, say): in a process of its own, handed to init, while wine itself ends at once.
here="$(dirname "$0")"
printf '[%s]\n' "$@" >"$here/wine-arguments.txt"
pwd >"$here/wine-folder.txt"
if [ -e "$here/hands-off" ]; then
    ("$@" >/dev/null 2>&1 &)
    exit 0
fi
exec "$here/wine64-preloader" "$@"
