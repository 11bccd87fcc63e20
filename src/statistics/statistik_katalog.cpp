#include "statistics/statistik_katalog.h"

#include <array>

#include "core/zahlformat.h"

namespace zahlix::statistik {

namespace {

const std::array<Typbeschreibung, kTypen> kKatalog = {{
    {"Zahlen wie oft", " Wie oft kommt jede Zahl vor?", true, false},
    {"Wann zuletzt gezogen", " Wieviel Ziehungen kam jede Zahl nicht vor?", true, false},
    {"Wie oft * Wann zuletzt",
     " Wie lautet der Wert aus 'Zahlen wie oft' mit 'Wann zuletzt gezogen' für jede Zahl?", true,
     false},
    {"Zahlentendenz", " Wie lautet die Zahlentendenz jeder Zahl?", true, false},
    {"Wann wieder gezogen", " Nach wieviel Ziehungen kam eine Zahl wieder vor?", true, false},
    {"Wie oft danach gezogen", " Wie oft kam eine Zahl in der Folgeziehung vor?", true, false},
    {"Wochenverteilung", " In welcher Woche kam die Zahl wie oft vor?", true, false},
    {"Jahresverteilung", " In welchem Jahr kam die Zahl wie oft vor?", true, false},
    {"Gruppenverteilung",
     " Welche Gruppen (THUG, Zeilen, Spalten, Zehner, Endziffern) kamen wie oft vor?", false, true},
    {"Zweierkombination", " Wie oft kommt eine Zahl mit Anderen vor?", false, false},
    {"Dreierkombination", " Wie oft kommen zwei Zahlen zusammen mit Anderen vor?", false, false},
    {"Nachbarzahlen", " Wie oft kommen Nachbarzahlen zusammen vor?", true, false},
    {"Wie oft an Position",
     " Wie oft kommt eine Zahl/Gruppe an der Position der sortierten 6 Zahlen vor?", false, true},
    {"Ziehungsabstand", " In welchen Ziehungsabständen kam eine Zahl wieder vor?", true, false},
    {"Zahlensumme", " Wie oft kommen Zahlensummen vor?", true, true},
    {"Zahlenabstand", " Wie oft kommen Zahlenabstände vor?", false, true},
}};

std::vector<std::string> Zahlen(int von, int bis) {
    std::vector<std::string> v;
    for (int i = von; i <= bis; ++i) v.push_back(ZahlRechts2(static_cast<int16_t>(i)));
    return v;
}

Auswahlfeld Feld(const char* text, std::vector<std::string> e, int vorgabe = 0) {
    return {true, text, std::move(e), vorgabe};
}

std::vector<std::string> MitAlle(std::vector<std::string> v) {
    v.push_back("Alle");
    return v;
}

const char* const kGruppen[9] = {"THUG",     "Zeilen", "Spalten",   "Zehner",         "Endziffern",
                                 "Nachbarn", "Bilder", "Tief/Hoch", "Ungerade/Gerade"};

std::string Bereinigt(const std::string& s) {
    std::string r;
    for (char c : s)
        if (c != '&') r += c;
    size_t a = r.find_first_not_of(' '), b = r.find_last_not_of(' ');
    return a == std::string::npos ? std::string() : r.substr(a, b - a + 1);
}

}  // namespace

const Typbeschreibung& Beschreibung(int typ) {
    return kKatalog[static_cast<size_t>(typ >= 1 && typ <= kTypen ? typ - 1 : 0)];
}

int TypAusName(const std::string& name) {
    const std::string n = Bereinigt(name);
    for (int t = 1; t <= kTypen; ++t)
        if (n == kKatalog[static_cast<size_t>(t - 1)].name) return t;
    return 0;
}

Auswahlfeld Auswahl1(int typ) {
    switch (typ) {
        case WannWieder:
        case WieOftDanach:
            return Feld("Für &Zahl", MitAlle(Zahlen(1, 49)));
        case Wochenverteilung:
        case Jahresverteilung:
            return Feld("Für &Zahl", Zahlen(1, 49));
        case Zweierkombination:
            return Feld("&1. Zahl", MitAlle(Zahlen(1, 49)));
        case Dreierkombination:
        case Ziehungsabstand:
            return Feld("&1. Zahl", Zahlen(1, 49));
        case Nachbarzahlen:
            return Feld("&Anzahl", Zahlen(2, 6));
        case WieOftAnPosition:
            return Feld("&Position", Zahlen(1, 6));
        default:
            return {false, "Für &Zahl", {}, 0};
    }
}

Auswahlfeld Auswahl2(int typ) {
    switch (typ) {
        case WieOftMalZuletzt:
            return Feld("&Art", {"Mal", "Plus", "Minus", "Teilen"});
        case Zahlentendenz:
            return Feld("&Art", {"1", "2"});
        case WannWieder: {
            Auswahlfeld f = Feld("Zieh&ungen", Zahlen(1, 99), 49);
            f.hoechstens = 99;
            return f;
        }
        case Gruppenverteilung:
            return Feld("&Gruppe", std::vector<std::string>(kGruppen, kGruppen + 9));
        case Dreierkombination:
            return Feld("&2. Zahl", MitAlle(Zahlen(2, 49)));
        case WieOftAnPosition:
            return Feld("&Gruppe", {"Zahlen", "Zeilen", "Spalten", "Zehner", "Endziffern"});
        case Ziehungsabstand: {
            std::vector<std::string> v{"Keine"};
            for (const std::string& s : Zahlen(2, 49)) v.push_back(s);
            return Feld("&2. Zahl", v);
        }
        case Zahlenabstand:
            return Feld("&Abstand", {"2 Zahlen", "3 Zahlen", "4 Zahlen", "5 Zahlen", "6 Zahlen"});
        default:
            return {false, "&2. Zahl", {}, 0};
    }
}

bool Auswahl2IstListe(int typ) {
    return typ == WieOftMalZuletzt || typ == Zahlentendenz || typ == Gruppenverteilung ||
           typ == WieOftAnPosition || typ == Zahlenabstand;
}

const std::vector<std::string>& AlleWertarten() {
    static const std::vector<std::string> w = {
        "Istwert", "Zuletzt", "Abstand", "Differenz", "Sollwert", "Abweichung", "Abweichung [%]"};
    return w;
}

Anzeigeart AnzeigeFuer(const Parameter& p) {
    const auto& w = AlleWertarten();
    const std::vector<std::string> ist(w.begin(), w.begin() + 1), drei(w.begin(), w.begin() + 3),
        vier(w.begin(), w.begin() + 4);
    const std::string zahl = " Zahl - -> ";
    switch (p.typ) {
        case ZahlenWieOft:
            return {"    Zahl -->   Anz.", "  Anz.<--     Zahl", zahl + "Kommt so oft vor", vier};
        case WannZuletzt:
            return {"    Zahl -->    Zi.", "   Zi.<--     Zahl",
                    zahl + "Vor soviel Ziehungen zuletzt gezogen", ist};
        case WieOftMalZuletzt:
            return {"    Zahl -->  Wert", " Wert <--     Zahl", zahl + "Wert der Berechnung", ist};
        case Zahlentendenz:
            return {"    Zahl -->  Wert", " Wert <--     Zahl", zahl + "Wert der Zahlentendenz",
                    ist};
        case WannWieder:
            return {"      Zi.-->   Anz.", "  Anz.<--       Zi.",
                    " Nach Ziehungen(n) - -> So oft gezogen", ist};
        case WieOftDanach:
            return {"    Zahl -->   Anz.", "  Anz.<--     Zahl",
                    zahl + "So oft in der Folgeziehung gezogen", ist};
        case Wochenverteilung:
            return {"      Wo.-->   Anz.", "  Anz.<--       Wo.",
                    " Woche - -> So oft in der Woche gezogen", drei};
        case Jahresverteilung:
            return {"    Jahr -->   Anz.", "  Anz.<--     Jahr",
                    " Jahr - -> So oft in dem Jahr gezogen", vier};
        case Gruppenverteilung:
            if (p.zahl2 == 0)
                return {"   THUG -->   Anz.", "  Anz.<--    THUG",
                        " Gruppe Tief/Hoch/Ungerade/Gerade - -> Kommt so oft vor", w};
            if (p.zahl2 == 7)
                return {"      TH -->   Anz.", "  Anz.<--       TH",
                        " Gruppe Tief/Hoch - -> Kommt so oft vor", w};
            if (p.zahl2 == 8)
                return {"      UG -->   Anz.", "  Anz.<--       UG",
                        " Gruppe Ungerade/Gerade - -> Kommt so oft vor", w};
            return {"      Gr.-->   Anz.", "  Anz.<--       Gr.",
                    " Gruppenverteilung - -> Kommt so oft vor", w};
        case Zweierkombination:
        case Dreierkombination:
        case Nachbarzahlen:
            return {"  Zahlen -->   Anz.", "  Anz.<--   Zahlen",
                    " Zahlen - -> Kommen so oft zusammen vor",
                    p.typ == Nachbarzahlen ? vier : drei};
        case WieOftAnPosition: {
            const std::string b = " Zahl/Gruppe - -> Kommt so oft an der Position vor";
            switch (p.zahl2) {
                case 1:
                    return {"   Zeile -->   Anz.", "  Anz.<--    Zeile", b, w};
                case 2:
                    return {"  Spalte -->   Anz.", "  Anz.<--   Spalte", b, w};
                case 3:
                    return {"  Zehner -->   Anz.", "  Anz.<--   Zehner", b, w};
                case 4:
                    return {"    Endz.-->   Anz.", "  Anz.<--     Endz.", b, w};
                default:
                    return {"    Zahl -->   Anz.", "  Anz.<--     Zahl", b, w};
            }
        }
        case Ziehungsabstand:
            return {"    X.te -->    Zi.", "   Zi.<--     X.te",
                    " Auftreten der Zahl - -> Abstand seit dem letzten Auftreten in Ziehungen",
                    ist};
        case Zahlensumme:
            return {"   Summe -->   Anz.", "  Anz.<--    Summe", "Summe - -> Kommt so oft vor", w};
        case Zahlenabstand:
            return {" Abstand -->   Anz.", "  Anz.<--  Abstand", "Abstand - -> Kommt so oft vor",
                    w};
        default:
            return {};
    }
}

}  // namespace zahlix::statistik
