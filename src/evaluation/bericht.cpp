#include "evaluation/bericht.h"

#include <algorithm>
#include <array>

#include "core/bereich.h"
#include "core/zahlformat.h"
#include "output/kennung.h"

namespace zahlix {

namespace {

constexpr const char* kZeilenende = "\r\n";

// Any bonus value outside 1..49 (files use 0 and 50) means "no bonus number" and never hits.
bool ZusatzGetroffen(int z, const Bitworte& auswahl) {
    return ZusatzzahlVorhanden(z) && ZahlGesetzt(z, auswahl);
}

std::string Klassenendung(int klasse) {
    return klasse >= 7 ? ":  " + Str(klasse - 4) + "+" : ":  " + Str(klasse) + " ";
}

int LetzteZiehung(const Lottodatei& d) {
    return std::min<int>(d.Anzahl(), static_cast<int>(d.ImBereich.size())) - 1;
}

}  // namespace

std::string DruckFortschrittText(int ziehungen) {
    return std::string(kStatusDruck) + " " + Gruppiert(ziehungen) + " Reihen";
}

bool PasstZumFilter(int klasse, int filter) {
    if (filter >= 0 && filter <= 9) return klasse == filter;
    if (filter == 10) return klasse > 0;
    if (filter == 11) return klasse > 2;
    return filter == 12;
}

std::string TrefferTitel(int filter) {
    if (filter >= 0 && filter <= 6) return "Reihen mit" + Str(filter) + " Treffer";
    if (filter >= 7 && filter <= 9) return "Reihen mit" + Str(filter - 4) + " und Zusatzzahl";
    if (filter == 11) return "Reihen ab 3 Treffer";
    if (filter == 12) return "Reihen mit/ohne Treffer";
    return "Reihen mit Treffer";
}

std::string StatuszeileNachAuswertung(int k, int32_t reihen, int32_t kombiNr, int32_t summe) {
    if (k <= 0)
        return " Bin bereit zum Auswerten - Bitte Zahlen in der Zahlenauswahl mit Mausklick "
               "auswählen";
    if (k == 1) return Str(k) + "  Zahl mit " + Str(reihen) + "  Reihen wurde ausgewertet.";
    if (k == 6) {
        std::string nr = ZahlGruppiert10(kombiNr);
        nr.erase(0, nr.find_first_not_of(' '));
        return Str(k) + "  Zahlen (KombiNr  " + nr + " , Summe " + Str(summe) + ") mit " +
               Str(reihen) + "  Reihen wurden ausgewertet.";
    }
    return Str(k) + "  Zahlen mit " + Str(reihen) + "  Reihen wurden ausgewertet.";
}

std::string BerichtKopf(const Auswertungsanzeige& a) {
    std::string t = "* " + a.fenstertitel + kZeilenende;
    t += "* Bereich - " + a.bereichText + kZeilenende;
    t += "Zahlen     :";
    const int bis = std::clamp(a.groessteZahl, 0, 49);
    int aufDerZeile = 0;
    for (int n = 1; n <= bis; ++n) {
        if (!ZahlGesetzt(n, a.auswahl)) continue;
        // A new line only when another number follows, so 15 numbers make no empty line.
        if (aufDerZeile == 15) {
            t += kZeilenende + std::string(12, ' ');
            aufDerZeile = 0;
        }
        t += ZahlFeld3(static_cast<int16_t>(n));
        ++aufDerZeile;
    }
    t += std::string(" :") + kZeilenende;
    return t + TrefferZeilen(a.zaehler);
}

std::string TrefferZeilen(const Klassenzaehler& zaehler) {
    std::string t =
        std::string("              6T    5+    5T    4+    4T    3+    3T    2T    1T    0T") +
        kZeilenende + "Treffer   ";
    for (int c : kSpaltenKlassen) t += ZahlRechts6(static_cast<int16_t>(zaehler[c]));
    return t + kZeilenende;
}

std::string ZuletztZeilen(const Lottodatei& d, const std::array<int, 10>& zuletzt) {
    std::string datum = "Zuletzt   ";
    std::string kennung = "----------";
    for (int c : kSpaltenKlassen) {
        const int i = zuletzt[c];
        if (i < 0) {
            datum += " .....";
            kennung += "------";
            continue;
        }
        const int jahr = JahrAusJahrCode(d.JahrCode[i]);
        const bool neu = (static_cast<uint16_t>(d.JahrCode[i]) >> 8) == 20;
        datum += " " + ZahlNull2(static_cast<int16_t>(WocheAus(d.WocheKennung[i]))) +
                 (neu ? "'" : "/") + ZahlNull2(static_cast<int16_t>(jahr % 100));
        kennung += "-----" + KennungText(KennungAus(d.WocheKennung[i]));
    }
    return datum + kZeilenende + kennung + "----------" + kZeilenende;
}

std::string ZwischenspeicherBlock(const Auswertungsanzeige& a, const Lottodatei& d) {
    std::string t = BerichtKopf(a);
    // Rows of a system were never drawn: no "Zuletzt".
    if (IstSystembereich(a.bereichText)) return t + std::string(80, '-') + kZeilenende;
    int letzte = LetzteZiehung(d);
    while (letzte > 0 && d.ImBereich[letzte] != -1) --letzte;

    std::array<int, 10> zuletzt;
    zuletzt.fill(-1);
    for (int i = letzte; i >= 0; --i) {
        if (d.ImBereich[i] != -1) continue;
        const int c = d.Trefferwert[i];
        if (c >= 0 && c <= 9 && zuletzt[c] < 0) zuletzt[c] = i;
    }

    return t + ZuletztZeilen(d, zuletzt);
}

std::string DruckZeile(const Lottodatei& d, int i, const Bitworte& auswahl) {
    const bool system = IstSystembereich(d.Titel);
    const int kennung = KennungAus(d.WocheKennung[i]);
    std::string t = " " + ZahlNull2(static_cast<int16_t>(WocheAus(d.WocheKennung[i]))) + "/" +
                    ZahlNull4(static_cast<int16_t>(JahrAusJahrCode(d.JahrCode[i])));
    t += kennung != 0 ? "-" + KennungText(kennung) + " : " : std::string("   : ");
    if (system) t = " " + ZahlRechts5(static_cast<int16_t>(i + 1)) + "     : ";

    const Bitworte w = d.Zahlen(i);
    std::array<int, 49> zahlen{};
    const int anzahl = std::min(ZahlenEntpacken(w, zahlen), 6);
    for (int j = 0; j < 6; ++j) {
        // A draw short of six numbers keeps the columns aligned.
        if (j >= anzahl) {
            t += "    ";
            continue;
        }
        t += " " + ZahlNull2(static_cast<int16_t>(zahlen[j])) +
             (ZahlGesetzt(zahlen[j], auswahl) ? "*" : " ");
    }
    if (system) return t + Klassenendung(d.Trefferwert[i]);
    t += "/";
    const int z = Zusatzzahl(w);
    if (ZusatzzahlVorhanden(z))
        t += " " + ZahlNull2(static_cast<int16_t>(z)) + (ZusatzGetroffen(z, auswahl) ? "*" : " ");
    else
        t += " .. ";
    t += Klassenendung(d.Trefferwert[i]);
    return t;
}

std::string DruckBericht(const Auswertungsanzeige& a, const Lottodatei& d,
                         const std::function<void(int)>& fortschritt) {
    std::string t = BerichtKopf(a);
    t += kZeilenende;
    t += a.listentitel + kZeilenende;
    t += std::string(IstSystembereich(a.bereichText)
                         ? " Reihe        Z1  Z2  Z3  Z4  Z5  Z6     Tr"
                         : " Wo/Jahr-K    Z1  Z2  Z3  Z4  Z5  Z6 / Zu     Tr") +
         kZeilenende;
    const int letzte = LetzteZiehung(d);
    int geschrieben = 0;
    for (int i = 0; i <= letzte; ++i) {
        if (d.ImBereich[i] != -1 || !PasstZumFilter(d.Trefferwert[i], a.filter)) continue;
        t += DruckZeile(d, i, a.auswahl) + kZeilenende;
        if (++geschrieben % 50 == 0 && fortschritt) fortschritt(geschrieben);
    }
    t += std::string(80, '-') + kZeilenende;
    return t;
}

}  // namespace zahlix
