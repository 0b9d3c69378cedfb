#!/bin/sh
# Stands in for the outside PunkBuster UCON client in tests and the demo. As the real client does, it reads
# the configuration file it is given by name ("ini=codwaw.ini") in the folder it runs in, and appends UCON
# event lines to "pbucon.log" in that folder (0xFA field separators, LF line ends, Windows-1252 bytes) until
# it is ended. Without its configuration there it says so in the log and ends. It also writes its process
# id into "pbucon.pid" there, so that a test can tell whether it still runs.
if [ "$#" -ne 1 ] || [ "$1" != "ini=codwaw.ini" ]; then
    echo "usage: pbucon.exe ini=codwaw.ini" >&2
    exit 2
fi
# A test may take the system's folders off the PATH, to hide a wine there from the program.
PATH="/usr/bin:/bin:$PATH"
log="pbucon.log"
echo "$$" >pbucon.pid
if [ ! -r codwaw.ini ]; then
    printf 'Cannot read codwaw.ini in %s\n' "$(pwd)" >>"$log"
    exit 1
fi
# \372 is the separator byte 0xFA, \351 an "é" in Windows-1252.
printf 'PunkBuster UCON session opened\n' >>"$log"
printf '12.09.2026 22:10:01\372PB\372Player Ren\351 (slot #1) connected 203.0.113.17:28960\n' >>"$log"
printf '12.09.2026 22:10:02\372PB\372cvars check passed for slot #1\n' >>"$log"
printf '12.09.2026 22:10:03\372CHAT\372Bob: anyone up for sd?\n' >>"$log"
# A test that fails before it ends the client must not leave it running for ever.
n=0
while [ "$n" -lt 300 ]; do
    n=$((n + 1))
    printf '12.09.2026 22:11:%02d\372PB\372Heartbeat %d\n' "$((n % 60))" "$n" >>"$log"
    sleep 1
done
