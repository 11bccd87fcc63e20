#include "core/neue_lottodatei.h"

#include <algorithm>

#include "app/port.h"
#include "core/zahlen.h"
#include "core/bereich.h"

namespace zahlix {

namespace {

bool Trenner(char c) {
    return c == '\\' || c == '/' || c == ':';
}

std::string Getrimmt(const std::string& s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

}  // namespace

std::string NameMitEndung(const std::string& name, const std::string& ext) {
    std::string n = Getrimmt(name);
    bool gueltig = !n.empty() && !Trenner(n.back());
    if (gueltig) {
        std::size_t teil = n.size();
        while (teil > 0 && !Trenner(n[teil - 1])) --teil;
        // Only the file name's own dot counts: "C:\Daten.2024\lotto" keeps its folder.
        const std::size_t punkt = n.find('.', teil);
        if (punkt == std::string::npos)
            n += '.';
        else
            n.erase(punkt + 1);
        gueltig = n.size() > 1 && !Trenner(n[n.size() - 2]);
    }
    if (!gueltig) {
        Meldung("Es wurde kein gültiger Dateiname eingegeben", flags::Information, kProduktname);
        n = "OhneName.";
    }
    return n + ext;
}

void AuswertebereichSetzen(int wv, int jv, int wb, int jb) {
    Bereichswerte& b = Auswertebereich();
    b.wocheVon = static_cast<int16_t>(wv);
    b.jahrVon = static_cast<int16_t>(jv);
    b.wocheBis = static_cast<int16_t>(wb);
    b.jahrBis = static_cast<int16_t>(jb);
    b.EinschraenkungenAufheben();
    b.systemdatei = false;
    b.ersteReihe = b.letzteReihe = 0;
    b.reihenliste.clear();
}

void LeereLottodateiAnlegen(Lottodatei& d) {
    LeereLottodateiSetzen(d);
    AuswertebereichSetzen(1, 1900, 1, 1900);
    d.Titel = BereichText();
    d.Geaendert = false;
}

void NeueLottodateiAnlegen(Lottodatei& d, const std::string& name, int groessteZahl, int woche,
                           int jahr) {
    groessteZahl = std::clamp(groessteZahl, 7, 49);
    woche = std::clamp(woche, 1, 53);
    jahr = std::clamp(jahr, 1900, 2099);
    d.Dateiname = NameMitEndung(name, "ZX7");
    d.GroessteZahl = static_cast<int16_t>(groessteZahl);
    d.Leeren(0);
    d.WocheKennung[0] = static_cast<int16_t>(woche);
    d.JahrCode[0] = JahrCodeAusJahr(jahr);
    d.LetzterIndex = 0;
    d.Stand = {};
    AuswertebereichSetzen(woche, jahr, woche, jahr);
    d.Titel = BereichText();
    d.Geaendert = false;
}

}  // namespace zahlix
