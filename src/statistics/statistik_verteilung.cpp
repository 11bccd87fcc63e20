// Types 7, 8 and 14: when a number was drawn, by week, by year and draw by draw.
#include <algorithm>
#include <vector>

#include "statistics/statistik_intern.h"

namespace zahlix::statistik {

void VerteilungBerechnen(const std::vector<Zug>& z, const Parameter& p, int N, Ergebnis& e,
                         Unterbrechung& u) {
    (void)N;
    const int m = static_cast<int>(z.size());
    uint64_t gesucht = uint64_t{1} << p.zahl1;
    if (p.typ == Ziehungsabstand && p.zahl2 != 0) gesucht |= uint64_t{1} << p.zahl2;
    auto enthalten = [&](int i) {
        return (z[static_cast<size_t>(i)].Menge(p.zusatz) & gesucht) == gesucht;
    };

    if (p.typ == Ziehungsabstand) {
        // Row j: the j-th occurrence of the number (of both numbers together), its value the
        // draws since the occurrence before (1 = the very next draw; the first occurrence
        // counts from the start of the range). The newest 100 occurrences are shown.
        std::vector<int> pos;
        for (int i = 0; i < m; ++i) {
            if (u.Schritt(i)) {
                e.abgebrochen = true;
                break;
            }
            if (enthalten(i)) pos.push_back(i);
        }
        const int c = static_cast<int>(pos.size());
        e.n = std::min(c, kZeilen);
        e.versatz = c - e.n;
        for (int k = 1; k <= e.n; ++k) {
            const int j = e.versatz + k - 1;
            e.istwert[k] = Klemmen(j == 0 ? pos[0] + 1 : pos[j] - pos[j - 1]);
        }
        return;
    }

    // Row w (week 1..53) or row of a year: the draws of that week or year that hold the
    // chosen number; Zuletzt and Abstand count draws of every week or year.
    int erstes = 0;
    if (p.typ == Wochenverteilung) {
        e.n = 53;
    } else {
        // One row per calendar year of the range; the newest 100 years when there are more.
        int von = z.front().jahr, bis = z.front().jahr;
        for (const Zug& g : z) {
            von = std::min(von, g.jahr);
            bis = std::max(bis, g.jahr);
        }
        von = std::max(von, bis - (kZeilen - 1));
        e.n = bis - von + 1;
        e.versatz = von - 1;
        erstes = von;
    }
    Ereignisse ev(e.n);
    for (int i = 0; i < m; ++i) {
        if (u.Schritt(i)) {
            e.abgebrochen = true;
            break;
        }
        if (!enthalten(i)) continue;
        const Zug& g = z[static_cast<size_t>(i)];
        const int zeile = p.typ == Wochenverteilung ? g.woche : g.jahr - erstes + 1;
        if (zeile >= 1 && zeile <= e.n) ev.Treffer(zeile, i);
    }
    ev.Eintragen(e, m);
}

}  // namespace zahlix::statistik
