#include "systems/garantieanteil.h"

#include <algorithm>
#include <vector>

#include "systems/teilmengenmarke.h"

namespace zahlix {

int64_t Garantietabelle::Ziehungen(int m) const {
    if (m < 0 || m > 6) return 0;
    return Binomialtabelle()[static_cast<std::size_t>(zahlen)][static_cast<std::size_t>(m)];
}

int64_t Garantietabelle::MindestensT(int t, int m) const {
    if (m < 0 || m > 6) return 0;
    int64_t n = 0;
    for (int h = std::max(t, 0); h <= m; ++h)
        n += anzahl[static_cast<std::size_t>(m)][static_cast<std::size_t>(h)];
    return n;
}

std::optional<Garantietabelle> GarantieBerechnen(Reihenmaske zahlen,
                                                 std::span<const Reihenmaske> reihen,
                                                 const Laufsteuerung& s) {
    const auto& c = Binomialtabelle();
    Garantietabelle g;
    g.zahlen = AnzahlIn(zahlen);
    const auto n = static_cast<std::size_t>(g.zahlen);
    std::vector<Reihenmaske> verdichtet;
    verdichtet.reserve(reihen.size());
    for (Reihenmaske r : reihen)
        if (const Reihenmaske v = AufZahlenVerdichten(r, zahlen)) verdichtet.push_back(v);

    int64_t arbeit = 0, erledigt = 0;
    for (std::size_t m = 1; m <= 6; ++m)
        arbeit += static_cast<int64_t>(verdichtet.size()) + c[n][m];
    Fortschritt fortschritt(s, 0, 100);
    auto weiter = [&](int64_t schritte) {
        erledigt += schritte;
        if (s.Gestoppt()) return false;
        fortschritt.Melden(erledigt, arbeit);
        return true;
    };

    // Every subset of every row marked once, on its level.
    std::vector<Teilmengenmarke> marken;
    for (int m = 1; m <= 6; ++m) marken.emplace_back(g.zahlen, m);
    for (std::size_t i = 0; i < verdichtet.size(); ++i) {
        TeilmengenRaenge(verdichtet[i], [&](int groesse, int64_t rang) {
            marken[static_cast<std::size_t>(groesse - 1)].RangSetzen(rang);
        });
        if ((i & 4095) == 4095 && !weiter(4096 * 6)) return std::nullopt;
    }

    std::vector<uint8_t> unten{0};  // the best row of the empty set holds none of it
    for (int m = 1; m <= 6 && c[n][static_cast<std::size_t>(m)] > 0; ++m) {
        const int64_t gesamt = c[n][static_cast<std::size_t>(m)];
        const Teilmengenmarke& marke = marken[static_cast<std::size_t>(m - 1)];
        std::vector<uint8_t> oben(m < 6 ? static_cast<std::size_t>(gesamt) : 0);
        std::array<int, 7> p{};
        for (int i = 0; i < m; ++i) p[static_cast<std::size_t>(i)] = i;
        p[static_cast<std::size_t>(m)] = g.zahlen;  // stops the successor step
        auto& zaehler = g.anzahl[static_cast<std::size_t>(m)];
        // The m-subsets in colex order, so the running index is the rank.
        for (int64_t rang = 0; rang < gesamt; ++rang) {
            int beste = m;
            if (!marke.RangGesetzt(rang)) {
                // Rank of the subset without p[i]: the positions before keep their place,
                // those after move one place down.
                std::array<int64_t, 7> danach{};
                for (int j = m - 1; j >= 0; --j)
                    danach[static_cast<std::size_t>(j)] =
                        danach[static_cast<std::size_t>(j) + 1] +
                        c[static_cast<std::size_t>(p[static_cast<std::size_t>(j)])]
                         [static_cast<std::size_t>(j)];
                int64_t davor = 0;
                beste = 0;
                for (std::size_t i = 0; i < static_cast<std::size_t>(m); ++i) {
                    beste = std::max<int>(beste,
                                          unten[static_cast<std::size_t>(davor + danach[i + 1])]);
                    davor += c[static_cast<std::size_t>(p[i])][i + 1];
                }
            }
            ++zaehler[static_cast<std::size_t>(beste)];
            if (m < 6) oben[static_cast<std::size_t>(rang)] = static_cast<uint8_t>(beste);
            if ((rang & 4095) == 4095 && !weiter(4096)) return std::nullopt;
            if (rang + 1 == gesamt) break;
            std::size_t j = 0;
            while (p[j] + 1 == p[j + 1]) {
                p[j] = static_cast<int>(j);
                ++j;
            }
            ++p[j];
        }
        unten.swap(oben);
    }
    return g;
}

std::string Anteilzahl(int64_t teil, int64_t gesamt) {
    if (gesamt <= 0) return "-";
    if (teil >= gesamt) return "100";
    if (teil <= 0) return "0";
    const int64_t zehntel = teil * 1000 / gesamt;
    if (zehntel == 0) return "<0,1";
    return std::to_string(zehntel / 10) + "," + std::to_string(zehntel % 10);
}

std::string Anteiltext(int64_t teil, int64_t gesamt) {
    const std::string z = Anteilzahl(teil, gesamt);
    if (z == "-") return z;
    return z == "<0,1" ? "unter 0,1 %" : z + " %";
}

std::string Garantiesatz(const Garantietabelle& g, int t, int m) {
    return std::to_string(t) + " aus " + std::to_string(m) + " in " +
           Anteiltext(g.MindestensT(t, m), g.Ziehungen(m)) + " aller Ziehungen";
}

std::string Garantieuebersicht(const Garantietabelle& g) {
    auto rechts = [](std::string s, std::size_t breite) {
        // "ü" and friends count as one column.
        std::size_t zeichen = 0;
        for (char ch : s) zeichen += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
        return std::string(breite > zeichen ? breite - zeichen : 0, ' ') + s;
    };
    std::string t = "Garantie über alle Ziehungen der " + std::to_string(g.zahlen) +
                    " Zahlen (Treffer aus gezogenen Systemzahlen):\r\n";
    t += "       ";
    for (int h = 2; h <= 6; ++h) t += rechts(std::to_string(h) + " Treffer", 12);
    t += "\r\n";
    for (int m = 6; m >= 3; --m) {
        t += "aus " + std::to_string(m) + "  ";
        for (int h = 2; h <= m; ++h)
            t += rechts(Anteiltext(g.MindestensT(h, m), g.Ziehungen(m)), 12);
        t += "\r\n";
    }
    return t;
}

}  // namespace zahlix
