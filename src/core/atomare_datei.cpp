#include "core/atomare_datei.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace zahlix {

namespace {

std::optional<std::size_t> fehlerNach;
// No lottery file comes near this; a larger one is not read into memory at all.
constexpr std::streamoff kGroessteLesbareDatei = 64LL * 1024 * 1024;

std::string Systemtext(int fehlernummer, const char* ersatz) {
    if (fehlernummer == 0) return ersatz;
    return std::generic_category().message(fehlernummer);
}

fs::path TemporaererName(const fs::path& ziel) {
    static unsigned zaehler = 0;
    const fs::path ordner = ziel.parent_path();
    std::error_code ec;
    for (;;) {
        // Built as a path throughout, so a name with umlauts converts nowhere (Windows).
        fs::path kandidat = ordner / "~";
        kandidat += ziel.filename();
        // Piece by piece: GCC 12 misreads a chained operator+ here (-Wrestrict).
        kandidat += ".";
        kandidat += std::to_string(++zaehler);
        kandidat += ".tmp";
        if (!fs::exists(kandidat, ec)) return kandidat;
    }
}

}  // namespace

fs::path PfadVonName(const std::string& name) {
    return fs::path(std::u8string(name.begin(), name.end()));
}

void SchreibfehlerNachBytes(std::optional<std::size_t> n) {
    fehlerNach = n;
}

bool AtomarErsetzen(const fs::path& ziel, std::string_view inhalt, std::string& fehler) {
    const fs::path temp = TemporaererName(ziel);
    bool ok = true;
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            fehler = Systemtext(errno, "Die Datei konnte nicht angelegt werden.");
            return false;
        }
        std::string_view rest = inhalt;
        if (fehlerNach && *fehlerNach < rest.size()) rest = rest.substr(0, *fehlerNach);
        out.write(rest.data(), static_cast<std::streamsize>(rest.size()));
        out.flush();
        if (!out) {
            fehler = Systemtext(errno, "Die Datei konnte nicht geschrieben werden.");
            ok = false;
        } else if (rest.size() != inhalt.size()) {
            fehler = Systemtext(ENOSPC, "");
            ok = false;
        }
        out.close();
        if (ok && out.fail()) {
            fehler = Systemtext(errno, "Die Datei konnte nicht geschlossen werden.");
            ok = false;
        }
    }
    std::error_code ec;
    if (ok) {
        fs::rename(temp, ziel, ec);
        if (ec) {
            fehler = ec.message();
            ok = false;
        }
    }
    if (!ok) fs::remove(temp, ec);
    return ok;
}

bool GanzEinlesen(const fs::path& pfad, std::string& inhalt, std::string& fehler) {
    std::error_code ec;
    if (fs::is_directory(pfad, ec)) {
        fehler = "Der Name bezeichnet einen Ordner, keine Datei.";
        return false;
    }
    errno = 0;
    std::ifstream in(pfad, std::ios::binary);
    if (!in) {
        fehler = Systemtext(errno, "Die Datei konnte nicht geöffnet werden.");
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff laenge = in.tellg();
    in.seekg(0, std::ios::beg);
    if (laenge < 0) {
        fehler = Systemtext(errno, "Die Dateilänge konnte nicht ermittelt werden.");
        return false;
    }
    if (laenge > kGroessteLesbareDatei) {
        fehler = "Die Datei ist zu groß (mehr als 64 MB).";
        return false;
    }
    inhalt.resize(static_cast<std::size_t>(laenge));
    in.read(inhalt.data(), laenge);
    if (in.gcount() != laenge) {
        fehler = Systemtext(errno, "Die Datei konnte nicht gelesen werden.");
        return false;
    }
    return true;
}

}  // namespace zahlix
