#!/bin/sh
# Stands in for wine in tests, placed as "wine" in a folder put first on the PATH. It records how it was
# started beside itself (its arguments, one per line in brackets, and its working folder), then runs the
# Windows program as wine does: through the loader stand-in placed beside it as "wine64-preloader", whose
# process takes the Windows program's name.
here="$(dirname "$0")"
printf '[%s]\n' "$@" >"$here/wine-arguments.txt"
pwd >"$here/wine-folder.txt"
exec "$here/wine64-preloader" "$@"
