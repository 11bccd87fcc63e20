#include "core/atomare_datei.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>

#include "core/dateiname.h"
#include "core/dateisystem.h"
#include "core/systemfehler.h"

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
    bool schutzBeachten;  // refuse a target the user may not write
    // Owner, group and mode of the replaced file stay; where the system does not allow that,
    // the file is written in place.
    bool besitzBehalten;
    std::optional<fs::perms> rechte;  // the new file's mode, when not the replaced one's
};

constexpr std::size_t kTempLaenge = 13;  // "~zx" + six hex digits + ".tmp"

// Exactly the names TemporaerAnlegen gives, so nobody else's file is ever taken for one.
bool EigenerRest(const std::string& name) {
    if (name.size() != kTempLaenge || !name.starts_with("~zx") || !name.ends_with(".tmp"))
        return false;
    for (std::size_t i = 3; i < 9; ++i)
        if (!((name[i] >= '0' && name[i] <= '9') || (name[i] >= 'a' && name[i] <= 'f')))
            return false;
    return true;
}

// What a killed save left behind. A minute is far longer than any save takes, so the temporary
// file of a save still running elsewhere stays.
void ResteEntfernen(const fs::path& ordner) {
    const auto grenze = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code ec;
    fs::directory_iterator it(ordner.empty() ? fs::path(".") : ordner, ec), ende;
    for (; !ec && it != ende; it.increment(ec)) {
        if (!EigenerRest(TextAusPfad(it->path().filename()))) continue;
        std::error_code e;
        if (it->symlink_status(e).type() != fs::file_type::regular) continue;
        const auto zeit = it->last_write_time(e);
        if (!e && zeit < grenze) fs::remove(it->path(), e);
    }
}

// Short on purpose: a target name near the system's limit must still fit. Created exclusively,
// so two programs writing into one folder never share a temporary file, and with the final
// mode from the start, so even a leftover shows nobody what the target hides.
Dateigriff TemporaerAnlegen(const fs::path& ordner, fs::perms rechte, fs::path& temp,
                            std::error_code& ec) {
    static std::mt19937 zufall{std::random_device{}()};
    char name[24];
    for (int versuch = 0; versuch < 100; ++versuch) {
        std::snprintf(name, sizeof name, "~zx%06x.tmp", static_cast<unsigned>(zufall() & 0xFFFFFF));
        temp = ordner / name;
        ec.clear();
        Dateigriff f = NeuAnlegen(temp, rechte, ec);
        if (f.Offen() || ec != std::errc::file_exists) return f;
    }
    return {};
}

// Opening for writing asks the system itself, so its rules (modes, ACLs, read-only mounts,
// root) decide, and nothing is changed by asking.
std::optional<std::string> Schreibschutz(const fs::path& ziel) {
    // Asked first: Windows lets an administrator open such a file for writing all the same.
    if (NurLesbarMarkiert(ziel)) return "Die Datei ist schreibgeschützt";
    std::error_code ec;
    if (ZumAendernOeffnen(ziel, ec).Offen()) return std::nullopt;
    return SystemfehlerText(ec ? ec : std::make_error_code(std::errc::permission_denied));
}

// A device or pipe would be replaced by a plain file and its link to the system lost.
std::optional<std::string> KeineDatei(const fs::file_status& st) {
    if (!fs::exists(st) || fs::is_regular_file(st)) return std::nullopt;
    if (fs::is_directory(st))
        return SystemfehlerText(std::make_error_code(std::errc::is_a_directory));
    return "Der Name bezeichnet keine gewöhnliche Datei, sondern ein Gerät oder eine Pipe";
}

std::string_view Begrenzt(std::string_view inhalt) {
    return fehlerNach && *fehlerNach < inhalt.size() ? inhalt.substr(0, *fehlerNach) : inhalt;
}

// The whole content from the start, nothing after it, on the disk; the test hook cuts it short
// as a full disk would.
bool Einschreiben(const Dateigriff& g, std::string_view inhalt, std::error_code& ec) {
    const std::string_view teil = Begrenzt(inhalt);
    if (!Schreiben(g, 0, teil, ec)) return false;
    if (teil.size() != inhalt.size()) {
        ec = std::make_error_code(std::errc::no_space_on_device);
        return false;
    }
    return Kuerzen(g, inhalt.size(), ec) && AufDiePlatte(g, ec);
}

// Overwrites the file as editors do. The space is reserved first, so a full disk stops the
// save before anything changed; any other failure puts the old content back.
std::optional<Fehlschlag> ImOrtSchreiben(const fs::path& ziel, std::string_view inhalt) {
    std::error_code ec, egal;
    Dateigriff g = ZumAendernOeffnen(ziel, ec);
    if (!g.Offen()) return Fehlschlag{Schritt::Anlegen, SystemfehlerText(ec)};
    std::string alt;
    if (!AllesLesen(g, alt, ec)) return Fehlschlag{Schritt::Schreiben, SystemfehlerText(ec)};
    if (Reservieren(g, inhalt.size(), ec) && Einschreiben(g, inhalt, ec)) return std::nullopt;
    const std::string grund = SystemfehlerText(ec);
    Schreiben(g, 0, alt, egal);
    Kuerzen(g, alt.size(), egal);
    AufDiePlatte(g, egal);
    return Fehlschlag{Schritt::Schreiben, grund};
}

std::optional<Fehlschlag> Ersetzen(const fs::path& gewuenscht, std::string_view inhalt,
                                   const Art& art) {
    if (auto grund = DateinameUnzulaessig(gewuenscht)) return Fehlschlag{Schritt::Anlegen, *grund};
    std::error_code ec;
    const fs::path ziel = VerknuepfungAufloesen(gewuenscht);
    const fs::path ordner = ziel.parent_path();
    const fs::file_status st = fs::status(ziel, ec);
    const bool vorhanden = fs::exists(st);
    if (auto grund = KeineDatei(st)) return Fehlschlag{Schritt::Anlegen, *grund};
    if (vorhanden && art.schutzBeachten) {
        if (auto grund = Schreibschutz(ziel)) return Fehlschlag{Schritt::Anlegen, *grund};
    }
    ResteEntfernen(ordner);
    const bool angleichen = vorhanden || art.rechte;
    const fs::perms rechte = art.rechte  ? *art.rechte
                             : vorhanden ? st.permissions()
                                         : fs::perms(0666);
    const bool imOrtMoeglich = vorhanden && art.besitzBehalten;
    fs::path temp;
    Dateigriff f = TemporaerAnlegen(ordner, rechte, temp, ec);
    if (!f.Offen()) {
        // A folder that takes no new file while the file itself may be written.
        if (imOrtMoeglich && ec == std::errc::permission_denied)
            return ImOrtSchreiben(ziel, inhalt);
        return Fehlschlag{Schritt::Anlegen, SystemfehlerText(ec)};
    }
    std::optional<Fehlschlag> fehlschlag;
    bool imOrt = false;
    if (angleichen && !Angleichen(f, imOrtMoeglich ? &ziel : nullptr, rechte, ec)) {
        // Another user's file in a shared folder: handing it over to this user would lock its
        // owner out.
        imOrt = imOrtMoeglich && ec == std::errc::operation_not_permitted;
        fehlschlag = Fehlschlag{Schritt::Anlegen, SystemfehlerText(ec)};
    } else if (!Einschreiben(f, inhalt, ec)) {
        fehlschlag = Fehlschlag{Schritt::Schreiben, SystemfehlerText(ec)};
    }
    if (const std::error_code e = f.Schliessen(); e && !fehlschlag)
        fehlschlag = Fehlschlag{Schritt::Schreiben, SystemfehlerText(e)};
    if (!fehlschlag && vorhanden && !art.schutzBeachten)  // Windows renames over no read-only file
        fs::permissions(ziel, fs::perms::owner_write, fs::perm_options::add, ec);
    if (!fehlschlag) {
        if (!Umbenennen(temp, ziel, ec))
            fehlschlag = Fehlschlag{Schritt::Ersetzen, SystemfehlerText(ec)};
    }
    if (fehlschlag) {
        fs::remove(temp, ec);
        return imOrt ? ImOrtSchreiben(ziel, inhalt) : fehlschlag;
    }
    OrdnerAufDiePlatte(ordner);
    return std::nullopt;
}

// A backup folder made in a folder its group shares is shared the same way.
bool OrdnerAnlegen(const fs::path& ordner, std::string& fehler) {
    std::error_code ec;
    if (!fs::create_directories(ordner, ec)) {
        if (ec) fehler = SystemfehlerText(ec);
        return !ec;
    }
    const fs::path oben = ordner.parent_path().empty() ? fs::path(".") : ordner.parent_path();
    const fs::perms geteilt = fs::status(oben, ec).permissions() & fs::perms::group_write;
    if (!ec && geteilt != fs::perms::none)
        fs::permissions(ordner, geteilt, fs::perm_options::add, ec);
    return true;
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
    if (auto grund = DateinameUnzulaessig(ziel)) {
        fehler = *grund;
        return false;
    }
    const fs::path echt = VerknuepfungAufloesen(ziel);
    std::error_code ec;
    const fs::file_status st = fs::status(echt, ec);
    if (!fs::exists(st)) return true;
    auto grund = KeineDatei(st);
    if (!grund) grund = Schreibschutz(echt);
    if (grund) fehler = *grund;
    return !grund;
}

void SchreibfehlerNachBytes(std::optional<std::size_t> n) {
    fehlerNach = n;
}

bool AtomarErsetzen(const fs::path& ziel, std::string_view inhalt, std::string& fehler) {
    const auto f = Ersetzen(ziel, inhalt, {true, true, std::nullopt});
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
    const fs::perms rechte = fs::status(datei, ec).permissions();
    if (ec) {
        fehler = SystemfehlerText(ec);
        return false;
    }
    if (!OrdnerAnlegen(sicherung.parent_path(), fehler)) return false;
    const auto f = Ersetzen(sicherung, bytes, {false, false, rechte});
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
    const auto f = Ersetzen(pfad, inhalt, {true, true, std::nullopt});
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
