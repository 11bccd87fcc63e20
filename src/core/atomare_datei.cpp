#include "core/atomare_datei.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace zahlix {

namespace {

std::optional<std::size_t> fehlerNach;

enum class Schritt { Anlegen, Schreiben, Ersetzen };

struct Fehlschlag {
    Schritt schritt;
    std::string systemtext;  // empty when the system gave no reason
};

std::string Systemtext(int fehlernummer) {
    if (fehlernummer == 0) return {};
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

std::optional<Fehlschlag> Ersetzen(const fs::path& ziel, std::string_view inhalt) {
    const fs::path temp = TemporaererName(ziel);
    std::optional<Fehlschlag> fehlschlag;
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return Fehlschlag{Schritt::Anlegen, Systemtext(errno)};
        std::string_view rest = inhalt;
        if (fehlerNach && *fehlerNach < rest.size()) rest = rest.substr(0, *fehlerNach);
        out.write(rest.data(), static_cast<std::streamsize>(rest.size()));
        out.flush();
        if (!out)
            fehlschlag = Fehlschlag{Schritt::Schreiben, Systemtext(errno)};
        else if (rest.size() != inhalt.size())
            fehlschlag = Fehlschlag{Schritt::Schreiben, Systemtext(ENOSPC)};
        out.close();
        if (!fehlschlag && out.fail())
            fehlschlag = Fehlschlag{Schritt::Schreiben, Systemtext(errno)};
    }
    std::error_code ec;
    if (!fehlschlag) {
        fs::rename(temp, ziel, ec);
        if (ec) fehlschlag = Fehlschlag{Schritt::Ersetzen, ec.message()};
    }
    if (fehlschlag) fs::remove(temp, ec);
    return fehlschlag;
}

}  // namespace

void SchreibfehlerNachBytes(std::optional<std::size_t> n) {
    fehlerNach = n;
}

bool AtomarErsetzen(const fs::path& ziel, std::string_view inhalt, std::string& fehler) {
    const auto f = Ersetzen(ziel, inhalt);
    if (!f) return true;
    if (!f->systemtext.empty())
        fehler = f->systemtext;
    else if (f->schritt == Schritt::Anlegen)
        fehler = "Die Datei konnte nicht angelegt werden.";
    else
        fehler = "Die Datei konnte nicht geschrieben werden.";
    return false;
}

bool DateiAtomarSchreiben(const fs::path& pfad, std::string_view inhalt, std::string& fehler) {
    const std::string name = "Die Datei " + TextAusPfad(pfad.filename());
    std::error_code ec;
    if (fs::is_directory(pfad, ec)) {
        fehler =
            name + " kann nicht geschrieben werden: Es gibt bereits einen Ordner dieses Namens.";
        return false;
    }
    const auto f = Ersetzen(pfad, inhalt);
    if (!f) return true;
    const std::string grund = f->systemtext.empty() ? "" : ": " + f->systemtext;
    switch (f->schritt) {
        case Schritt::Anlegen:
            fehler = name + " kann nicht geschrieben werden" + grund + ".";
            break;
        case Schritt::Schreiben:
            fehler = name + " konnte nicht vollständig geschrieben werden" + grund + ".";
            break;
        case Schritt::Ersetzen:
            fehler = name + " kann nicht ersetzt werden" + grund;
            break;
    }
    return false;
}

}  // namespace zahlix
