#include "core/import.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <unordered_map>

#include "app/port.h"
#include "core/isowoche.h"
#include "core/lottodatei_format.h"
#include "core/zahlen.h"
#include "core/zahlformat.h"

namespace zahlix {

namespace {

using namespace std::chrono;

// A draw as the history stores it, with the line it came from.
struct Eintrag {
    int16_t wocheKennung, jahrCode;
    Bitworte worte;
    int datum;  // JJJJMMTT
};

bool GleicheZahlen(const Bitworte& a, const Bitworte& b) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && (a[3] & 0xFF) == (b[3] & 0xFF);
}

int64_t Schluessel(int16_t jahrCode, int16_t wocheKennung) {
    return (static_cast<int64_t>(static_cast<uint16_t>(jahrCode)) << 16) |
           static_cast<uint16_t>(wocheKennung);
}

std::string ZahlenPruefen(const Importziehung& z, int groesste) {
    const std::string ort = ImportOrt(z) + ": ";
    if (z.zahlen.size() != 6)
        return ort + "Es müssen genau 6 Zahlen sein, gefunden wurden " +
               std::to_string(z.zahlen.size()) + ".";
    for (size_t i = 0; i < 6; ++i) {
        const int n = z.zahlen[i];
        if (n < 1 || n > groesste)
            return ort + "Die Zahl " + std::to_string(n) + " liegt nicht zwischen 1 und " +
                   std::to_string(groesste) + ".";
        if (std::find(z.zahlen.begin(), z.zahlen.begin() + static_cast<long>(i), n) !=
            z.zahlen.begin() + static_cast<long>(i))
            return ort + "Die Zahl " + std::to_string(n) + " steht doppelt in der Ziehung.";
    }
    if (z.zusatzzahl < 0 || z.zusatzzahl > groesste)
        return ort + "Die Zusatzzahl " + std::to_string(z.zusatzzahl) +
               " liegt nicht zwischen 1 und " + std::to_string(groesste) + ".";
    if (std::find(z.zahlen.begin(), z.zahlen.end(), z.zusatzzahl) != z.zahlen.end())
        return ort + "Die Zusatzzahl " + std::to_string(z.zusatzzahl) +
               " ist eine der gezogenen Zahlen.";
    return {};
}

Eintrag AlsEintrag(const Importziehung& z, int kennung) {
    const KalenderWoche kw = KalenderWocheVon(year{z.jahr} / month{static_cast<unsigned>(z.monat)} /
                                              day{static_cast<unsigned>(z.tag)});
    Eintrag e{};
    e.wocheKennung = WocheKennungAus(kw.woche, kennung);
    e.jahrCode = JahrCodeAusJahr(kw.jahr);
    e.worte = ZahlenPacken(z.zahlen);
    e.worte[3] = static_cast<int16_t>(e.worte[3] | (z.zusatzzahl << 8));
    e.datum = z.jahr * 10000 + z.monat * 100 + z.tag;
    return e;
}

bool IstMittwoch(const Importziehung& z) {
    const sys_days tag{year{z.jahr} / month{static_cast<unsigned>(z.monat)} /
                       day{static_cast<unsigned>(z.tag)}};
    return weekday{tag} == Wednesday;
}

Importergebnis Abbruch(const std::string& grund) {
    Importergebnis e;
    e.ok = false;
    e.fehler = "Der Import wurde abgebrochen, es wurde nichts geändert.\r\n" + grund;
    e.titel = kProduktname;
    return e;
}

// reihe (one slot per draw) and alt come allocated, so nothing can fail once d is changing.
void StabilSortieren(Lottodatei& d, std::vector<int>& reihe, std::vector<int16_t>& alt) {
    const int anzahl = static_cast<int>(reihe.size());
    std::iota(reihe.begin(), reihe.end(), 0);
    std::stable_sort(reihe.begin(), reihe.end(), [&](int a, int b) {
        return Sortierschluessel(d.JahrCode[a], d.WocheKennung[a]) <
               Sortierschluessel(d.JahrCode[b], d.WocheKennung[b]);
    });
    for (auto* a : {&d.WocheKennung, &d.JahrCode, &d.Bitwort1, &d.Bitwort2, &d.Bitwort3,
                    &d.Bitwort4, &d.Trefferwert, &d.ImBereich}) {
        std::copy(a->begin(), a->begin() + anzahl, alt.begin());
        for (int i = 0; i < anzahl; ++i) (*a)[i] = alt[static_cast<size_t>(reihe[i])];
    }
}

// A text file stores no largest number; its reader takes the largest number it meets, so a
// .AS7 history grows with what it imports, as it would on loading.
bool Waechst(const Lottodatei& d) {
    return FormatAusName(d.Dateiname) == Lottoformat::AS7;
}

int Groesste(const Lottodatei& d) {
    return Waechst(d) ? 49 : std::clamp<int>(d.GroessteZahl, 1, 49);
}

// Week and year without the identifier.
int64_t Woche(const Eintrag& e) {
    return Schluessel(e.jahrCode, static_cast<int16_t>(e.wocheKennung & 0xFF));
}

}  // namespace

std::string ImportZiehungenPruefen(const Lottodatei& d, const std::vector<Importziehung>& quelle) {
    for (const Importziehung& z : quelle)
        if (std::string f = ZahlenPruefen(z, Groesste(d)); !f.empty()) return Abbruch(f).fehler;
    return {};
}

Importergebnis ZiehungenZusammenfuehren(Lottodatei& d, const std::vector<Importziehung>& quelle,
                                        const Importoptionen& o) {
    int n = d.Anzahl();
    if (n == 1 && d.Bitwort1[0] == 0 && d.Bitwort2[0] == 0 && d.Bitwort3[0] == 0 &&
        d.Bitwort4[0] == 0)
        n = 0;
    const bool waechst = Waechst(d);
    const int groesste = Groesste(d);

    // Per week, year and identifier: the numbers, and whether the draw was there before.
    // Only those can conflict: the archives themselves hold weeks with two draws of one kind
    // (a holiday Monday and the Sunday after it).
    std::unordered_map<int64_t, std::vector<std::pair<Bitworte, bool>>> bekannt;
    // Per week and year: the numbers. A draw with the same ones is that draw whatever its
    // identifier, so a second identifier never makes a twin of it.
    std::unordered_map<int64_t, std::vector<Bitworte>> wochen;
    bekannt.reserve(static_cast<size_t>(n) + quelle.size());
    wochen.reserve(static_cast<size_t>(n) + quelle.size());
    for (int i = 0; i < n; ++i) {
        bekannt[Schluessel(d.JahrCode[i], d.WocheKennung[i])].push_back({d.Zahlen(i), true});
        wochen[Schluessel(d.JahrCode[i], static_cast<int16_t>(d.WocheKennung[i] & 0xFF))].push_back(
            d.Zahlen(i));
    }

    Importergebnis ergebnis;
    std::vector<Eintrag> neue;
    int hoechste = 0;
    for (const Importziehung& z : quelle) {
        EreignissePumpen();
        if (std::string f = ZahlenPruefen(z, groesste); !f.empty()) return Abbruch(f);
        const int kennung = IstMittwoch(z) ? o.kennungMittwoch : o.kennungSonst;
        if (kennung == kUeberspringen) continue;
        const Eintrag e = AlsEintrag(z, kennung);
        auto& woche = wochen[Woche(e)];
        if (std::any_of(woche.begin(), woche.end(),
                        [&](const Bitworte& w) { return GleicheZahlen(w, e.worte); })) {
            ++ergebnis.vorhanden;
            continue;
        }
        auto& gleicheWoche = bekannt[Schluessel(e.jahrCode, e.wocheKennung)];
        if (std::any_of(gleicheWoche.begin(), gleicheWoche.end(),
                        [](const auto& w) { return w.second; }))
            return Abbruch(ImportOrt(z) + ": Die Ziehung der Woche " +
                           ZahlNull2(static_cast<int16_t>(WocheAus(e.wocheKennung))) + "/" +
                           std::to_string(JahrAusJahrCode(e.jahrCode)) + " mit Kennung " +
                           KennungOptionText(kennung) + " ist schon mit anderen Zahlen vorhanden.");
        gleicheWoche.push_back({e.worte, false});
        woche.push_back(e.worte);
        neue.push_back(e);
        hoechste = std::max(hoechste, *std::max_element(z.zahlen.begin(), z.zahlen.end()));
    }
    if (n + static_cast<long>(neue.size()) > kMaxZiehungen) {
        Importergebnis voll;
        voll.ok = false;
        voll.fehler = "Der Import wurde abgebrochen, mehr als 32000 Reihen!";
        voll.titel = "Kapazitätsgrenze erreicht";
        return voll;
    }

    ergebnis.neu = static_cast<int>(neue.size());
    if (neue.empty()) return ergebnis;
    // In date order, so a week's draws follow each other as drawn whatever the source's order.
    std::stable_sort(neue.begin(), neue.end(),
                     [](const Eintrag& a, const Eintrag& b) { return a.datum < b.datum; });
    const int anzahl = n + ergebnis.neu;
    std::vector<int> reihe(static_cast<size_t>(anzahl));
    std::vector<int16_t> alt(static_cast<size_t>(anzahl));
    for (size_t k = 0; k < neue.size(); ++k) {
        const int i = n + static_cast<int>(k);
        d.WocheKennung[i] = neue[k].wocheKennung;
        d.JahrCode[i] = neue[k].jahrCode;
        d.ZahlenSetzen(i, neue[k].worte);
        d.Trefferwert[i] = 0;
        d.ImBereich[i] = -1;
    }
    d.Leeren(anzahl);
    StabilSortieren(d, reihe, alt);
    d.LetzterIndex = static_cast<int16_t>(anzahl - 1);
    if (waechst && hoechste > d.GroessteZahl) d.GroessteZahl = static_cast<int16_t>(hoechste);
    d.Geaendert = true;
    return ergebnis;
}

std::string ImportErgebnisZeile(const Importergebnis& e) {
    return " " + Anzahl(e.neu, "neue Ziehung", "neue Ziehungen") + ", " + Gruppiert(e.vorhanden) +
           " schon vorhanden.";
}

Importoptionen KennungenVorschlagen(const Lottodatei& d, const std::vector<Importziehung>& quelle) {
    const int n = d.Anzahl();
    bool zahlenDa = false;
    for (int i = 0; i < n; ++i) {
        if (KennungAus(d.WocheKennung[i]) != 0) return {};
        zahlenDa = zahlenDa || d.Bitwort1[i] || d.Bitwort2[i] || d.Bitwort3[i] || d.Bitwort4[i];
    }
    if (!zahlenDa) return {};
    std::unordered_map<int64_t, std::vector<Bitworte>> bekannt;
    for (int i = 0; i < n; ++i)
        bekannt[Schluessel(d.JahrCode[i], d.WocheKennung[i])].push_back(d.Zahlen(i));
    int mittwoch = 0, sonst = 0;
    for (const Importziehung& z : quelle) {
        if (z.zahlen.size() != 6) continue;
        const Eintrag e = AlsEintrag(z, 0);
        const auto it = bekannt.find(Schluessel(e.jahrCode, e.wocheKennung));
        if (it == bekannt.end()) continue;
        for (const Bitworte& w : it->second)
            if (GleicheZahlen(w, e.worte)) ++(IstMittwoch(z) ? mittwoch : sonst);
    }
    if (mittwoch > sonst) return {0, kUeberspringen};
    return {kUeberspringen, 0};
}

bool KennungOptionLesen(const std::string& text, int& code) {
    if (text.empty() || text == ".") {
        code = 0;
        return true;
    }
    if (text == "-") {
        code = kUeberspringen;
        return true;
    }
    if (text.size() != 1) return false;
    char c = text[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))) return false;
    code = c;
    return true;
}

std::string KennungOptionText(int code) {
    if (code == kUeberspringen) return "-";
    if (code == 0) return ".";
    return std::string(1, static_cast<char>(code));
}

}  // namespace zahlix
