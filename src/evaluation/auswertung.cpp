#include "evaluation/auswertung.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/tabellen.h"

#if defined(__GNUC__) || defined(_MSC_VER)
#define ZAHLIX_RESTRICT __restrict
#else
#define ZAHLIX_RESTRICT
#endif

// The block loops are written for the vectoriser; where the toolchain can pick a clone at load
// time, an AVX2 clone doubles the lanes. Elsewhere the portable build runs as it is.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define ZAHLIX_VEKTOR __attribute__((target_clones("avx2", "default")))
#else
#define ZAHLIX_VEKTOR
#endif

namespace zahlix {

namespace {

// Bits 7 and 15 never carry a number; masking them keeps table indices inside 0..32766 even
// for a corrupt draw.
constexpr uint16_t kNummernbits = 0x7F7F;

// A corrupt draw may carry more than six numbers; it counts as a full hit, never as a bonus
// class and never outside the ten counters.
constexpr uint16_t kMaxTreffer = 6;

bool SchalterAn(const Zusatzzahlwertung& z, int h) { return h >= 3 && h <= 5 && z[h - 3] == 1; }

bool ZusatzGewaehlt(int b, const Bitworte& s) { return ZusatzzahlVorhanden(b) && ZahlGesetzt(b, s); }

bool IstEnde(uint16_t w1, uint16_t w2, uint16_t w3, uint16_t w4) {
    return (w1 | w2 | w3 | (w4 & 0xFF)) == 0;
}

// 240 draws per block: every per-block count fits in a byte.
constexpr int kBlock = 240;

// Marks a draw out of range; above every class, so the bonus step can never reach it.
constexpr uint8_t kAusserhalb = 16;

// All ones for true: the lane mask a vector compare yields.
inline uint16_t Maske(bool b) { return static_cast<uint16_t>(-static_cast<int>(b)); }

// Bytes 3..5 of eight classes (each below 23) as their bit 7: v + 125 reaches 128 from 3 on,
// v + 122 from 6 on; no byte carries into the next.
inline uint64_t DreiBisFuenf(uint64_t acht) {
    constexpr uint64_t kEins = 0x0101010101010101u;
    return (acht + 125 * kEins) & ~(acht + 122 * kEins) & (0x80 * kEins);
}

// Index in memory order of the lowest flagged byte of a word loaded with memcpy.
inline int ByteNummer(uint64_t flags) {
    const int n = std::countr_zero(flags) / 8;
    return std::endian::native == std::endian::little ? n : 7 - n;
}

// Classes of len draws without the bonus step, in 16-bit lanes (SWAR popcount). Every byte of
// a word holds at most seven number bits, so after the nibble step two words add without a
// carry and the byte sums of all four stay below 256. With at most 15 selected numbers no
// nibble sum of all four words can carry, so the four words are added at once. Draws out of
// range get 16 or more. Returns whether the block holds the empty end entry.
template <bool kHoechstens15>
ZAHLIX_VEKTOR bool KlassenOhneZusatz(const uint16_t* ZAHLIX_RESTRICT p1, const uint16_t* ZAHLIX_RESTRICT p2,
                       const uint16_t* ZAHLIX_RESTRICT p3, const uint16_t* ZAHLIX_RESTRICT p4,
                       const int16_t* ZAHLIX_RESTRICT ir, const uint16_t s[4],
                       int len, uint8_t* ZAHLIX_RESTRICT k) {
    const uint16_t s1 = s[0], s2 = s[1], s3 = s[2], s4 = s[3];
    uint16_t leer = 0;
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
        uint16_t h;
        if constexpr (kHoechstens15) {
            const uint16_t sum = static_cast<uint16_t>(a + b + c + d);
            h = static_cast<uint16_t>(static_cast<uint16_t>(sum * 0x1111u) >> 12);
        } else {
            uint16_t x = static_cast<uint16_t>(a + b);
            uint16_t y = static_cast<uint16_t>(c + d);
            x = static_cast<uint16_t>((x & 0x0F0F) + ((x >> 4) & 0x0F0F));
            y = static_cast<uint16_t>((y & 0x0F0F) + ((y >> 4) & 0x0F0F));
            const uint16_t sum = static_cast<uint16_t>(x + y);
            h = static_cast<uint16_t>((sum + (sum >> 8)) & 0xFF);
        }
        // Saturating clamp to six hits: one subtract each, no compare and blend.
        const uint16_t zuviel = h > kMaxTreffer ? static_cast<uint16_t>(h - kMaxTreffer) : 0;
        const uint16_t aus = static_cast<uint16_t>(~Maske(ir[j] == -1) & kAusserhalb);
        k[j] = static_cast<uint8_t>((h - zuviel) | aus);
        // Shifting drops the bonus byte of the fourth word.
        leer = static_cast<uint16_t>(leer | Maske((w1 | w2 | w3 | static_cast<uint16_t>(w4 << 8)) == 0));
    }
    return leer != 0;
}

// Adds the classes of a block to the counters; byte lanes, 16 draws per compare.
ZAHLIX_VEKTOR void Zaehlen(const uint8_t* ZAHLIX_RESTRICT k, int len, Klassenzaehler& zaehler) {
    uint8_t n0 = 0, n1 = 0, n2 = 0, n3 = 0, n4 = 0, n5 = 0, n6 = 0, n7 = 0, n8 = 0, n9 = 0;
    for (int j = 0; j < len; ++j) {
        const uint8_t c = k[j];
        n0 = static_cast<uint8_t>(n0 + (c == 0));
        n1 = static_cast<uint8_t>(n1 + (c == 1));
        n2 = static_cast<uint8_t>(n2 + (c == 2));
        n3 = static_cast<uint8_t>(n3 + (c == 3));
        n4 = static_cast<uint8_t>(n4 + (c == 4));
        n5 = static_cast<uint8_t>(n5 + (c == 5));
        n6 = static_cast<uint8_t>(n6 + (c == 6));
        n7 = static_cast<uint8_t>(n7 + (c == 7));
        n8 = static_cast<uint8_t>(n8 + (c == 8));
        n9 = static_cast<uint8_t>(n9 + (c == 9));
    }
    const uint8_t n[10] = {n0, n1, n2, n3, n4, n5, n6, n7, n8, n9};
    for (int c = 0; c < 10; ++c) zaehler[static_cast<size_t>(c)] += n[c];
}

// Writes the classes of the draws in range; the others keep theirs.
ZAHLIX_VEKTOR void KlassenSchreiben(const uint8_t* ZAHLIX_RESTRICT k, int len, int16_t* ZAHLIX_RESTRICT tw) {
    for (int j = 0; j < len; ++j) {
        const int16_t c = k[j];
        tw[j] = c >= kAusserhalb ? tw[j] : c;
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
    // Whether bonus byte b is a selected number; 0 and values above 49 never are.
    uint8_t gewaehlt[256];
    for (int b = 0; b < 256; ++b) gewaehlt[b] = ZusatzGewaehlt(b, auswahl) ? 1 : 0;
    const bool zusatzAn = zusatz[0] == 1 || zusatz[1] == 1 || zusatz[2] == 1;
    const uint8_t schalter[3] = {zusatz[0] == 1, zusatz[1] == 1, zusatz[2] == 1};

    const auto* p1 = reinterpret_cast<const uint16_t*>(d.Bitwort1.data());
    const auto* p2 = reinterpret_cast<const uint16_t*>(d.Bitwort2.data());
    const auto* p3 = reinterpret_cast<const uint16_t*>(d.Bitwort3.data());
    const auto* p4 = reinterpret_cast<const uint16_t*>(d.Bitwort4.data());
    const int16_t* imBereich = d.ImBereich.data();
    int16_t* trefferwert = d.Trefferwert.data();
    const int slots = static_cast<int>(std::min({d.Bitwort1.size(), d.Bitwort2.size(),
                                                 d.Bitwort3.size(), d.Bitwort4.size(),
                                                 d.Trefferwert.size(), d.ImBereich.size()}));

    const int anzahl = std::popcount(s[0]) + std::popcount(s[1]) + std::popcount(s[2]) +
                       std::popcount(s[3]);
    const auto klassen = anzahl <= 15 ? KlassenOhneZusatz<true> : KlassenOhneZusatz<false>;
    // The block's classes live on the stack: the engine allocates nothing.
    alignas(64) uint8_t klasse[kBlock + 16];
    for (int start = 0; start < slots; start += kBlock) {
        int len = std::min(kBlock, slots - start);
        uint8_t* k = klasse;
        const bool endeImBlock =
            klassen(p1 + start, p2 + start, p3 + start, p4 + start, imBereich + start, s, len, k);
        if (endeImBlock) {
            int j = 0;
            while (!IstEnde(p1[start + j], p2[start + j], p3[start + j], p4[start + j])) ++j;
            len = j;
        }

        // Bonus check only where it can change the class (3..5 hits); such draws are rare, so
        // they are found sixteen at a time.
        if (zusatzAn) {
            std::memset(k + len, kAusserhalb, 16);
            for (int j = 0; j < len; j += 16) {
                uint64_t acht[2];
                std::memcpy(acht, k + j, sizeof acht);
                const uint64_t flags[2] = {DreiBisFuenf(acht[0]), DreiBisFuenf(acht[1])};
                if ((flags[0] | flags[1]) == 0) continue;
                // Walks only the flagged bytes; the upgrade itself is branch-free because
                // whether the bonus number is selected is a coin toss for the predictor.
                for (int h = 0; h < 2; ++h) {
                    for (uint64_t m = flags[h]; m != 0; m &= m - 1) {
                        const int i = j + 8 * h + ByteNummer(m);
                        const int c = k[i];
                        const int hoch = schalter[c - 3] & gewaehlt[p4[start + i] >> 8];
                        k[i] = static_cast<uint8_t>(c + 4 * hoch);
                    }
                }
            }
        }

        Zaehlen(k, len, zaehler);
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
        h = std::min<int>(h, kMaxTreffer);
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
