#include "systems/verkuerzung.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/zahlformat.h"
#include "determination/teilmengen.h"
#include "systems/schranken.h"
#include "systems/suchkette.h"

namespace zahlix {

namespace {

// Work of a search without time limit (moves times the rows and ranks each looks at): about
// half a minute on one core of a desktop computer of 2020.
constexpr int64_t kArbeit = 7'000'000'000;
constexpr int64_t kOhneGrenze = int64_t{1} << 60;
// Every chain keeps 12 bytes per m-subset; above this many one chain runs alone (C(49, 6) then
// takes 170 MB).
constexpr int64_t kZweiKetten = 4'000'000;

constexpr const char* kCrLfText = "\r\n";

std::string Zweistellig(int z) {
    return z < 10 ? "0" + std::to_string(z) : std::to_string(z);
}

std::string ZahlenListe(uint64_t maske) {
    std::string s;
    for (int z = 1; z <= 49; ++z)
        if ((maske >> (z - 1)) & 1) s += (s.empty() ? "" : " ") + Zweistellig(z);
    return s;
}

std::string Sekundentext(double s) {
    const int64_t zehntel = static_cast<int64_t>(s * 10 + 0.5);
    return Gruppiert(zehntel / 10) + "," + std::to_string(zehntel % 10) + " s";
}

std::string Kopftext(const Verkuerzungsauftrag& a, const Verkuerzungsergebnis& e) {
    const int n = static_cast<int>(a.zahlen.size());
    const auto& reihen = e.system.reihen;
    std::string t = std::string("* Verkürztes System") + kCrLfText;
    uint64_t gewaehlt = 0;
    for (int z : a.zahlen) gewaehlt |= uint64_t{1} << (z - 1);
    t += "* Zahlen     : " + ZahlenListe(gewaehlt) + kCrLfText;
    t += "* Garantie   :" + Str(a.t) + " aus" + Str(a.m) + ", bei " + std::to_string(a.m) +
         " Richtigen unter den " + std::to_string(n) + " Zahlen" + kCrLfText +
         "*              mindestens " + std::to_string(a.t) + " Richtige in einer Reihe" +
         kCrLfText;
    if (a.zufallsbelegung) t += std::string("* Belegung   : in zufälliger Reihenfolge") + kCrLfText;
    t += "* Reihen     :" + Str(static_cast<int64_t>(reihen.size())) + " (Startsystem" +
         Str(e.gierig) + ")" + kCrLfText;
    t += "* Schranke   :" + Str(e.schranke) + " Reihen (" + SchrankenName(n, a.t, a.m) + ")" +
         kCrLfText;
    if (e.bekannt)
        t += "* Bekannt    :" + Str(*e.bekannt) + " Reihen (kleinstes veröffentlichtes System)" +
             kCrLfText;
    t += "* Suche      : Startwert " + std::to_string(a.seed) + ", " + Sekundentext(e.sekunden) +
         (e.zielErreicht  ? ", Ziel erreicht"
          : e.abgebrochen ? ", abgebrochen - das beste System bis dahin"
                          : ", Aufwand erschöpft") +
         kCrLfText;
    t += "* Garantiestufe" + Str(a.t) + " aus" + Str(a.m) + " mit" + Str(n) + " Systemzahlen und" +
         Str(static_cast<int64_t>(reihen.size())) +
         " Reihen: " + GarantieUrteil(e.pruefung, n, a.m, a.t);
    return t;
}

std::string Reihentext(const std::vector<Reihenmaske>& reihen) {
    std::string t;
    constexpr size_t kListe = 1000;
    for (size_t i = 0; i < reihen.size() && i < kListe; ++i)
        t += ZahlRechts6(static_cast<int16_t>(std::min<size_t>(i + 1, 32767))) + ": " +
             ZahlenListe(reihen[i]) + kCrLfText;
    if (reihen.size() > kListe)
        t += "... und" + Str(static_cast<int64_t>(reihen.size() - kListe)) + " weitere Reihen" +
             kCrLfText;
    return t + std::string(80, '-') + kCrLfText;
}

}  // namespace

std::optional<std::string> VerkuerzungPruefen(const Verkuerzungsauftrag& a) {
    std::array<bool, 50> gesehen{};
    for (int z : a.zahlen) {
        if (z < 1 || z > 49) return "Die Zahl " + std::to_string(z) + " liegt nicht in 1 bis 49.";
        if (gesehen[static_cast<size_t>(z)])
            return "Die Zahl " + std::to_string(z) + " ist mehrfach gewählt.";
        gesehen[static_cast<size_t>(z)] = true;
    }
    const int n = static_cast<int>(a.zahlen.size());
    if (n <= 6)
        return "Ein verkürztes System braucht mindestens 7 Zahlen; gewählt " +
               std::string(n == 1 ? "ist 1 Zahl." : "sind " + std::to_string(n) + " Zahlen.");
    if (a.m > 6) return "Es werden nur 6 Zahlen gezogen: m darf höchstens 6 sein.";
    if (a.t < 2 || a.t > 5)
        return std::string("Eine Reihe kann 2 bis 5 Richtige garantieren (t = 2 bis 5).");
    if (a.t > a.m)
        return "Unter " + std::to_string(a.m) + " Richtigen lassen sich nicht " +
               std::to_string(a.t) + " Richtige garantieren: t darf nicht größer als m sein.";
    if (a.sekunden && *a.sekunden <= 0)
        return std::string("Die Zeitgrenze muss mindestens 1 Sekunde betragen.");
    if (a.hoechstens) {
        const int64_t s = UntereSchranke(n, a.t, a.m);
        if (*a.hoechstens < s)
            return "Mit höchstens " + std::to_string(*a.hoechstens) +
                   " Reihen gibt es kein solches System: es braucht mindestens " +
                   std::to_string(s) + " Reihen (untere Schranke nach " +
                   SchrankenName(n, a.t, a.m) + ").";
    }
    return std::nullopt;
}

Verkuerzungsergebnis SystemVerkuerzen(const Verkuerzungsauftrag& a,
                                      const Verkuerzungsrueckrufe& r) {
    Verkuerzungsergebnis e;
    if (auto f = VerkuerzungPruefen(a)) {
        e.meldung = *f;
        return e;
    }
    std::vector<int> zahlen = a.zahlen;
    std::sort(zahlen.begin(), zahlen.end());
    const int n = static_cast<int>(zahlen.size());
    const Garantieaufgabe aufgabe{n, a.t, a.m};
    e.schranke = UntereSchranke(n, a.t, a.m);
    e.bekannt = BekannteGroesse(n, a.t, a.m);
    const int ziel = a.hoechstens
                         ? *a.hoechstens
                         : static_cast<int>(std::max<int64_t>(e.schranke, e.bekannt.value_or(0)));

    const auto anfang = std::chrono::steady_clock::now();
    const int ketten = Bin(n, a.m) > kZweiKetten ? 1 : 2;
    Suchsignale signale;
    std::array<Kettenstand, 2> staende;
    std::array<Kettenergebnis, 2> ergebnisse;
    int fertig = 0;
    std::mutex mutex;
    std::condition_variable ende;
    std::vector<std::thread> faeden;
    Zufall saat(a.seed);
    for (int c = 0; c < ketten; ++c) {
        Kettenauftrag k;
        k.aufgabe = aufgabe;
        k.ziel = ziel;
        k.seed = saat.Naechste();
        k.index = c;
        k.ketten = ketten;
        // A time limit replaces the fixed effort: the whole time is used.
        k.arbeit = a.arbeit > 0 ? a.arbeit : a.sekunden ? kOhneGrenze : kArbeit;
        if (a.sekunden) k.frist = anfang + std::chrono::seconds(*a.sekunden);
        faeden.emplace_back([k, c, &signale, &staende, &ergebnisse, &fertig, &mutex, &ende] {
            ergebnisse[static_cast<size_t>(c)] =
                KetteLaufen(k, signale, staende[static_cast<size_t>(c)]);
            const std::lock_guard<std::mutex> sperre(mutex);
            ++fertig;
            ende.notify_one();
        });
    }
    const auto vergangen = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    };
    auto gemeldet = anfang;
    for (;;) {
        {
            std::unique_lock<std::mutex> sperre(mutex);
            if (ende.wait_for(sperre, std::chrono::milliseconds(20),
                              [&] { return fertig == ketten; }))
                break;
        }
        if (r.stopp && r.stopp()) signale.stopp = true;
        if (r.fortschritt &&
            std::chrono::steady_clock::now() - gemeldet >= std::chrono::milliseconds(100)) {
            gemeldet = std::chrono::steady_clock::now();
            Suchfortschritt f;
            f.sekunden = vergangen();
            for (const Kettenstand& s : staende) {
                const int b = s.beste.load(), laufend = s.reihen.load();
                if (b > 0 && (f.beste == 0 || b < f.beste)) f.beste = b;
                if (laufend > 0 && (f.reihen == 0 || laufend < f.reihen))
                    f.reihen = laufend, f.offen = s.offen.load();
            }
            r.fortschritt(f);
        }
    }
    for (std::thread& f : faeden) f.join();
    e.sekunden = vergangen();

    const Kettenergebnis* beste = nullptr;
    for (int c = 0; c < ketten; ++c) {
        const Kettenergebnis& k = ergebnisse[static_cast<size_t>(c)];
        if (!k.beste.empty() && (!beste || k.beste.size() < beste->beste.size())) beste = &k;
    }
    if (!beste) {
        e.meldung =
            "Die Suche wurde beendet, bevor ein vollständiges System gefunden war; "
            "es gibt kein Ergebnis.";
        e.abgebrochen = true;
        return e;
    }
    e.gierig = beste->gierig;
    e.zielErreicht = static_cast<int>(beste->beste.size()) <= ziel;
    e.abgebrochen =
        !e.zielErreicht && (signale.stopp.load() || (a.sekunden && vergangen() >= *a.sekunden));

    // The points become the numbers, ascending or in a random order drawn from the seed.
    std::vector<int> belegung = zahlen;
    if (a.zufallsbelegung) {
        Zufall z(a.seed ^ 0x5851F42D4C957F2Du);
        for (size_t i = belegung.size(); i > 1; --i)
            std::swap(belegung[i - 1], belegung[Wahl(z, static_cast<uint32_t>(i))]);
    }
    for (uint64_t punkte : beste->beste) {
        Reihenmaske reihe = 0;
        for (; punkte != 0; punkte &= punkte - 1)
            reihe |= Reihenmaske{1}
                     << (belegung[static_cast<size_t>(std::countr_zero(punkte))] - 1);
        e.system.reihen.push_back(reihe);
    }
    e.pruefung = GarantiePruefen(zahlen, e.system.reihen, a.m, a.t);
    if (e.pruefung.fehlend != 0) {
        e.meldung = "Interner Fehler: das gefundene System besteht die Garantieprüfung nicht (" +
                    Gruppiert(e.pruefung.fehlend) + " Kombinationen ohne Reihe mit " +
                    std::to_string(a.t) + " Treffern). Es wird nicht angeboten.";
        e.system.reihen.clear();
        return e;
    }
    e.kopf = Kopftext(a, e);
    e.text = e.kopf + Reihentext(e.system.reihen);
    return e;
}

}  // namespace zahlix
