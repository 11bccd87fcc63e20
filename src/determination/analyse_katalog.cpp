#include <cctype>
#include <string>

#include "core/zahlformat.h"
#include "determination/analyse.h"

namespace zahlix {

const std::array<Analysekatalogeintrag, kAnzahlAnalysen>& Analysekatalog() {
    using A = Analyseart;
    static const std::array<Analysekatalogeintrag, kAnzahlAnalysen> katalog{{
        {A::Prognosen, "Prognosen",
         " Welche Zahlen müssten gemäß 'Wie oft danach gezogen' auftreten?"},
        {A::Zufallszahlen, "Zufallszahlen",
         " Welches Trefferbild haben zufällig ermittelte Zahlenreihen?"},
        {A::Gewinnzahlen, "Gewinnzahlen", " Welche Zahlenreihen haben ein bestimmtes Trefferbild?"},
        {A::Glueckszahlen, "Glückszahlen", " Welche Zahlenreihen kommen häufig zusammen vor?"},
        {A::Pechzahlen, "Pechzahlen", " Welche Zahlenreihen kommen selten zusammen vor?"},
        {A::Summenzahlen, "Summenzahlen", " Welche Summenzahlen kommen vor?"},
        {A::Kombinationszahlen, "Kombinationszahlen", " Welche Kombinationszahlen kommen vor?"},
        {A::Zweierwiederholungen, "Zweierwiederholungen",
         " Welche zwei Zahlen kommen wie oft zusammen vor?"},
        {A::Dreierwiederholungen, "Dreierwiederholungen",
         " Welche drei Zahlen kommen wie oft zusammen vor?"},
        {A::Viererwiederholungen, "Viererwiederholungen",
         " Welche vier Zahlen kamen wie oft zusammen vor?"},
        {A::Fuenferwiederholungen, "Fünferwiederholungen",
         " Welche fünf Zahlen kamen wie oft zusammen vor?"},
        {A::Trefferverteilung, "Trefferverteilung",
         " Wie ist die wöchentliche/jährliche Trefferverteilung der Zahlenreihe?"},
        {A::Zahlenabstand, "Zahlenabstand",
         " Wie oft wiederholte sich der Zahlenabstand von 6 Zahlen?"},
        {A::Zerlegungspruefung, "Zerlegungsprüfung",
         " Wie ist die Trefferverteilung der zerlegten Zahlen?"},
        {A::Horoskop, "Horoskop", " Wie lauten die mathematisch errechneten Horoskopzahlen?"},
        {A::Treffertabelle, "Treffertabelle", " Welche Treffertabellen hat das System?"},
        {A::Garantiestufe, "Garantiestufe", " Erfüllt mein System die Garantiestufe?"},
    }};
    return katalog;
}

const Analysekatalogeintrag& Katalogeintrag(Analyseart art) {
    return Analysekatalog()[static_cast<size_t>(art)];
}

std::optional<Analyseart> AnalyseAusListentext(const std::string& listentext) {
    for (const auto& e : Analysekatalog())
        if (listentext == e.listentext) return e.art;
    return std::nullopt;
}

std::string AnalyseHilfethema(Analyseart art) {
    return std::string("Menü.Analyse.") + Katalogeintrag(art).listentext;
}

const std::array<const char*, 14>& TreffertabellenEintraege() {
    static const std::array<const char*, 14> eintraege{
        "Für 3 Treffer komplett",
        "Für 4 Treffer",
        "Für 4 Treffer komplett",
        "Für 5 Treffer",
        "Für 5 Treffer mit 4 Treffer",
        "Für 5 Treffer komplett",
        "Für 6 Treffer",
        "Für 6 Treffer mit 5 Treffer",
        "Für 6 Treffer mit 4-5 Treffer",
        "Für 6 Treffer komplett",
        "Für 7 Treffer",
        "Für 7 Treffer mit 5 Treffer",
        "Für 7 Treffer mit 4-5 Treffer",
        "Für 7 Treffer komplett!",
    };
    return eintraege;
}

const std::array<const char*, 6>& PrognoseMethoden() {
    static const std::array<const char*, 6> methoden{
        "Anzahl-Methode ohne Zusatzzahl anwenden", "Anzahl-Methode mit Zusatzzahl anwenden",
        "Summen-Methode ohne Zusatzzahl anwenden", "Summen-Methode mit Zusatzzahl anwenden",
        "Punkte-Methode ohne Zusatzzahl anwenden", "Punkte-Methode mit Zusatzzahl anwenden",
    };
    return methoden;
}

const std::array<const char*, 12>& Sternzeichen() {
    static const std::array<const char*, 12> zeichen{
        "Widder", "Stier",    "Zwilling", "Krebs",     "Löwe",       "Jungfrau",
        "Waage",  "Skorpion", "Schütze",  "Steinbock", "Wassermann", "Fische",
    };
    return zeichen;
}

int TreffertabelleK(int index) {
    if (index <= 0) return 3;
    if (index <= 2) return 4;
    if (index <= 5) return 5;
    if (index <= 9) return 6;
    return 7;
}

std::string MeldungZerlegung(int k) {
    return "Zuerst müssen mindestens" + Str(k + 1) +
           " zu zerlegende Zahlen im Zahlenfeld ausgewählt werden";
}

std::string ErmittlungTitel(int n, bool bisStop) {
    const std::string titel = Str(n) + ". Ermittlung";
    return bisStop ? " Ermittlung bis Stop -" + titel : titel;
}

bool IstSystembereich(const std::string& bereichText) {
    return bereichText.starts_with("System");
}

std::string AnalyseFenstertitel(const std::string& bereichText, Analyseart art,
                                const std::string& dateiname) {
    return std::string(IstSystembereich(bereichText) ? "System-Analyse" : "Lotto-Analyse") + ": " +
           Katalogeintrag(art).listentext + " - " + dateiname;
}

int32_t Grenzwert(const std::string& text) {
    // Leading blanks and a sign are read as the platform's conversion does; digits stop at the
    // first other character. Only the low 15 bits are kept, so a huge entry cannot overflow.
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negativ = text[i++] == '-';
    uint32_t wert = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        wert = (wert * 10 + static_cast<uint32_t>(text[i] - '0')) & 0xFFFFFu;
    const int32_t v = static_cast<int32_t>(wert & 0x7FFF);
    return negativ ? (-v) & 0x7FFF : v;
}

}  // namespace zahlix
