#!/bin/sh
# Runs a Windows program with Wine in the given prefix, quietly. The first start creates the
# prefix; two first starts at once (ninja and ctest run in parallel) would both try and one
# fails, so creating it is done once under a lock.
prefix="$1"
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all
if [ ! -e "$prefix/.zahlix-fertig" ]; then
    flock "$prefix.lock" sh -c '[ -e "$WINEPREFIX/.zahlix-fertig" ] ||
        { wineboot -i >/dev/null 2>&1 && touch "$WINEPREFIX/.zahlix-fertig"; }' || exit 1
fi
exec wine "$@"
