#include "systems/meine_systeme.h"

#include <algorithm>
#include <system_error>

#include "app/programm.h"
#include "core/atomare_datei.h"
#include "core/dateisperre.h"
#include "core/zahlformat.h"
#include "output/kennung.h"
#include "systems/systemauswertung.h"

namespace fs = std::filesystem;

namespace zahlix {

namespace {

constexpr const char* kZeilenende = "\r\n";
// A large system has thousands of winning rows; the text names the first ones.
constexpr size_t kGezeigteGewinnreihen = 100;

bool KannPfadSein(const std::string& zeile) {
    return !zeile.empty() && zeile.size() <= 32767 &&
           std::none_of(zeile.begin(), zeile.end(), [](char c) {
               const auto u = static_cast<unsigned char>(c);
               return u < 0x20 || u == 0x7F;
           });
}

bool Speichern(const fs::path& datei, const std::vector<std::string>& liste, std::string& fehler) {
    std::string text;
    for (const auto& e : liste) text += e + kZeilenende;
    std::string grund;
    if (AtomarErsetzen(datei, text, grund)) return true;
    fehler = "Die Liste Meine Systeme konnte nicht gespeichert werden: " + grund;
    return false;
}

// Load, change, save under the lock of the list file.
template <typename F>
bool Aendern(const fs::path& datei, std::string& fehler, F aenderung) {
    Dateisperre sperre = Dateisperre::Nehmen(datei, fehler);
    if (!sperre.Gehalten()) return false;
    std::vector<std::string> liste;
    if (!MeineSystemeLaden(datei, liste, fehler)) return false;
    if (!aenderung(liste)) return true;
    return Speichern(datei, liste, fehler);
}

std::string Ziehungstext(const Lottodatei& d, int i) {
    const int kennung = KennungAus(d.WocheKennung[i]);
    std::string t = ZahlNull2(static_cast<int16_t>(WocheAus(d.WocheKennung[i]))) + "/" +
                    ZahlNull4(static_cast<int16_t>(JahrAusJahrCode(d.JahrCode[i])));
    if (kennung != 0) t += "-" + KennungText(kennung);
    t += ":";
    for (int z : ZahlenAusMaske(MaskeAusBitworten(d.Zahlen(i))))
        t += ZahlFeld3(static_cast<int16_t>(z));
    return t;
}

}  // namespace

fs::path MeineSystemePfad() {
    fs::path ordner = Programm().startverzeichnis;
    if (ordner.empty()) {
        std::error_code ec;
        ordner = fs::current_path(ec);
    }
    return ordner / kMeineSystemeDatei;
}

bool MeineSystemeLaden(const fs::path& datei, std::vector<std::string>& liste,
                       std::string& fehler) {
    liste.clear();
    std::error_code ec;
    if (!fs::exists(datei, ec)) return true;
    const auto zeilen = TextzeilenLesen(datei);
    if (!zeilen) {
        fehler = "Die Liste Meine Systeme (" + TextAusPfad(datei.filename()) +
                 ") kann nicht gelesen werden.";
        return false;
    }
    for (const auto& z : *zeilen)
        if (KannPfadSein(z) && std::find(liste.begin(), liste.end(), z) == liste.end())
            liste.push_back(z);
    return true;
}

bool MeinSystemEintragen(const fs::path& datei, const std::string& system, std::string& fehler) {
    if (!KannPfadSein(system)) {
        fehler = "Der Name \"" + system + "\" ist kein gültiger Dateiname.";
        return false;
    }
    return Aendern(datei, fehler, [&](std::vector<std::string>& liste) {
        if (std::find(liste.begin(), liste.end(), system) != liste.end()) return false;
        liste.push_back(system);
        return true;
    });
}

bool MeinSystemAustragen(const fs::path& datei, const std::string& system, std::string& fehler) {
    return Aendern(datei, fehler,
                   [&](std::vector<std::string>& liste) { return std::erase(liste, system) > 0; });
}

int NeuesteZiehung(const Lottodatei& d) {
    for (int i = d.Anzahl() - 1; i >= 0; --i)
        if (MaskeAusBitworten(d.Zahlen(i)) != 0) return i;
    return -1;
}

Tippergebnis TippPruefen(const std::string& datei, const Lottodatei& d, int i) {
    Tippsystem s;
    std::string fehler;
    if (!SystemLesen(PfadVonName(datei), s, fehler)) {
        Tippergebnis e;
        e.datei = datei;
        e.fehler = fehler;
        return e;
    }
    return TippPruefen(datei, s, d, i);
}

Tippergebnis TippPruefen(const std::string& datei, const Tippsystem& s, const Lottodatei& d,
                         int i) {
    Tippergebnis e;
    e.datei = datei;
    e.reihen = static_cast<int64_t>(s.reihen.size());
    e.klassen = SystemGegenZiehung(s.reihen, d, i);
    e.beste = BesteKlasse(e.klassen);
    const Reihenmaske zug = MaskeAusBitworten(d.Zahlen(i));
    for (size_t r = 0; r < s.reihen.size(); ++r) {
        if (AnzahlIn(s.reihen[r] & zug) < 3) continue;
        e.gewinnreihen.push_back(static_cast<int>(r + 1));
        e.gewinnmasken.push_back(s.reihen[r]);
    }
    return e;
}

std::string TippsPruefenText(const std::vector<Tippergebnis>& ergebnisse, const Lottodatei& d,
                             int i, const std::string& historienname) {
    std::string t = "* Tipps prüfen - " + historienname + kZeilenende;
    t += "* Bereich - " + d.Titel + kZeilenende;
    const Reihenmaske zug = MaskeAusBitworten(d.Zahlen(i));
    const int b = Zusatzzahl(d.Zahlen(i));
    for (const Tippergebnis& e : ergebnisse) {
        const std::string name = TextAusPfad(PfadVonName(e.datei).filename());
        if (!e.fehler.empty()) {
            t += name + ": nicht geprüft. " + e.fehler + kZeilenende;
            continue;
        }
        t += name + " " + Ziehungstext(d, i) + " - beste Klasse " + KlassenKurztext(e.beste) + ",";
        bool gewinn = false;
        for (int c : kGewinnklassen) {
            const int32_t n = e.klassen[static_cast<size_t>(c)];
            if (n == 0) continue;
            t += " " + Gruppiert(n) + "x " + KlassenKurztext(c);
            gewinn = true;
        }
        t += (gewinn ? "" : " kein Gewinn") + std::string(" (") + Gruppiert(e.reihen) + " Reihen)" +
             kZeilenende;
        const size_t gezeigt = std::min(e.gewinnreihen.size(), kGezeigteGewinnreihen);
        for (size_t k = 0; k < gezeigt; ++k) {
            const Reihenmaske r = e.gewinnmasken[k];
            const std::string nr = std::to_string(e.gewinnreihen[k]);
            std::string z =
                "   Reihe " + std::string(nr.size() < 5 ? 5 - nr.size() : 0, ' ') + nr + ":";
            for (int n : ZahlenAusMaske(r))
                z += ZahlFeld3(static_cast<int16_t>(n)) + ((zug >> (n - 1)) & 1 ? "*"
                                                           : n == b             ? "+"
                                                                                : " ");
            t += z + " " + KlassenKurztext(ReihenKlasse(r, d.Zahlen(i))) + kZeilenende;
        }
        if (e.gewinnreihen.size() > gezeigt)
            t += "   ... und " + Gruppiert(static_cast<int64_t>(e.gewinnreihen.size() - gezeigt)) +
                 " weitere Reihen ab 3 Treffer" + kZeilenende;
    }
    return t + std::string(80, '-') + kZeilenende;
}

}  // namespace zahlix
