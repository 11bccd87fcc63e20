#include "systems/lottoschein.h"

#include "core/zahlformat.h"

namespace zahlix {

namespace {

// Three fields across and four down, centred below the header.
constexpr double kRand = 12, kZelle = 6.8, kSpaltenabstand = 63.6, kZeilenabstand = 57;
constexpr double kFelderLinks = 17.6, kFelderOben = 50;
constexpr uint32_t kScheinfarbe = 0xC0392B, kBlass = 0xF2C4BE, kKreuz = 0x102A6B;

void FeldSetzen(Zeichenseite& s, double x, double y, int feld, Reihenmaske reihe,
                int64_t reihennummer, int groessteZahl) {
    const std::string titel = "Feld " + std::to_string(feld) + ": " +
                              (reihe ? "Reihe " + Gruppiert(reihennummer) : std::string("frei"));
    s.texte.push_back({x, y - 2, 8, titel, reihe != 0, Ausrichtung::Links, kScheinfarbe});
    const uint32_t linie = reihe ? kScheinfarbe : kBlass;
    s.rechtecke.push_back({x, y, 7 * kZelle, 7 * kZelle, 0.45, linie, std::nullopt});
    for (int i = 1; i < 7; ++i) {
        s.linien.push_back({x + i * kZelle, y, x + i * kZelle, y + 7 * kZelle, 0.15, linie});
        s.linien.push_back({x, y + i * kZelle, x + 7 * kZelle, y + i * kZelle, 0.15, linie});
    }
    for (int z = 1; z <= std::min(groessteZahl, 49); ++z) {
        const double zx = x + (z - 1) % 7 * kZelle, zy = y + (z - 1) / 7 * kZelle;
        s.texte.push_back({zx + kZelle / 2, zy + kZelle * 0.68, 7, std::to_string(z), false,
                           Ausrichtung::Mitte, linie});
        if (!(reihe >> (z - 1) & 1)) continue;
        constexpr double e = 0.9;  // the cross stays inside its cell
        s.linien.push_back({zx + e, zy + e, zx + kZelle - e, zy + kZelle - e, 0.7, kKreuz});
        s.linien.push_back({zx + kZelle - e, zy + e, zx + e, zy + kZelle - e, 0.7, kKreuz});
    }
}

}  // namespace

int Scheinanzahl(std::size_t reihen) {
    return static_cast<int>((reihen + kFelderProSchein - 1) / kFelderProSchein);
}

Zeichenseite LottoscheinSetzen(std::span<const Reihenmaske> reihen, const Scheinangaben& a, int n) {
    Zeichenseite s;
    const int scheine = Scheinanzahl(reihen.size());
    const std::size_t erste = static_cast<std::size_t>(n) * kFelderProSchein;
    const std::size_t anzahl =
        std::min<std::size_t>(kFelderProSchein, reihen.size() - std::min(erste, reihen.size()));
    const int64_t von = a.ersteReihe + static_cast<int64_t>(erste);
    s.rechtecke.push_back({kRand, kRand, s.breite - 2 * kRand, 30, 0.6, kScheinfarbe, 0xFDF1EF});
    s.texte.push_back({kRand + 4, kRand + 9, 16, "Lottoschein 6 aus 49", true});
    s.texte.push_back({kRand + 4, kRand + 17, 11, "System: " + a.name});
    s.texte.push_back({kRand + 4, kRand + 24, 11,
                       "Reihen " + Gruppiert(von) + " - " +
                           Gruppiert(von + static_cast<int64_t>(anzahl) - 1) + " von " +
                           Gruppiert(a.systemreihen)});
    s.texte.push_back({s.breite - kRand - 4, kRand + 9, 11,
                       "Schein " + Gruppiert(n + 1) + " von " + Gruppiert(scheine), false,
                       Ausrichtung::Rechts});
    for (int f = 0; f < kFelderProSchein; ++f) {
        const double x = kFelderLinks + f % 3 * kSpaltenabstand;
        const double y = kFelderOben + f / 3 * kZeilenabstand;
        const bool belegt = static_cast<std::size_t>(f) < anzahl;
        FeldSetzen(s, x, y, f + 1, belegt ? reihen[erste + static_cast<std::size_t>(f)] : 0,
                   von + f, a.groessteZahl);
    }
    s.texte.push_back({kRand, s.hoehe - kRand, 7,
                       "Zahlix - Scheinvorlage zum Übertragen, kein amtlicher Spielschein", false,
                       Ausrichtung::Links, 0x666666});
    return s;
}

std::vector<Zeichenseite> LottoscheineSetzen(std::span<const Reihenmaske> reihen,
                                             const Scheinangaben& a) {
    std::vector<Zeichenseite> seiten;
    for (int n = 0; n < Scheinanzahl(reihen.size()); ++n)
        seiten.push_back(LottoscheinSetzen(reihen, a, n));
    return seiten;
}

std::string Druckbereichfehler(int64_t von, int64_t bis, int64_t gesamt) {
    if (gesamt <= 0) return "Das System enthält keine Reihe.";
    if (von < 1 || bis > gesamt || von > bis)
        return "Der Reihenbereich " + Gruppiert(von) + " - " + Gruppiert(bis) +
               " liegt nicht im System mit " + Gruppiert(gesamt) + " Reihen.";
    if ((bis - von) / kFelderProSchein + 1 > kMaxScheine)
        return "Es lassen sich höchstens " + Gruppiert(kMaxScheine) + " Scheine (" +
               Gruppiert(int64_t{kMaxScheine} * kFelderProSchein) +
               " Reihen) auf einmal drucken. Bitte wählen Sie einen kleineren Reihenbereich.";
    return {};
}

}  // namespace zahlix
