#include "systems/systembericht.h"

#include <algorithm>

#include "core/zahlformat.h"
#include "output/kennung.h"

namespace zahlix {

namespace {

constexpr const char* kZeilenende = "\r\n";
constexpr int64_t kHoechsterEinsatz = 100'000;

// Right-aligned in breite, never cut: a larger count widens its line instead of losing digits.
std::string Rechts(const std::string& s, size_t breite) {
    return s.size() >= breite ? s : std::string(breite - s.size(), ' ') + s;
}

std::string Linie() {
    return std::string(80, '-') + kZeilenende;
}

}  // namespace

bool EinsatzLesen(const std::string& text, int64_t& cent, std::string& fehler) {
    std::string s = text;
    auto trimmen = [&s] {
        while (!s.empty() && s.back() == ' ') s.pop_back();
        while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    };
    trimmen();
    for (const char* w : {"€", "EUR"})
        if (s.size() > std::string(w).size() && s.ends_with(w))
            s.resize(s.size() - std::string(w).size());
    trimmen();
    const size_t komma = s.find(',');
    const std::string euro = s.substr(0, komma);
    const std::string nachkomma = komma == std::string::npos ? "" : s.substr(komma + 1);
    const auto ziffern = [](const std::string& t) {
        return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    int64_t wert = 0;
    bool ok = !euro.empty() && euro.size() <= 7 && ziffern(euro) && nachkomma.size() <= 2 &&
              ziffern(nachkomma) && (komma == std::string::npos || !nachkomma.empty());
    if (ok) {
        wert = std::stoll(euro) * 100;
        if (!nachkomma.empty()) wert += std::stoll(nachkomma) * (nachkomma.size() == 1 ? 10 : 1);
        ok = wert > 0 && wert <= kHoechsterEinsatz;
    }
    if (!ok) {
        fehler = "Der Einsatz \"" + text +
                 "\" ist kein Preis. Bitte einen Betrag über 0 bis 1.000,00 Euro mit höchstens "
                 "zwei Stellen nach dem Komma eingeben, zum Beispiel 1,20.";
        return false;
    }
    cent = wert;
    return true;
}

std::string Euro(int64_t cent) {
    const std::string rest = std::to_string(cent % 100);
    return Gruppiert(cent / 100) + "," + (rest.size() < 2 ? "0" : "") + rest + " €";
}

std::string SystemKopfText(const Systemkopf& k, const Systemauswertung& e) {
    std::string t = "* System-Auswertung: " + k.systemname + " - " + k.historienname + kZeilenende;
    t += "* Bereich - " + k.bereichText + kZeilenende;
    t += "System    : " + k.systemname + (k.systembereich.empty() ? "" : " - " + k.systembereich) +
         kZeilenende;
    t += "Zahlen    :";
    int aufDerZeile = 0;
    for (int n : ZahlenAusMaske(k.zahlen)) {
        if (aufDerZeile == 15) {
            t += kZeilenende + std::string(11, ' ');
            aufDerZeile = 0;
        }
        t += ZahlFeld3(static_cast<int16_t>(n));
        ++aufDerZeile;
    }
    const auto ziehungen = static_cast<int64_t>(e.ziehungen.size());
    t += kZeilenende;
    t += "Kosten    : " + Gruppiert(e.reihen) + " Reihen x " + Gruppiert(ziehungen) +
         " Ziehungen x " + Euro(k.einsatz) + " = " + Euro(e.reihen * ziehungen * k.einsatz) +
         kZeilenende;
    if (e.abgebrochen)
        t += "Abgebrochen: nur die ersten Ziehungen des Bereichs" + std::string(kZeilenende);
    return t;
}

std::string SystemKlassenText(const Systemauswertung& e) {
    std::string kopf = "          ", reihen = "Reihen    ", ziehungen = "Ziehungen ";
    for (int c : kGewinnklassen) {
        kopf += Rechts(KlassenKurztext(c), 10);
        reihen += Rechts(Gruppiert(e.summen[static_cast<size_t>(c)]), 10);
        ziehungen += Rechts(Gruppiert(e.besteZiehungen[static_cast<size_t>(c)]), 10);
    }
    return kopf + kZeilenende + reihen + kZeilenende + ziehungen + kZeilenende;
}

std::string SystemZiehungKopfzeile() {
    std::string t = " Wo/Jahr-K : Z1 Z2 Z3 Z4 Z5 Z6/Zu Beste";
    for (int c : kGewinnklassen) t += Rechts(KlassenKurztext(c), 6);
    return t + kZeilenende;
}

std::string SystemZiehungZeile(const Lottodatei& d, const Systemziehung& z) {
    const int i = z.index;
    const int kennung = KennungAus(d.WocheKennung[i]);
    std::string t = " " + ZahlNull2(static_cast<int16_t>(WocheAus(d.WocheKennung[i]))) + "/" +
                    ZahlNull4(static_cast<int16_t>(JahrAusJahrCode(d.JahrCode[i])));
    t += kennung != 0 ? "-" + KennungText(kennung) + " :" : std::string("   :");
    const Bitworte w = d.Zahlen(i);
    const std::vector<int> zahlen = ZahlenAusMaske(MaskeAusBitworten(w));
    for (size_t j = 0; j < 6; ++j)
        t += j < zahlen.size() ? ZahlFeld3(static_cast<int16_t>(zahlen[j])) : "   ";
    const int b = Zusatzzahl(w);
    t += "/" + (ZusatzzahlVorhanden(b) ? ZahlNull2(static_cast<int16_t>(b)) : std::string(".."));
    t += Rechts(KlassenKurztext(z.beste), 5);
    for (int c : kGewinnklassen) t += Rechts(std::to_string(z.reihen[static_cast<size_t>(c)]), 6);
    return t;
}

std::string SystemauswertungBlock(const Systemkopf& k, const Systemauswertung& e,
                                  const Lottodatei& d) {
    std::string t = SystemKopfText(k, e) + SystemKlassenText(e);
    t += "Ziehungen mit 4T oder besser, neueste zuerst:" + std::string(kZeilenende);
    std::string liste;
    for (auto it = e.ziehungen.rbegin(); it != e.ziehungen.rend(); ++it)
        if (KlassenRang(it->beste) >= KlassenRang(4))
            liste += SystemZiehungZeile(d, *it) + kZeilenende;
    t += liste.empty() ? " keine" + std::string(kZeilenende) : SystemZiehungKopfzeile() + liste;
    return t + Linie();
}

std::string SystemauswertungBericht(const Systemkopf& k, const Systemauswertung& e,
                                    const Lottodatei& d) {
    std::string t = SystemKopfText(k, e) + SystemKlassenText(e) + kZeilenende;
    t += "Alle Ziehungen des Bereichs:" + std::string(kZeilenende) + SystemZiehungKopfzeile();
    for (const Systemziehung& z : e.ziehungen) t += SystemZiehungZeile(d, z) + kZeilenende;
    return t + Linie();
}

}  // namespace zahlix
