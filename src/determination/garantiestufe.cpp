// Garantiestufe a/b: a system guarantees "b if a" when every a numbers of the system lie, with
// at least b of them, in some row of the system. An a-subset has such a row exactly when one of
// its b-subsets lies in a row, so the b-subsets of all rows are marked once and every a-subset
// looks up its C(a, b) b-subsets.
#include "determination/garantiestufe.h"

#include <algorithm>
#include <numeric>

#include "core/zahlformat.h"
#include "determination/analyse_kontext.h"
#include "determination/teilmengen.h"

namespace zahlix {

Garantiepruefung GarantiePruefen(const std::vector<int>& zahlen,
                                 const std::vector<uint64_t>& reihen, int a, int b,
                                 const std::function<bool(int64_t)>& weiter,
                                 const std::function<void(uint64_t)>& fehlt) {
    const int n = static_cast<int>(zahlen.size());
    std::array<int, 50> stelle;
    stelle.fill(-1);
    for (int i = 0; i < n; ++i) stelle[static_cast<size_t>(zahlen[static_cast<size_t>(i)])] = i;

    Garantiepruefung ergebnis;
    ergebnis.gesamt = Bin(n, a);
    std::vector<uint8_t> gedeckt(static_cast<size_t>(Bin(n, b)), 0);
    for (const uint64_t reihe : reihen) {
        std::vector<int> p;
        for (int x : ZahlenAus(reihe))
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
    int64_t geprueft = 0;
    TeilmengenDurchlaufen(alle, a, [&](const int* p) {
        if ((++geprueft & 4095) == 0 && weiter && !weiter(geprueft)) {
            ergebnis.abgebrochen = true;
            return false;
        }
        bool ok = false;
        TeilmengenDurchlaufen(innen, b, [&](const int* q) {
            int r[6];
            for (int i = 0; i < b; ++i) r[i] = p[q[i]];
            ok = gedeckt[static_cast<size_t>(ColexRang(r, b))] != 0;
            return !ok;
        });
        if (!ok) {
            ++ergebnis.fehlend;
            uint64_t m = 0;
            for (int i = 0; i < a; ++i) m |= uint64_t{1} << (zahlen[static_cast<size_t>(p[i])] - 1);
            if (fehlt) fehlt(m);
        }
        return true;
    });
    return ergebnis;
}

std::string GarantieUrteil(const Garantiepruefung& p, int n, int a, int b) {
    if (n < a) return "Das System hat weniger Zahlen als die Stufe." + std::string(kCrLf);
    if (p.fehlend == 0) return "erfüllt" + std::string(kCrLf);
    return "nicht erfüllt," + Str(p.fehlend) + " von" + Str(p.gesamt) +
           " Kombinationen ohne Reihe mit" + Str(b) + " Treffern" + kCrLf;
}

void Garantie(Kontext& k) {
    const int a = k.e.garantieA, b = k.e.garantieB;
    if (a < 1 || a > 6 || b < 1 || b > a) {
        k.ergebnis.meldung =
            "Die Garantiestufe verlangt 1 bis 6 Zahlen und höchstens so viele Treffer wie Zahlen.";
        return;
    }
    const std::vector<int> zahlen = ZahlenAus(k.frei);
    const int n = static_cast<int>(zahlen.size());
    std::vector<uint64_t> reihen;
    for (const Zeile& z : k.zeilen) reihen.push_back(z.maske);
    std::string liste;
    const int64_t gesamt = Bin(n, a);
    const Garantiepruefung p = GarantiePruefen(
        zahlen, reihen, a, b,
        [&](int64_t geprueft) {
            if (k.Stopp()) return false;
            k.Fortschritt(
                [&] { return " Prüfe Garantiestufe..." + Str(geprueft) + " von" + Str(gesamt); });
            return true;
        },
        [&](uint64_t m) {
            if (!k.e.nurPruefen && k.ergebnis.liste.size() < kMaxListe) {
                k.ergebnis.liste.push_back(ZahlenText(m));
                if (k.ergebnis.liste.size() <= kMaxTextzeilen) liste += ZahlenText(m) + kCrLf;
            }
        });
    if (k.ergebnis.abgebrochen) return;
    const int64_t fehlend = p.fehlend;

    const std::string stufe = Str(b) + " aus" + Str(a);
    std::string t = k.Kopf() + "* Garantiestufe" + stufe + " mit" + Str(n) + " Systemzahlen und" +
                    Str(static_cast<int64_t>(k.zeilen.size())) +
                    " Reihen: " + GarantieUrteil(p, n, a, b);
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
