#include "statistics/statistik_druck.h"

namespace zahlix::statistik {

namespace {
constexpr const char* kZeilenende = "\r\n";

std::string OhneKuerzel(const std::string& s) {
    std::string r;
    for (char c : s)
        if (c != '&') r += c;
    return r;
}
}  // namespace

std::string Fenstertitel(bool systemdatei, const std::string& typ, const std::string& titel) {
    return std::string(systemdatei ? "System-Statistik" : "Lotto-Statistik") + ": " + typ + " - " +
           titel;
}

std::string ParameterText(const std::string& beschriftung, const std::string& auswahl) {
    return OhneKuerzel(beschriftung) + " " + auswahl;
}

std::string ZusatzzahlText(int ansicht) {
    static const char* const t[3] = {"Ohne", "Mit", "Nur"};
    return std::string(t[ansicht >= 0 && ansicht <= 2 ? ansicht : 0]) + " Zusatzzahl";
}

std::string Drucktext(const Druckangaben& a) {
    std::string t = "* " + a.fenstertitel + kZeilenende;
    t += "* Bereich - " + a.bereich + kZeilenende;
    if (!a.parameter.empty()) {
        t += "* ";
        for (size_t i = 0; i < a.parameter.size(); ++i) t += (i ? " , " : "") + a.parameter[i];
        t += kZeilenende;
    }
    static const char* const hinweis[7] = {
        nullptr,
        "* Anz. ist Wert von 'Wann zuletzt'",
        "* Anz. ist Wert von 'Größter Abstand'",
        "* Anz. ist Differenz von 'Größter Abstand'-'Wann zuletzt'",
        "* Anz. ist Soll-Wert",
        "* Anz. ist Abweichung vom Sollwert",
        "* Anz. ist Abweichung vom Sollwert in Prozent"};
    if (a.wertart >= 1 && a.wertart <= 6) t += std::string(hinweis[a.wertart]) + kZeilenende;
    t += kZeilenende;
    if (!a.listenrahmen || !a.listen) {
        t += a.text;
        return t;
    }
    t += std::string("        Normal                 Absortiert                Aufsortiert") +
         kZeilenende;
    t += a.normalKopf + "        " + a.sortiertKopf + "       " + a.sortiertKopf + kZeilenende;
    const Listen& l = *a.listen;
    for (size_t i = 0; i < l.normal.size(); ++i)
        t += l.normal[i] + "        " + l.absortiert[i] + "        " + l.aufsortiert[i] +
             kZeilenende;
    return t;
}

}  // namespace zahlix::statistik
