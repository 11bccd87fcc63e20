#include "systems/reihenfilter.h"

#include "core/zahlformat.h"
#include "drawhistory/gruppenmuster.h"
#include "systems/teilmengenmarke.h"

namespace zahlix {

namespace {

// The largest part of each partition pattern "     6" .. "111111".
constexpr std::array<int, 12> kGroessterTeil = {0, 6, 5, 4, 3, 4, 3, 2, 3, 2, 2, 1};

constexpr Reihenmaske kUngerade = 0x5555'5555'5555'5555;   // bit n - 1 for number n
constexpr Reihenmaske kTief = (Reihenmaske{1} << 24) - 1;  // 1..24

int GroessterTeil(int muster) {
    return muster >= 0 && muster < 12 ? kGroessterTeil[static_cast<std::size_t>(muster)] : 0;
}

bool Innerhalb(const std::optional<Spanne>& s, int x) {
    return !s || s->Enthaelt(x);
}

bool Hoechstens(const std::optional<int>& grenze, int x) {
    return !grenze || x <= *grenze;
}

// Positions needed to address every number of the rows and draws.
int Zahlenraum(std::span<const Reihenmaske> a, std::span<const Reihenmaske> b) {
    Reihenmaske alle = 0;
    for (Reihenmaske r : a) alle |= r;
    for (Reihenmaske r : b) alle |= r;
    return alle ? 64 - __builtin_clzll(alle) : 1;
}

}  // namespace

const char* MusterartName(Musterart a) {
    static const char* const kNamen[kMusterarten] = {"Zeilen",   "Spalten", "Zehner", "Endziffern",
                                                     "Nachbarn", "Bilder",  "THUG"};
    return kNamen[static_cast<std::size_t>(a)];
}

std::string MusterwertText(Musterart a, int wert) {
    if (a != Musterart::Thug) return MusterText(wert);
    if (wert < 0 || wert >= kMusterwerte) return {};
    const int t = wert / 7, u = wert % 7;
    return ZahlNull4(static_cast<int16_t>(t * 1000 + (6 - t) * 100 + u * 10 + 6 - u));
}

Reihenmerkmale MerkmaleVon(Reihenmaske r) {
    std::array<int, 6> z{};
    Reihenmerkmale m;
    if (AnzahlIn(r) != kZahlenProReihe) return m;
    std::size_t n = 0;
    for (; r; r &= r - 1) z[n++] = __builtin_ctzll(r) + 1;
    for (int x : z) {
        m.summe += x;
        m.ungerade += x % 2;
        m.tief += x < 25;
    }
    m.muster = {ZeilenMuster(z),   SpaltenMuster(z), ZehnerMuster(z),        EndziffernMuster(z),
                NachbarnMuster(z), BilderMuster(z),  m.tief * 7 + m.ungerade};
    m.nachbarn = GroessterTeil(m.muster[static_cast<std::size_t>(Musterart::Nachbarn)]);
    m.zehner = GroessterTeil(m.muster[static_cast<std::size_t>(Musterart::Zehner)]);
    m.endziffern = GroessterTeil(m.muster[static_cast<std::size_t>(Musterart::Endziffern)]);
    return m;
}

Filterergebnis FilterAnwenden(std::span<const Reihenmaske> quelle, const Systemfilter& f,
                              const Laufsteuerung& s) {
    Filterergebnis e;
    const int raum = Zahlenraum(quelle, f.ziehungen);
    std::optional<Teilmengenmarke> gezogen;
    if ((f.gezogenTreffer == 5 || f.gezogenTreffer == 6) && !f.ziehungen.empty()) {
        gezogen.emplace(raum, f.gezogenTreffer);
        for (Reihenmaske z : f.ziehungen) gezogen->AlleSetzen(z);
    }
    Fortschritt fortschritt(s, 0, 100);
    const auto gesamt = static_cast<int64_t>(quelle.size());
    for (std::size_t i = 0; i < quelle.size(); ++i) {
        if ((i & 4095) == 4095) {
            if (s.Gestoppt()) {
                e.abgebrochen = true;
                return e;
            }
            fortschritt.Melden(static_cast<int64_t>(i), gesamt);
        }
        const Reihenmaske r = quelle[i];
        // The plain counts first: a narrow range drops most rows before their patterns.
        int summe = 0;
        for (Reihenmaske b = r; b; b &= b - 1) summe += __builtin_ctzll(b) + 1;
        if (!Innerhalb(f.summe, summe) || !Innerhalb(f.ungerade, AnzahlIn(r & kUngerade)) ||
            !Innerhalb(f.tief, AnzahlIn(r & kTief)) || (gezogen && gezogen->EineGesetzt(r)))
            continue;
        const Reihenmerkmale m = MerkmaleVon(r);
        if (!Hoechstens(f.nachbarn, m.nachbarn) || !Hoechstens(f.zehner, m.zehner) ||
            !Hoechstens(f.endziffern, m.endziffern))
            continue;
        int abgelehnt = 0;
        std::size_t art = 0;
        for (std::size_t a = 0; a < kMusterarten; ++a)
            if (!f.MusterErlaubt(static_cast<Musterart>(a), m.muster[a])) {
                ++abgelehnt;
                art = a;
            }
        if (abgelehnt == 1) ++e.musterAnzahl[art][static_cast<std::size_t>(m.muster[art])];
        if (abgelehnt > 0) continue;
        for (std::size_t a = 0; a < kMusterarten; ++a)
            ++e.musterAnzahl[a][static_cast<std::size_t>(m.muster[a])];
        e.reihen.push_back(r);
    }
    if (f.gemeinsam && *f.gemeinsam >= 0 && *f.gemeinsam < kZahlenProReihe) {
        // A row goes when one of its subsets one larger than allowed is in a kept row.
        Teilmengenmarke behalten(raum, *f.gemeinsam + 1);
        std::size_t n = 0;
        for (Reihenmaske r : e.reihen) {
            if (behalten.EineGesetzt(r)) continue;
            behalten.AlleSetzen(r);
            e.reihen[n++] = r;
        }
        e.reihen.resize(n);
    }
    return e;
}

std::vector<Reihenmaske> ZiehungenAlsReihen(const Lottodatei& d) {
    std::vector<Reihenmaske> z;
    for (int i = 0; i < d.Anzahl(); ++i) z.push_back(MaskeAusBitworten(d.Zahlen(i)));
    return z;
}

std::vector<Reihenmaske> AlleReihen(Reihenmaske zahlen, const Laufsteuerung& s) {
    std::vector<int> z;
    for (Reihenmaske m = zahlen; m; m &= m - 1) z.push_back(__builtin_ctzll(m));
    const int n = static_cast<int>(z.size());
    std::vector<Reihenmaske> reihen;
    if (n < kZahlenProReihe) return reihen;
    reihen.reserve(
        static_cast<std::size_t>(Binomialtabelle()[static_cast<std::size_t>(n)][kZahlenProReihe]));
    std::array<int, kZahlenProReihe> p{0, 1, 2, 3, 4, 5};
    for (;;) {
        Reihenmaske r = 0;
        for (int i : p) r |= Reihenmaske{1} << z[static_cast<std::size_t>(i)];
        reihen.push_back(r);
        if ((reihen.size() & 65535) == 0 && s.Gestoppt()) return reihen;
        int i = kZahlenProReihe - 1;
        while (i >= 0 && p[static_cast<std::size_t>(i)] == n - kZahlenProReihe + i) --i;
        if (i < 0) return reihen;
        ++p[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < kZahlenProReihe; ++j)
            p[static_cast<std::size_t>(j)] = p[static_cast<std::size_t>(j - 1)] + 1;
    }
}

}  // namespace zahlix
