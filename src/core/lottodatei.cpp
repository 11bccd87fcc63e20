#include "core/lottodatei.h"

#include <algorithm>

#include "app/port.h"
#include "core/textdatei.h"

namespace zahlix {

Dateistand DateistandLesen(const std::string& name) {
    const std::filesystem::path p = PfadVonName(name);
    std::error_code ec1, ec2;
    Dateistand s{name, std::filesystem::file_size(p, ec1),
                 std::filesystem::last_write_time(p, ec2)};
    if (ec1 || ec2) return {};
    return s;
}

Lottodatei::Lottodatei()
    : WocheKennung(kSlots),
      JahrCode(kSlots),
      Bitwort1(kSlots),
      Bitwort2(kSlots),
      Bitwort3(kSlots),
      Bitwort4(kSlots),
      Trefferwert(kSlots),
      ImBereich(kSlots) {}

void Lottodatei::Leeren(int ab) {
    ab = std::clamp(ab, 0, kSlots);
    for (auto* a : {&WocheKennung, &JahrCode, &Bitwort1, &Bitwort2, &Bitwort3, &Bitwort4,
                    &Trefferwert, &ImBereich})
        std::fill(a->begin() + ab, a->end(), int16_t{0});
}

int Lottodatei::Anzahl() const {
    auto it = std::find(WocheKennung.begin(), WocheKennung.end(), int16_t{0});
    return static_cast<int>(it - WocheKennung.begin());
}

void Lottodatei::ZahlenSetzen(int i, const Bitworte& w) {
    Bitwort1[i] = w[0];
    Bitwort2[i] = w[1];
    Bitwort3[i] = w[2];
    Bitwort4[i] = w[3];
}

void Lottodatei::SlotKopieren(int von, int nach) {
    for (auto* a : {&WocheKennung, &JahrCode, &Bitwort1, &Bitwort2, &Bitwort3, &Bitwort4,
                    &Trefferwert, &ImBereich})
        (*a)[nach] = (*a)[von];
}

void LeereLottodateiSetzen(Lottodatei& d) {
    d.Dateiname = "OhneName.ZX7";
    d.GroessteZahl = 49;
    d.Leeren(0);
    d.WocheKennung[0] = 1;
    d.JahrCode[0] = kJahrCode1900;
    d.LetzterIndex = 0;
    d.Geaendert = false;
    d.Stand = {};
}

Transferbereich& Transfer() {
    static Transferbereich bereich;
    return bereich;
}

void DatenUebergeben(const Lottodatei& quelle, const std::string& text1) {
    Beschaeftigt(-1);
    Transfer().daten = quelle;
    Transfer().text1 = text1;
    Transfer().text2 = quelle.Titel;
    Beschaeftigt(0);
}

void DatenUebernehmen(Lottodatei& ziel) {
    Beschaeftigt(-1);
    ziel = Transfer().daten;
    Beschaeftigt(0);
}

}  // namespace zahlix
