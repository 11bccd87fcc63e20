#pragma once
// The analyses of the determination window without the window: the catalogue, everything one
// run reads, what it hands back, and the single entry the window and the command line call.
//
// Contract: AnalyseAusfuehren never talks to the user (no Meldung, no event pump, no global
// state besides the read-only lookup tables), so the window may call it on its own thread or in
// a worker thread. A refusal comes back as `meldung`; the caller shows it. One call is one
// determination: the repeated analyses (Zufalls-, Gewinn-, Glücks-, Pechzahlen) are called once
// per determination by the caller's cycle, with `ermittlung` counting up.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/bereich.h"
#include "core/lottodatei.h"
#include "determination/zeilen.h"
#include "evaluation/auswertung.h"

namespace zahlix {

// In the order of the window's list.
enum class Analyseart {
    Prognosen,
    Zufallszahlen,
    Gewinnzahlen,
    Glueckszahlen,
    Pechzahlen,
    Summenzahlen,
    Kombinationszahlen,
    Zweierwiederholungen,
    Dreierwiederholungen,
    Viererwiederholungen,
    Fuenferwiederholungen,
    Trefferverteilung,
    Zahlenabstand,
    Zerlegungspruefung,
    Horoskop,
    Treffertabelle,
    Garantiestufe,
};
inline constexpr int kAnzahlAnalysen = 17;

struct Analysekatalogeintrag {
    Analyseart art;
    const char* listentext;  // "Zweierwiederholungen"; also the dispatch key and help key tail
    const char* frage;       // heading text of the window, with its leading blank
};

// All 17 analyses in list order.
const std::array<Analysekatalogeintrag, kAnzahlAnalysen>& Analysekatalog();
const Analysekatalogeintrag& Katalogeintrag(Analyseart art);
// The analysis of a list text (compared exactly), or nothing.
std::optional<Analyseart> AnalyseAusListentext(const std::string& listentext);
// "Menü.Analyse." + list text.
std::string AnalyseHilfethema(Analyseart art);

// The entries of the window's lists, shared with the command line.
const std::array<const char*, 14>& TreffertabellenEintraege();
const std::array<const char*, 6>& PrognoseMethoden();  // cPrognoseart
const std::array<const char*, 12>& Sternzeichen();     // without the "&"
// The number k (3..7) of assumed hits of a hit-table index ("Für 5 Treffer mit 4 Treffer": 5);
// the classes an index compares are TreffertabelleSpalten in determination/treffertabelle.h.
int TreffertabelleK(int index);

// Window texts the logic defines because both faces need them.
inline constexpr const char* kMeldungSechsZahlen =
    "Zuerst müssen 6 Zahlen im Zahlenfeld ausgewählt werden";
inline constexpr const char* kMeldungNichtGenugFreie =
    "Es sind nicht genügend freie Zahlen vorhanden.";
inline constexpr const char* kWarnungBisStop =
    "Sie haben unter Anzahl Ermittlungen 'Bis Stop' gewählt. Bitte beachten Sie, dass die "
    "Kapazität des Systems bei zu vielen Ermittungen überschritten werden kann.";
inline constexpr const char* kMeldungSchliessenLaeuft =
    "Sie können das Modul erst schließen, wenn die laufende Ermittlung beendet wurde";
// "Zuerst müssen mindestens 5 zu zerlegende Zahlen ..." for K = 4.
std::string MeldungZerlegung(int k);
// " 3. Ermittlung", or for "Bis Stop" " Ermittlung bis Stop - 3. Ermittlung".
std::string ErmittlungTitel(int n, bool bisStop);
// "Lotto-Analyse: <list text> - <file>" ("System-Analyse" for a system range).
std::string AnalyseFenstertitel(const std::string& bereichText, Analyseart art,
                                const std::string& dateiname);
// The platform's leading-number conversion of a limit field ("12abc" -> 12, "" -> 0),
// masked to 15 bits (0..32767).
int32_t Grenzwert(const std::string& text);

// The column line of Trefferverteilung for count columns of `breite` (>= 3) characters after
// the six of the year or week; the print derives the width from the list's entries.
std::string TrefferverteilungKopf(size_t breite);

enum class Vergleich { Kleiner = 0, Gleich = 1, Groesser = 2 };

// Everything one run reads. Numbers are 1-based (index n - 1); only 1..groessteZahl of the
// history take part and a locked number never does.
struct AnalyseEingaben {
    Analyseart art = Analyseart::Treffertabelle;
    std::string fenstertitel;         // first line of every block after "* "
    std::string bereichText;          // "* Bereich - " line; "System..." makes it a system
    std::array<bool, 49> markiert{};  // chosen in the number field
    std::array<bool, 49> gesperrt{};  // locked (disabled) numbers
    // "Berücksichtige": kNurTreffer(0..6) — 3T, 4T, 5T, 6T and the bonus switches 3+, 4+, 5+.
    // Only the three bonus switches (4..6) reach the analyses, as the Zusatzzahlwertung of
    // every evaluation; (0..3) are the window's own.
    std::array<bool, 7> beruecksichtige{true, true, true, true, true, true, true};

    // Repeated analyses.
    int ermittlung = 1;    // number of this determination (mixes into the random stream)
    int verwende = 1;      // 1 random numbers, 2 the marked numbers
    int anzahlZahlen = 6;  // cAnzahl(1): numbers per row (also Prognosen), 1..49
    std::array<int32_t, 10> gewinnVon{};  // per class 0..9 (0T..6T, 3+, 4+, 5+)
    std::array<int32_t, 10> gewinnBis{99999, 99999, 99999, 99999, 99999,
                                      99999, 99999, 99999, 99999, 99999};
    int versucheGewinnzahlen = 2000;  // random rows tried before Gewinnzahlen gives up

    // Summen- and Kombinationszahlen.
    int32_t summeVon = 0, summeBis = 300;
    int32_t kombiVon = 1, kombiBis = 13983816;

    // Zweier- to Fünferwiederholungen: limit (masked to 0..32767 here), comparison, and for
    // Vierer/Fünfer the start year (draw history) or start row (system, 1-based).
    int32_t grenze = 0;
    Vergleich vergleich = Vergleich::Groesser;
    int32_t start = 1955;

    int verteilung = 0;                   // Trefferverteilung: 0 per year, 1 per week
    int abstaende = 2;                    // Zahlenabstand: 2..5 gaps must match
    int zerlegung = 2;                    // Zerlegungsprüfung: subsets of 2..5 numbers
    int sternzeichen = 0;                 // Horoskop: 0 Widder .. 11 Fische
    int tag = 1, monat = 1, jahr = 2026;  // Horoskop: the day the numbers are for
    int prognoseart = 1;                  // 1 frequent, 2 overdue, 3 balanced
    int prognoseMethode = 0;              // index of PrognoseMethoden()
    int treffertabelle = 0;               // index of TreffertabellenEintraege()
    int garantieA = 3, garantieB = 3;     // levels (list index + 1)
    bool nurPruefen = false;              // "Nur prüfen, keine fehlenden Reihen listen"

    uint64_t seed = 1;  // the random stream is a function of seed, analysis and ermittlung
};

// What a run hands back. Everything the window shows comes from here.
struct AnalyseErgebnis {
    // A refusal or notice for an information box (nothing ran when `text` is empty).
    std::string meldung;
    // Stop the repeated cycle (too few free numbers, or the stop callback said so).
    bool zyklusBeenden = false;
    bool abgebrochen = false;  // the stop callback ended the run early

    // The result block(s), lines ending in CR LF, to be put in front of the result box.
    std::string text;
    // Whether `text` also goes to the result buffer (the hit table does not).
    bool fuerZwischenspeicher = true;
    // The "Zahlen     :" line(s) of the block, for the duplicate search of the manual
    // result-buffer option; empty when the block has none.
    std::string zahlenzeile;

    // Numbers the window marks afterwards (the proposed row); empty leaves the field alone.
    std::vector<int> vorschlag;
    // Class counters of the last evaluated row, for the hit labels.
    std::optional<Klassenzaehler> zaehler;
    // Final status line text.
    std::string status;

    // The result lists the print transfer reads, one entry per element, each as wide as its
    // column heading: repetitions (lZweier..lFuenfer, " 03 17      12"), Zerlegungsprüfung
    // (lZerlegung(0) in `liste`, lZerlegung(1) in `listeSortiert`), Zahlenabstand (lAbstand),
    // Trefferverteilung (lTreffer, under "       0T 1T 2T 3T 3+ 4T 4+ 5T 5+ 6T").
    std::vector<std::string> liste;
    std::vector<std::string> listeSortiert;
};

struct AnalyseRueckrufe {
    // Asked about every 20 ms while a run goes on; true ends the run (the partial result is
    // kept, `abgebrochen` set). Always called on the calling thread, also while the hit table
    // uses a second core, so a window running the analysis itself may pump events here.
    std::function<bool()> stopp;
    // Status-line progress, at most every ~100 ms, on the calling thread.
    std::function<void(const std::string&)> status;
};

// Runs the analysis e.art over the draws (or system rows) of d that lie in range
// (ImBereich == -1). d is not changed. Never throws for bad input: a refusal comes back in
// `meldung` with empty `text`.
AnalyseErgebnis AnalyseAusfuehren(const Lottodatei& d, const AnalyseEingaben& e,
                                  const AnalyseRueckrufe& r = {});

// What the back-test hands a run in place of the range: the rows before the draw it tests (a
// view into rows read once) and the numbers drawn in them. The run sees no other row, locks
// the numbers not drawn yet, and only proposes: `vorschlag` is set, `text` stays empty.
struct Vorgeschichte {
    std::span<const Zeile> zeilen;
    uint64_t gezogen = 0;
};
AnalyseErgebnis AnalyseAusfuehren(const Lottodatei& d, const AnalyseEingaben& e,
                                  const AnalyseRueckrufe& r, const Vorgeschichte& v);
// The analyses that propose a row to play (and so can be back-tested).
bool SchlaegtReiheVor(Analyseart art);

}  // namespace zahlix
