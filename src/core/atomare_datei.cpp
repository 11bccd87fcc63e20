#include "core/atomare_datei.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#include "core/systemfehler.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace zahlix {

namespace {

std::optional<std::size_t> fehlerNach;

enum class Schritt { Anlegen, Schreiben, Ersetzen };

struct Fehlschlag {
    Schritt schritt;
    std::string grund;  // German; empty when the system gave no reason
};

struct Art {
    bool schutzBeachten;     // refuse a target the user may not write
    bool rechteUebernehmen;  // the new file keeps the mode of the one it replaces
};

std::FILE* Oeffnen(const fs::path& p, const char* modus) {
#ifdef _WIN32
    std::wstring m(modus, modus + std::char_traits<char>::length(modus));
    return ::_wfopen(p.c_str(), m.c_str());
#else
    return std::fopen(p.c_str(), modus);
#endif
}

// Until this returns the data may sit in the system's cache only; a power loss after the
// rename would then leave an empty file under the target's name.
bool AufDiePlatte(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#ifdef _WIN32
    return ::_commit(::_fileno(f)) == 0;  // FlushFileBuffers
#else
    return ::fsync(::fileno(f)) == 0;
#endif
}

// Makes the rename itself durable (POSIX keeps directory entries in the folder's data).
void OrdnerAufDiePlatte(const fs::path& ordner) {
#ifndef _WIN32
    const int fd = ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)ordner;
#endif
}

std::string Grund(int fehlernummer) {
    return SystemfehlerText(fehlernummer);
}

// Short on purpose: a target name near the system's limit must still fit. Created exclusively,
// so two programs writing into one folder never share a temporary file.
std::FILE* TemporaerAnlegen(const fs::path& ordner, fs::path& temp) {
    static std::mt19937 zufall{std::random_device{}()};
    char name[24];
    for (int versuch = 0; versuch < 100; ++versuch) {
        std::snprintf(name, sizeof name, "~zx%06x.tmp", static_cast<unsigned>(zufall() & 0xFFFFFF));
        temp = ordner / name;
        errno = 0;
        if (std::FILE* f = Oeffnen(temp, "wbx")) return f;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

// Opening for writing asks the system itself, so its rules (modes, ACLs, read-only mounts,
// root) decide, and nothing is changed by asking.
std::optional<std::string> Schreibschutz(const fs::path& ziel) {
    errno = 0;
    std::FILE* probe = Oeffnen(ziel, "r+b");
    if (!probe) return Grund(errno ? errno : EACCES);
    std::fclose(probe);
    return std::nullopt;
}

std::optional<Fehlschlag> Ersetzen(const fs::path& gewuenscht, std::string_view inhalt, Art art) {
    std::error_code ec;
    const fs::path ziel = VerknuepfungAufloesen(gewuenscht);
    const bool vorhanden = fs::exists(ziel, ec);
    if (vorhanden && art.schutzBeachten) {
        if (auto grund = Schreibschutz(ziel)) return Fehlschlag{Schritt::Anlegen, *grund};
    }
    fs::path temp;
    std::FILE* f = TemporaerAnlegen(ziel.parent_path(), temp);
    if (!f) return Fehlschlag{Schritt::Anlegen, Grund(errno)};
    std::optional<Fehlschlag> fehlschlag;
    std::string_view rest = inhalt;
    if (fehlerNach && *fehlerNach < rest.size()) rest = rest.substr(0, *fehlerNach);
    errno = 0;
    if (std::fwrite(rest.data(), 1, rest.size(), f) != rest.size() || !AufDiePlatte(f))
        fehlschlag = Fehlschlag{Schritt::Schreiben, Grund(errno)};
    else if (rest.size() != inhalt.size())
        fehlschlag = Fehlschlag{Schritt::Schreiben, Grund(ENOSPC)};
    if (std::fclose(f) != 0 && !fehlschlag)
        fehlschlag = Fehlschlag{Schritt::Schreiben, Grund(errno)};
    if (!fehlschlag && vorhanden) {
        if (art.rechteUebernehmen)
            fs::permissions(temp, fs::status(ziel, ec).permissions(), ec);
        else  // Windows refuses to rename over a read-only file
            fs::permissions(ziel, fs::perms::owner_write, fs::perm_options::add, ec);
    }
    if (!fehlschlag) {
        fs::rename(temp, ziel, ec);
        if (ec) fehlschlag = Fehlschlag{Schritt::Ersetzen, SystemfehlerText(ec)};
    }
    if (fehlschlag) {
        fs::remove(temp, ec);
        return fehlschlag;
    }
    OrdnerAufDiePlatte(ziel.parent_path());
    return std::nullopt;
}

}  // namespace

fs::path VerknuepfungAufloesen(const fs::path& pfad) {
    fs::path p = pfad;
    std::error_code ec;
    for (int tiefe = 0; tiefe < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++tiefe) {
        const fs::path z = fs::read_symlink(p, ec);
        if (ec) break;
        p = z.is_absolute() ? z : p.parent_path() / z;
    }
    return p;
}

bool ZielBeschreibbar(const fs::path& ziel, std::string& fehler) {
    const fs::path echt = VerknuepfungAufloesen(ziel);
    std::error_code ec;
    if (!fs::exists(echt, ec)) return true;
    const auto grund = Schreibschutz(echt);
    if (grund) fehler = *grund;
    return !grund;
}

void SchreibfehlerNachBytes(std::optional<std::size_t> n) {
    fehlerNach = n;
}

bool AtomarErsetzen(const fs::path& ziel, std::string_view inhalt, std::string& fehler) {
    const auto f = Ersetzen(ziel, inhalt, {true, true});
    if (!f) return true;
    if (!f->grund.empty())
        fehler = f->grund;
    else if (f->schritt == Schritt::Anlegen)
        fehler = "Die Datei konnte nicht angelegt werden.";
    else
        fehler = "Die Datei konnte nicht geschrieben werden.";
    return false;
}

bool SicherungSchreiben(const fs::path& datei, const fs::path& sicherung, std::string& fehler) {
    std::string bytes;
    if (!GanzEinlesen(datei, bytes, fehler)) return false;
    std::error_code ec;
    fs::create_directories(sicherung.parent_path(), ec);
    if (ec) {
        fehler = SystemfehlerText(ec);
        return false;
    }
    const auto f = Ersetzen(sicherung, bytes, {false, false});
    if (!f) return true;
    fehler = f->grund.empty() ? "Die Sicherungskopie konnte nicht geschrieben werden." : f->grund;
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
    const auto f = Ersetzen(pfad, inhalt, {true, true});
    if (!f) return true;
    const std::string grund = f->grund.empty() ? "" : ": " + f->grund;
    switch (f->schritt) {
        case Schritt::Anlegen:
            fehler = name + " kann nicht geschrieben werden" + grund + ".";
            break;
        case Schritt::Schreiben:
            fehler = name + " konnte nicht vollständig geschrieben werden" + grund + ".";
            break;
        case Schritt::Ersetzen:
            fehler = name + " kann nicht ersetzt werden" + grund + ".";
            break;
    }
    return false;
}

}  // namespace zahlix
