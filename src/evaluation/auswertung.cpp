#include "evaluation/auswertung.h"

#include <algorithm>
#include <cstring>

#include "core/tabellen.h"

#if defined(__GNUC__) || defined(_MSC_VER)
#define ZAHLIX_RESTRICT __restrict
#else
#define ZAHLIX_RESTRICT
#endif

namespace zahlix {

namespace {

// Bits 7 and 15 never carry a number; masking them keeps table indices inside 0..32766 even
// for a corrupt draw.
constexpr uint16_t kNummernbits = 0x7F7F;

// A corrupt draw may carry more than six numbers; it counts as a full hit, never as a bonus
// class and never outside the ten counters.
constexpr int kMaxTreffer = 6;

bool SchalterAn(const Zusatzzahlwertung& z, int h) { return h >= 3 && h <= 5 && z[h - 3] == 1; }

bool ZusatzGewaehlt(int b, const Bitworte& s) { return ZusatzzahlVorhanden(b) && ZahlGesetzt(b, s); }

bool IstEnde(uint16_t w1, uint16_t w2, uint16_t w3, uint16_t w4) {
    return (w1 | w2 | w3 | (w4 & 0xFF)) == 0;
}

constexpr int kBlock = 512;

// Per-block work buffers live on the stack: the engine allocates nothing.
struct Block {
    alignas(64) uint16_t klasse[kBlock];
    alignas(64) uint16_t kandidat[kBlock + 8];
};

constexpr uint16_t kNichtImBereich = 15;

// Classes of len draws without the bonus step, in 16-bit lanes (SWAR popcount). Every byte of
// a word holds at most seven number bits, so after the nibble step two words add without a
// carry and the byte sums of all four stay below 256. Draws out of range get class 15;
// kand marks the draws whose class the bonus number may still raise. Returns whether the
// block holds the empty end entry.
bool KlassenOhneZusatz(const uint16_t* ZAHLIX_RESTRICT p1, const uint16_t* ZAHLIX_RESTRICT p2,
                       const uint16_t* ZAHLIX_RESTRICT p3, const uint16_t* ZAHLIX_RESTRICT p4,
                       const int16_t* ZAHLIX_RESTRICT ir, const uint16_t s[4],
                       const uint16_t z[3], int len, uint16_t* ZAHLIX_RESTRICT k,
                       uint16_t* ZAHLIX_RESTRICT kand, uint16_t n[7]) {
    const uint16_t s1 = s[0], s2 = s[1], s3 = s[2], s4 = s[3];
    const uint16_t z0 = z[0], z1 = z[1], z2 = z[2];
    uint16_t leer = 0;
    uint16_t n0 = 0, n1 = 0, n2 = 0, n3 = 0, n4 = 0, n5 = 0, n6 = 0;
    for (int j = 0; j < len; ++j) {
        const uint16_t w1 = p1[j], w2 = p2[j], w3 = p3[j], w4 = p4[j];
        uint16_t a = w1 & s1, b = w2 & s2, c = w3 & s3, d = w4 & s4;
        a = static_cast<uint16_t>(a - ((a >> 1) & 0x5555));
        b = static_cast<uint16_t>(b - ((b >> 1) & 0x5555));
        c = static_cast<uint16_t>(c - ((c >> 1) & 0x5555));
        d = static_cast<uint16_t>(d - ((d >> 1) & 0x5555));
        a = static_cast<uint16_t>((a & 0x3333) + ((a >> 2) & 0x3333));
        b = static_cast<uint16_t>((b & 0x3333) + ((b >> 2) & 0x3333));
        c = static_cast<uint16_t>((c & 0x3333) + ((c >> 2) & 0x3333));
        d = static_cast<uint16_t>((d & 0x3333) + ((d >> 2) & 0x3333));
        uint16_t x = static_cast<uint16_t>(a + b);
        uint16_t y = static_cast<uint16_t>(c + d);
        x = static_cast<uint16_t>((x & 0x0F0F) + ((x >> 4) & 0x0F0F));
        y = static_cast<uint16_t>((y & 0x0F0F) + ((y >> 4) & 0x0F0F));
        const uint16_t sum = static_cast<uint16_t>(x + y);
        uint16_t h = static_cast<uint16_t>((sum + (sum >> 8)) & 0xFF);
        h = h < kMaxTreffer ? h : static_cast<uint16_t>(kMaxTreffer);
        const uint16_t drin = static_cast<uint16_t>(ir[j] == -1);
        const uint16_t kl = drin ? h : kNichtImBereich;
        k[j] = kl;
        n0 = static_cast<uint16_t>(n0 + (kl == 0));
        n1 = static_cast<uint16_t>(n1 + (kl == 1));
        n2 = static_cast<uint16_t>(n2 + (kl == 2));
        n3 = static_cast<uint16_t>(n3 + (kl == 3));
        n4 = static_cast<uint16_t>(n4 + (kl == 4));
        n5 = static_cast<uint16_t>(n5 + (kl == 5));
        n6 = static_cast<uint16_t>(n6 + (kl == 6));
        kand[j] = static_cast<uint16_t>(
            drin & ((static_cast<uint16_t>(h == 3) & z0) | (static_cast<uint16_t>(h == 4) & z1) |
                    (static_cast<uint16_t>(h == 5) & z2)));
        leer = static_cast<uint16_t>(leer | ((w1 | w2 | w3 | (w4 & 0xFF)) == 0));
    }
    n[0] = n0;
    n[1] = n1;
    n[2] = n2;
    n[3] = n3;
    n[4] = n4;
    n[5] = n5;
    n[6] = n6;
    return leer != 0;
}

// Writes the classes of the draws in range; the others keep theirs.
void KlassenSchreiben(const uint16_t* ZAHLIX_RESTRICT k, int len, int16_t* ZAHLIX_RESTRICT tw) {
    for (int j = 0; j < len; ++j) {
        const uint16_t c = k[j];
        tw[j] = c == kNichtImBereich ? tw[j] : static_cast<int16_t>(c);
    }
}

}  // namespace

void ReihenAuswerten(const Bitworte& auswahl, Lottodatei& d, Klassenzaehler& zaehler,
                     const Zusatzzahlwertung& zusatz) {
    zaehler.fill(0);
    const uint16_t s[4] = {
        static_cast<uint16_t>(auswahl[0] & kNummernbits),
        static_cast<uint16_t>(auswahl[1] & kNummernbits),
        static_cast<uint16_t>(auswahl[2] & kNummernbits),
        static_cast<uint16_t>(auswahl[3] & 0x7F),
    };
    // Bonus upgrade per (hit count, bonus byte): 4 when the switch for that count is on and the
    // bonus number is selected. Rows 0..2 and 6..15 stay 0, so only the three classes can move.
    uint8_t plus[16][256];
    bool zusatzAn = false;
    for (int h = 0; h < 16; ++h) {
        const bool an = SchalterAn(zusatz, h);
        zusatzAn |= an;
        std::memset(plus[h], 0, sizeof plus[h]);
        if (!an) continue;
        for (int b = 1; b <= 49; ++b) plus[h][b] = ZusatzGewaehlt(b, auswahl) ? 4 : 0;
    }

    const auto* p1 = reinterpret_cast<const uint16_t*>(d.Bitwort1.data());
    const auto* p2 = reinterpret_cast<const uint16_t*>(d.Bitwort2.data());
    const auto* p3 = reinterpret_cast<const uint16_t*>(d.Bitwort3.data());
    const auto* p4 = reinterpret_cast<const uint16_t*>(d.Bitwort4.data());
    const int16_t* imBereich = d.ImBereich.data();
    int16_t* trefferwert = d.Trefferwert.data();
    const int slots = static_cast<int>(std::min({d.Bitwort1.size(), d.Bitwort2.size(),
                                                 d.Bitwort3.size(), d.Bitwort4.size(),
                                                 d.Trefferwert.size(), d.ImBereich.size()}));

    const uint16_t z[3] = {zusatz[0] == 1, zusatz[1] == 1, zusatz[2] == 1};
    Block blk;
    for (int start = 0; start < slots; start += kBlock) {
        int len = std::min(kBlock, slots - start);
        uint16_t* k = blk.klasse;
        uint16_t* kand = blk.kandidat;
        uint16_t n[7];
        const bool endeImBlock = KlassenOhneZusatz(p1 + start, p2 + start, p3 + start, p4 + start,
                                                   imBereich + start, s, z, len, k, kand, n);
        if (endeImBlock) {
            // Only the last block gets here; it is counted again up to the end entry.
            int j = 0;
            while (!IstEnde(p1[start + j], p2[start + j], p3[start + j], p4[start + j])) ++j;
            len = j;
            KlassenOhneZusatz(p1 + start, p2 + start, p3 + start, p4 + start, imBereich + start, s,
                              z, len, k, kand, n);
        }
        for (int c = 0; c < 7; ++c) zaehler[c] += n[c];

        // Bonus check only where it can change the class; candidates are rare, so they are
        // found eight at a time.
        if (zusatzAn) {
            std::memset(kand + len, 0, 8 * sizeof kand[0]);
            for (int j = 0; j < len; j += 8) {
                uint64_t acht[2];
                std::memcpy(acht, kand + j, sizeof acht);
                if ((acht[0] | acht[1]) == 0) continue;
                for (int m = j; m < j + 8 && m < len; ++m) {
                    if (!kand[m] || plus[k[m]][p4[start + m] >> 8] == 0) continue;
                    --zaehler[k[m]];
                    k[m] = static_cast<uint16_t>(k[m] + 4);
                    ++zaehler[k[m]];
                }
            }
        }

        KlassenSchreiben(k, len, trefferwert + start);
        if (endeImBlock) break;
    }
}

void ReihenAuswertenTabellen(const Bitworte& auswahl, Lottodatei& d, Klassenzaehler& zaehler,
                             const Zusatzzahlwertung& zusatz) {
    zaehler.fill(0);
    const auto& bitZahl = Tab().BitZahl;
    const int s1 = auswahl[0] & kNummernbits, s2 = auswahl[1] & kNummernbits,
              s3 = auswahl[2] & kNummernbits, s4 = auswahl[3] & kNummernbits;
    const int slots = static_cast<int>(d.Bitwort1.size());
    for (int i = 0; i < slots; ++i) {
        const int w1 = d.Bitwort1[i], w2 = d.Bitwort2[i], w3 = d.Bitwort3[i], w4 = d.Bitwort4[i];
        if (IstEnde(static_cast<uint16_t>(w1), static_cast<uint16_t>(w2),
                    static_cast<uint16_t>(w3), static_cast<uint16_t>(w4)))
            break;
        if (d.ImBereich[i] != -1) continue;
        int h = bitZahl[w1 & s1] + bitZahl[w2 & s2] + bitZahl[w3 & s3] + bitZahl[(w4 & s4) & 255];
        h = std::min(h, kMaxTreffer);
        int c = h;
        if (SchalterAn(zusatz, h) && ZusatzGewaehlt(Zusatzzahl(d.Zahlen(i)), auswahl)) c = h + 4;
        ++zaehler[c];
        d.Trefferwert[i] = static_cast<int16_t>(c);
    }
}

int32_t GewinnSumme(const Klassenzaehler& z) {
    int32_t s = 0;
    for (int c = 3; c <= 9; ++c) s += z[c];
    return s;
}

int32_t AlleSumme(const Klassenzaehler& z) {
    int32_t s = 0;
    for (int c = 1; c <= 9; ++c) s += z[c];
    return s;
}

int32_t ZahlenSumme(std::span<const int> zahlen) {
    int32_t s = 0;
    for (int n : zahlen) s += n;
    return s;
}

namespace {

// C(n, k) with C(n, 0) = 1, as the walk over the ranks needs it.
int64_t C(int n, int k) {
    if (k == 0) return 1;
    if (n < k || n < 1) return 0;
    return Tab().Binomial[n][k];
}

}  // namespace

int32_t KombiNrBerechnen(std::span<const int> zahlen, int n) {
    const int k = static_cast<int>(zahlen.size());
    if (k < 1 || k > 9 || n < k || n > 49) return 0;
    // A list that is not an ascending combination of 1..n has no rank.
    int vorher = 0;
    for (int a : zahlen) {
        if (a <= vorher || a > n) return 0;
        vorher = a;
    }
    int64_t rang = 0;
    vorher = 0;
    for (int i = 1; i < k; ++i) {
        const int a = zahlen[static_cast<size_t>(i - 1)];
        rang += C(n - vorher, k - i + 1) - C(n - a + 1, k - i + 1);
        vorher = a;
    }
    rang += zahlen[static_cast<size_t>(k - 1)] - vorher;
    return static_cast<int32_t>(rang);
}

void KombinationAusKombiNr(int32_t r, std::span<int> zahlen, int n) {
    const int k = static_cast<int>(zahlen.size());
    if (k < 1 || k > 9 || n < k || n > 49) return;
    // Ranks outside 1..C(n, k) are clamped, so the result is always a valid combination.
    int64_t rest = std::clamp<int64_t>(r, 1, C(n, k));
    int x = 1;
    for (int i = 0; i < k; ++i) {
        // Combinations that start with x at this position: the remaining k-i-1 numbers above x.
        for (;; ++x) {
            const int64_t mit = C(n - x, k - i - 1);
            if (rest <= mit) break;
            rest -= mit;
        }
        zahlen[static_cast<size_t>(i)] = x++;
    }
}

}  // namespace zahlix
