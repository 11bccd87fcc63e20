#include "core/reihenbereich.h"

#include <algorithm>
#include <charconv>

#include "core/zahlformat.h"

namespace zahlix {

namespace {

std::string OhneLeerzeichen(const std::string& text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t') s += c;
    return s;
}

// A row number at p (advanced past it), within 1..anzahl.
bool Reihennummer(const char*& p, const char* ende, int anzahl, int& r) {
    const auto [q, ec] = std::from_chars(p, ende, r);
    if (ec != std::errc{} || q == p || r < 1 || r > anzahl) return false;
    p = q;
    return true;
}

}  // namespace

bool ReihenlisteLesen(const std::string& text, int anzahl, std::vector<bool>& drin,
                      std::string& fehler) {
    const std::string s = OhneLeerzeichen(text);
    drin.assign(static_cast<size_t>(std::max(anzahl, 0)) + 1, false);
    const char* p = s.data();
    const char* ende = s.data() + s.size();
    const std::string grund = "Die Reihenliste \"" + text + "\" ist ungültig: erlaubt sind " +
                              "Reihen von 1 bis " + Gruppiert(anzahl) +
                              " und Spannen wie 3-7, durch Komma getrennt.";
    if (p == ende) {
        fehler = grund;
        return false;
    }
    while (p < ende) {
        int von = 0, bis = 0;
        if (!Reihennummer(p, ende, anzahl, von)) break;
        bis = von;
        if (p < ende && *p == '-') {
            ++p;
            if (!Reihennummer(p, ende, anzahl, bis) || bis < von) break;
        }
        for (int r = von; r <= bis; ++r) drin[static_cast<size_t>(r)] = true;
        if (p == ende) return true;
        if (*p != ',' || ++p == ende) break;
    }
    fehler = grund;
    return false;
}

int ReihenMarkieren(Lottodatei& d, const Bereichswerte& b) {
    const int n = d.Anzahl();
    const int von = std::max<int>(b.ersteReihe, 1);
    const int bis = b.letzteReihe > 0 ? std::min<int>(b.letzteReihe, n) : n;
    std::vector<bool> drin;
    std::string fehler;
    const bool liste = !b.reihenliste.empty() && ReihenlisteLesen(b.reihenliste, n, drin, fehler);
    int anzahl = 0;
    for (int i = 0; i < kSlots; ++i) {
        const int r = i + 1;
        const bool ja = r >= von && r <= bis && (!liste || drin[static_cast<size_t>(r)]);
        d.ImBereich[i] = ja ? -1 : 0;
        anzahl += ja;
    }
    return anzahl;
}

bool ReihenbereichEinstellen(Lottodatei& d, const Reihenwahl& w, std::string& fehler) {
    const int n = d.Anzahl();
    const int letzte = w.letzte == 0 ? n : w.letzte;
    if (w.erste < 1 || letzte > n || w.erste > letzte) {
        fehler = "Die Reihen müssen zwischen 1 und " + Gruppiert(n) +
                 " liegen, die erste nicht nach der letzten.";
        return false;
    }
    std::vector<bool> drin;
    if (!w.liste.empty() && !ReihenlisteLesen(w.liste, n, drin, fehler)) return false;
    Bereichswerte b = Auswertebereich();
    b.EinschraenkungenAufheben();
    b.systemdatei = true;
    b.ersteReihe = static_cast<int16_t>(w.erste);
    b.letzteReihe = static_cast<int16_t>(letzte);
    b.reihenliste = w.liste.empty() ? std::string() : OhneLeerzeichen(w.liste);
    const std::vector<int16_t> vorher = d.ImBereich;
    if (ReihenMarkieren(d, b) == 0) {
        d.ImBereich = vorher;
        fehler = "Im gewählten Bereich liegt keine Reihe. Der Bereich bleibt unverändert.";
        return false;
    }
    Auswertebereich() = b;
    d.Titel = BereichText();
    return true;
}

void ReihenbereichAufheben(Lottodatei& d) {
    std::string fehler;
    ReihenbereichEinstellen(d, Reihenwahl{}, fehler);
}

}  // namespace zahlix
