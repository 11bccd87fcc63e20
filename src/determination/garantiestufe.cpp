// Garantiestufe a/b: a system guarantees "b if a" when every a numbers of the system lie, with
// at least b of them, in some row of the system. An a-subset has such a row exactly when one of
// its b-subsets lies in a row, so the b-subsets of all rows are marked once and every a-subset
// looks up its C(a, b) b-subsets.
#include <algorithm>
#include <numeric>

#include "core/zahlformat.h"
#include "determination/analyse_kontext.h"
#include "determination/teilmengen.h"

namespace zahlix {

void Garantie(Kontext& k) {
    const int a = k.e.garantieA, b = k.e.garantieB;
    if (a < 1 || a > 6 || b < 1 || b > a) {
        k.ergebnis.meldung =
            "Die Garantiestufe verlangt 1 bis 6 Zahlen und höchstens so viele Treffer wie Zahlen.";
        return;
    }
    const std::vector<int> zahlen = ZahlenAus(k.frei);
    const int n = static_cast<int>(zahlen.size());
    std::array<int, 50> stelle;
    stelle.fill(-1);
    for (int i = 0; i < n; ++i) stelle[static_cast<size_t>(zahlen[static_cast<size_t>(i)])] = i;

    std::vector<uint8_t> gedeckt(static_cast<size_t>(Bin(n, b)), 0);
    for (const Zeile& z : k.zeilen) {
        std::vector<int> p;
        for (int x : ZahlenAus(z.maske))
            if (stelle[static_cast<size_t>(x)] >= 0) p.push_back(stelle[static_cast<size_t>(x)]);
        if (p.size() > 6) p.resize(6);  // a damaged row: its first six numbers
        TeilmengenDurchlaufen(p, b, [&](const int* q) {
            gedeckt[static_cast<size_t>(ColexRang(q, b))] = 1;
            return true;
        });
    }

    std::vector<int> alle(static_cast<size_t>(n)), innen(static_cast<size_t>(a));
    std::iota(alle.begin(), alle.end(), 0);
    std::iota(innen.begin(), innen.end(), 0);
    int64_t fehlend = 0, geprueft = 0;
    std::string liste;
    const int64_t gesamt = Bin(n, a);
    TeilmengenDurchlaufen(alle, a, [&](const int* p) {
        if ((++geprueft & 4095) == 0) {
            if (k.Stopp()) return false;
            k.Fortschritt(
                [&] { return " Prüfe Garantiestufe..." + Str(geprueft) + " von" + Str(gesamt); });
        }
        bool ok = false;
        TeilmengenDurchlaufen(innen, b, [&](const int* q) {
            int r[6];
            for (int i = 0; i < b; ++i) r[i] = p[q[i]];
            ok = gedeckt[static_cast<size_t>(ColexRang(r, b))] != 0;
            return !ok;
        });
        if (!ok) {
            ++fehlend;
            uint64_t m = 0;
            for (int i = 0; i < a; ++i) m |= uint64_t{1} << (zahlen[static_cast<size_t>(p[i])] - 1);
            if (!k.e.nurPruefen && k.ergebnis.liste.size() < kMaxListe) {
                k.ergebnis.liste.push_back(ZahlenText(m));
                if (k.ergebnis.liste.size() <= kMaxTextzeilen) liste += ZahlenText(m) + kCrLf;
            }
        }
        return true;
    });
    if (k.ergebnis.abgebrochen) return;

    const std::string stufe = Str(b) + " aus" + Str(a);
    std::string t = k.Kopf() + "* Garantiestufe" + stufe + " mit" + Str(n) + " Systemzahlen und" +
                    Str(static_cast<int64_t>(k.zeilen.size())) + " Reihen: ";
    if (n < a)
        t += "Das System hat weniger Zahlen als die Stufe." + std::string(kCrLf);
    else if (fehlend == 0)
        t += "erfüllt" + std::string(kCrLf);
    else
        t += "nicht erfüllt," + Str(fehlend) + " von" + Str(gesamt) +
             " Kombinationen ohne Reihe mit" + Str(b) + " Treffern" + kCrLf;
    if (!k.e.nurPruefen && fehlend > 0) {
        t += kCrLf + std::string("Fehlende Kombinationen:") + kCrLf + liste;
        if (fehlend > static_cast<int64_t>(kMaxTextzeilen))
            t += "... und" + Str(fehlend - static_cast<int64_t>(kMaxTextzeilen)) + " weitere" +
                 kCrLf;
    }
    k.ergebnis.text = t + std::string(80, '-') + kCrLf;
    k.ergebnis.status =
        fehlend == 0 && n >= a ? " Garantiestufe erfüllt" : " Garantiestufe nicht erfüllt";
}

}  // namespace zahlix
