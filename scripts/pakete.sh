# Installs the Debian packages the build needs, only those that are missing.
# Sourced by scripts/run and scripts/test.
zahlix_pakete_installieren() {
    local fehlend=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    echo "Installiere: ${fehlend[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
}

ZAHLIX_BAU_PAKETE=(g++ cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev qt6-translations-l10n)
# The Windows cross build and its tests under Wine (scripts/windows-test).
ZAHLIX_WINDOWS_PAKETE=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest)
