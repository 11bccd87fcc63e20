#include "core/zahlformat.h"

namespace zahlix {

namespace {

// The digits the number patterns produce: "#0"-style patterns always show at least one digit
// and a minus sign for negatives.
std::string Ziffern(int64_t n) { return std::to_string(n); }

std::string Rechts(const std::string& d, size_t breite, char fuell) {
    if (d.size() > breite) return d.substr(d.size() - breite);
    return std::string(breite - d.size(), fuell) + d;
}

std::string Feld(int16_t n, const char* vorsatz) {
    const std::string d = Ziffern(n);
    if (d.size() >= 2) return vorsatz + d.substr(d.size() - 2);
    return std::string(vorsatz) + "0" + d;
}

}  // namespace

std::string ZahlFeld3(int16_t n) { return Feld(n, " "); }
std::string ZahlFeld4(int16_t n) { return Feld(n, "  "); }
std::string ZahlNull2(int16_t n) { return Rechts(Ziffern(n), 2, '0'); }
std::string ZahlRechts2(int16_t n) { return Rechts(Ziffern(n), 2, ' '); }
std::string ZahlRechts3(int16_t n) { return Rechts(Ziffern(n), 3, ' '); }
std::string ZahlNull4(int16_t n) { return Rechts(Ziffern(n), 4, '0'); }
std::string ZahlRechts4(int16_t n) { return Rechts(Ziffern(n), 4, ' '); }
std::string ZahlRechts5(int16_t n) { return Rechts(Ziffern(n), 5, ' '); }
std::string ZahlRechts6(int16_t n) { return Rechts(Ziffern(n), 6, ' '); }
std::string ZahlNull7(int32_t n) { return Rechts(Ziffern(n), 7, '0'); }
std::string ZahlGruppiert10(int32_t n) { return Rechts(Gruppiert(n), 10, ' '); }

std::string Str(int64_t n) { return n >= 0 ? " " + std::to_string(n) : std::to_string(n); }

std::string Gruppiert(int64_t n) {
    const bool negativ = n < 0;
    std::string d = std::to_string(negativ ? -static_cast<uint64_t>(n) : static_cast<uint64_t>(n));
    std::string r;
    for (size_t i = 0; i < d.size(); ++i) {
        if (i > 0 && (d.size() - i) % 3 == 0) r += '.';
        r += d[i];
    }
    return negativ ? "-" + r : r;
}

std::string Anzahl(int64_t n, const char* einzahl, const char* mehrzahl) {
    return Gruppiert(n) + " " + (n == 1 ? einzahl : mehrzahl);
}

std::string Prozentwert(int64_t teil, int64_t gesamt, char fuell) {
    const int64_t hundertstel = gesamt > 0 ? (teil * 20000 / gesamt + 1) / 2 : 0;
    std::string ganz = std::to_string(hundertstel / 100);
    if (ganz.size() < 2) ganz.insert(0, 2 - ganz.size(), fuell);
    const int64_t rest = hundertstel % 100;
    return ganz + "," + (rest < 10 ? "0" : "") + std::to_string(rest) + "%";
}

}  // namespace zahlix
