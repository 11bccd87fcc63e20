// zahlix-cli system filtern: the system filter without its window. The rows that pass are
// written only when at least one is left.
#include <algorithm>
#include <functional>
#include <map>
#include <ostream>

#include "cli/auswertung_cli.h"
#include "cli/befehle.h"
#include "cli/quelldatei.h"
#include "core/lottodatei_io.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"
#include "systems/garantieanteil.h"
#include "systems/reihenfilter.h"

namespace zahlix::cli {

namespace {

struct Filteraufruf {
    std::vector<std::string> dateien;  // SYSTEM ZIEL, or ZIEL alone with --zahlen
    std::optional<std::vector<int>> zahlen;
    Systemfilter filter;
    std::string ziehungsdatei;
    int garantieT = 3, garantieM = 4;
};

std::optional<Spanne> SpanneLesen(const std::string& w, int bis) {
    const std::size_t strich = w.find('-');
    if (strich == std::string::npos) return std::nullopt;
    const auto a = GanzeZahl(w.substr(0, strich)), b = GanzeZahl(w.substr(strich + 1));
    if (!a || !b || *a < 0 || *a > *b || *b > bis) return std::nullopt;
    return Spanne{*a, *b};
}

std::optional<int> ZahlLesen(const std::string& w, int von, int bis) {
    const auto z = GanzeZahl(w);
    if (!z || *z < von || *z > bis) return std::nullopt;
    return z;
}

// ART=W1,W2: the values of one kind that stay, written as the draw display shows them
// without blanks ("2211", THUG "3324").
bool MusterLesen(const std::string& w, Systemfilter& f) {
    const std::size_t gleich = w.find('=');
    if (gleich == std::string::npos) return false;
    std::string art = w.substr(0, gleich);
    std::transform(art.begin(), art.end(), art.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    for (int a = 0; a < kMusterarten; ++a) {
        std::string name = MusterartName(static_cast<Musterart>(a));
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (name != art) continue;
        uint64_t erlaubt = 0;
        std::size_t start = gleich + 1;
        while (start <= w.size()) {
            const std::size_t ende = std::min(w.find(',', start), w.size());
            const std::string wert = w.substr(start, ende - start);
            int gefunden = -1;
            for (int v = 0; v < kMusterwerte; ++v) {
                std::string text = MusterwertText(static_cast<Musterart>(a), v);
                text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
                if (!text.empty() && text == wert) gefunden = v;
            }
            if (gefunden < 0) return false;
            erlaubt |= uint64_t{1} << gefunden;
            start = ende + 1;
        }
        f.muster[static_cast<std::size_t>(a)] = erlaubt;
        return true;
    }
    return false;
}

int Lesen(const Argumente& a, Filteraufruf& f, std::ostream& err) {
    Systemfilter& s = f.filter;
    using Leser = std::function<bool(const std::string&)>;
    const std::map<std::string, std::pair<Leser, const char*>> optionen = {
        {"--zahlen",
         {[&](const std::string& w) {
              std::vector<std::string> t;
              for (std::size_t p = 0; p <= w.size();) {
                  const std::size_t e = std::min(w.find(',', p), w.size());
                  t.push_back(w.substr(p, e - p));
                  p = e + 1;
              }
              return (f.zahlen = ZahlenLesen(t, 49, err)).has_value();
          },
          nullptr}},
        {"--summe",
         {[&](const std::string& w) { return (s.summe = SpanneLesen(w, 279)).has_value(); },
          "A-B mit 0 <= A <= B <= 279"}},
        {"--ungerade",
         {[&](const std::string& w) { return (s.ungerade = SpanneLesen(w, 6)).has_value(); },
          "A-B mit 0 <= A <= B <= 6"}},
        {"--tief",
         {[&](const std::string& w) { return (s.tief = SpanneLesen(w, 6)).has_value(); },
          "A-B mit 0 <= A <= B <= 6"}},
        {"--nachbarn",
         {[&](const std::string& w) { return (s.nachbarn = ZahlLesen(w, 1, 6)).has_value(); },
          "1 bis 6"}},
        {"--zehner",
         {[&](const std::string& w) { return (s.zehner = ZahlLesen(w, 1, 6)).has_value(); },
          "1 bis 6"}},
        {"--endziffern",
         {[&](const std::string& w) { return (s.endziffern = ZahlLesen(w, 1, 6)).has_value(); },
          "1 bis 6"}},
        {"--muster",
         {[&](const std::string& w) { return MusterLesen(w, s); },
          "ART=MUSTER,... mit ART zeilen, spalten, zehner, endziffern, nachbarn, "
          "bilder oder thug, etwa zehner=2211,3111 oder thug=3324"}},
        {"--gezogen",
         {[&](const std::string& w) { return !(f.ziehungsdatei = w).empty(); }, "eine Lottodatei"}},
        {"--treffer",
         {[&](const std::string& w) {
              const auto t = ZahlLesen(w, 5, 6);
              s.gezogenTreffer = t.value_or(0);
              return t.has_value();
          },
          "5 oder 6"}},
        {"--gemeinsam",
         {[&](const std::string& w) { return (s.gemeinsam = ZahlLesen(w, 0, 5)).has_value(); },
          "0 bis 5"}},
        {"--garantie",
         {[&](const std::string& w) {
              const std::size_t p = w.find('/');
              const auto t = ZahlLesen(w.substr(0, p), 1, 6);
              const auto m =
                  p == std::string::npos ? std::nullopt : ZahlLesen(w.substr(p + 1), 1, 6);
              if (!t || !m || *t > *m) return false;
              f.garantieT = *t;
              f.garantieM = *m;
              return true;
          },
          "T/M mit 1 <= T <= M <= 6, etwa 3/4"}},
    };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!a[i].starts_with("--")) {
            f.dateien.push_back(a[i]);
            continue;
        }
        const std::size_t gleich = a[i].find('=');
        const std::string name = a[i].substr(0, gleich);
        const auto o = optionen.find(name);
        if (o == optionen.end()) {
            err << "Unbekannte Option: " << a[i] << "\n";
            return kAufruffehler;
        }
        std::string wert;
        if (gleich != std::string::npos)
            wert = a[i].substr(gleich + 1);
        else if (i + 1 < a.size())
            wert = a[++i];
        else {
            err << "Zu " << name << " fehlt der Wert.\n";
            return kAufruffehler;
        }
        if (!o->second.first(wert)) {
            if (o->second.second)
                err << "Ungültiger Wert für " << name << ": " << wert << " (erwartet "
                    << o->second.second << ")\n";
            return kAufruffehler;
        }
    }
    if (s.gezogenTreffer > 0 && f.ziehungsdatei.empty()) {
        err << "--treffer gilt nur zusammen mit --gezogen DATEI.\n";
        return kAufruffehler;
    }
    if (!f.ziehungsdatei.empty() && s.gezogenTreffer == 0) s.gezogenTreffer = 6;
    if (f.dateien.size() != (f.zahlen ? 1u : 2u)) {
        err << "Es fehlen das System (oder --zahlen) und die Zieldatei.\n" << Verwendung();
        return kAufruffehler;
    }
    if (f.zahlen && f.zahlen->size() < kZahlenProReihe) {
        err << "Für Reihen braucht es mindestens 6 Zahlen.\n";
        return kAufruffehler;
    }
    if (!SystemformatAus(f.dateien.back())) {
        err << f.dateien.back() << " ist kein gültiger Systemdateiname! (.ZS4, .ZS3, .TXT)\n";
        return kAufruffehler;
    }
    return kErfolg;
}

}  // namespace

int SystemFiltern(const Argumente& a, std::ostream& out, std::ostream& err) {
    Filteraufruf f;
    if (int r = Lesen(a, f, err); r != kErfolg) return r;
    Tippsystem quelle;
    std::string fehler;
    if (f.zahlen)
        quelle.reihen = AlleReihen(MaskeAus(*f.zahlen));
    else if (!SystemLesen(PfadVonName(f.dateien[0]), quelle, fehler)) {
        err << fehler << "\n";
        return kDatenfehler;
    }
    if (!f.ziehungsdatei.empty()) {
        Lottodatei d;
        if (int r = WieImFensterOeffnen(f.ziehungsdatei, d, err); r != kErfolg) return r;
        f.filter.ziehungen = ZiehungenAlsReihen(d);
    }
    const Reihenmaske zahlen = f.zahlen ? MaskeAus(*f.zahlen) : quelle.Zahlen();
    const Filterergebnis e = FilterAnwenden(quelle.reihen, f.filter);
    const std::string& ziel = f.dateien.back();
    if (e.reihen.empty()) {
        err << "Der Filter entfernt alle Reihen; " << ziel << " wurde nicht geschrieben.\n";
        return kDatenfehler;
    }
    if (!SystemSchreiben(PfadVonName(ziel), Tippsystem{e.reihen, quelle.groessteZahl}, fehler)) {
        err << fehler << "\n";
        return kDatenfehler;
    }
    const auto g = GarantieBerechnen(zahlen, e.reihen);
    std::string tabelle = Garantieuebersicht(*g);
    tabelle.erase(std::remove(tabelle.begin(), tabelle.end(), '\r'), tabelle.end());
    out << "Reihen: " << Gruppiert(static_cast<int64_t>(e.reihen.size())) << " von "
        << Gruppiert(static_cast<int64_t>(quelle.reihen.size())) << "\n"
        << "Garantie: " << Garantiesatz(*g, f.garantieT, f.garantieM) << "\n"
        << tabelle;
    out << "Gespeichert: " << ziel << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
