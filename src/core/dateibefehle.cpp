#include "core/dateibefehle.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <utility>

#include "app/port.h"
#include "app/programm.h"
#include "core/atomare_datei.h"
#include "core/bereich.h"
#include "core/dateiname.h"
#include "core/dateisperre.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "core/neue_lottodatei.h"
#include "core/systemfehler.h"
#include "core/zahlen.h"
#include "systems/system_lottodatei.h"

namespace zahlix {

namespace {

template <typename F, typename... A>
void Rufen(const F& f, A&&... a) {
    if (f) f(std::forward<A>(a)...);
}

// The range that spans the whole history, with impossible values brought into bounds.
void BereichUeberHistorie(const Lottodatei& d) {
    const int letzter = std::clamp<int>(d.LetzterIndex, 0, kSlots - 1);
    auto woche = [&](int i) { return std::clamp(WocheAus(d.WocheKennung[i]), 1, 53); };
    auto jahr = [&](int i) {
        const int j = JahrAusJahrCode(d.JahrCode[i]);
        return j == 0 ? 1900 : j;
    };
    const int jv = jahr(0);
    AuswertebereichSetzen(woche(0), jv, woche(letzter), std::max(jahr(letzter), jv));
}

// The first word of a .ZX7 file; without it the file is no lottery file at all.
bool Zx7Kennzeichen(const std::filesystem::path& pfad) {
    // A device or pipe would keep reading here forever; the loader refuses it with its reason.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(pfad, ec) || DateinameUnzulaessig(pfad)) return true;
    std::ifstream in(pfad, std::ios::binary);
    unsigned char b[2] = {};
    in.read(reinterpret_cast<char*>(b), 2);
    return in.gcount() == 2 && (b[0] | b[1] << 8) == 23128;
}

}  // namespace

DateiBefehle::DateiBefehle(Lottodatei& d, DateiFensterRueckrufe r) : d_(d), r_(std::move(r)) {}

void DateiBefehle::Status(const std::string& text) const {
    Rufen(r_.statuszeileSetzen, text);
}

int16_t DateiBefehle::LottodateiOeffnen() {
    Status(" Lade Lottodatei ...");
    std::string name;
    const bool uebergeben = !Programm().uebergabeDatei.empty();
    if (uebergeben) {
        name = Programm().uebergabeDatei;
        Programm().uebergabeDatei.clear();
    } else {
        name = DateiAuswaehlen("*.ZX7;*.ZX6;*.AS7;*.ZS4;*.ZS3;*.TXT",
                               "Lotto-Auswertung - Datei öffnen");
    }
    const bool gewaehlt = !name.empty();
    const bool ohneHistorie = d_.Dateiname.empty() || d_.WocheKennung[0] == 0;
    // Said only where the window has a history to keep; at start-up there is none yet.
    const std::string bleibt =
        ohneHistorie ? "" : "\r\nDie bisherigen Lottodaten bleiben geöffnet.";
    int16_t ergebnis = -1;
    Beschaeftigt(-1);
    if (gewaehlt) {
        std::error_code ec;
        const std::filesystem::path pfad = PfadVonName(name);
        if (!std::filesystem::exists(pfad, ec)) {
            // A missing start file is normal; the empty history follows without a word.
            if (!(uebergeben && ohneHistorie))
                Meldung("Die Datei " + name + " wurde nicht gefunden." + bleibt, flags::Ausruf,
                        kModulLottoAuswertung);
        } else if (SystemformatAus(name)) {
            ergebnis = SystemLaden(name, bleibt);
        } else if (!Lesbar(FormatAusName(name))) {
            Meldung(name + " ist kein gültiger Lotto-Dateiname!", flags::Information,
                    kModulLottoAuswertung);
        } else if (FormatAusName(name) == Lottoformat::ZX7 && !Zx7Kennzeichen(pfad)) {
            Meldung("Die Datei " + name +
                        " ist keine Lottodatei: das Kennzeichen am Dateianfang fehlt." + bleibt,
                    flags::Ausruf, kModulLottoAuswertung);
        } else {
            // Loaded aside, so a file that fails leaves the window's history as it was.
            try {
                Lottodatei neu;
                ergebnis = LottodateiLaden(name, neu, 0);
                if (ergebnis == 0) {
                    neu.Trefferanzeige = d_.Trefferanzeige;
                    d_ = std::move(neu);
                    d_.Dateiname = name;
                    d_.Stand = DateistandLesen(name);
                }
            } catch (const std::bad_alloc&) {
                Meldung(SpeichermangelText(name), flags::Kritisch, kModulLottoAuswertung);
            }
        }
    }
    Beschaeftigt(0);
    const bool zuruecksetzen = ergebnis != 0 && ohneHistorie;
    if (zuruecksetzen) {
        LeereLottodateiAnlegen(d_);
        Rufen(r_.auswahlLeeren);
        Rufen(r_.zahlenFreigeben, 49);
    }
    // A new history starts with all its draws in range (a loaded system has its row range
    // already); a kept one keeps its range, so the range line and the counters go on
    // describing the same draws.
    if (!IstSystem(d_) && (ergebnis == 0 || zuruecksetzen || d_.Titel.empty())) {
        BereichUeberHistorie(d_);
        d_.Titel = BereichText();
    } else {
        BereichTextLesen(d_.Titel);
    }
    Rufen(r_.zahlenFreigeben, static_cast<int>(d_.GroessteZahl));
    // A cancelled dialog or a refused file leaves the history as it was, changes included.
    if (ergebnis == 0 || zuruecksetzen) d_.Geaendert = false;
    Rufen(r_.auswerten);
    Rufen(r_.titelZeichnen);
    return ergebnis;
}

int16_t DateiBefehle::SystemLaden(const std::string& name, const std::string& bleibt) {
    Tippsystem s;
    Lottodatei neu;
    neu.Trefferanzeige = d_.Trefferanzeige;
    std::string fehler;
    if (!SystemLesen(PfadVonName(name), s, fehler) || !SystemInLottodatei(s, name, neu, fehler)) {
        Meldung(fehler + bleibt, flags::Ausruf, kModulLottoAuswertung);
        return -1;
    }
    neu.Stand = DateistandLesen(name);
    d_ = std::move(neu);
    return 0;
}

bool DateiBefehle::AusserhalbGeaendertFragen() const {
    if (d_.Stand.name.empty() || d_.Stand.name != d_.Dateiname) return true;
    const Dateistand jetzt = DateistandLesen(d_.Dateiname);
    return jetzt.name.empty() || jetzt == d_.Stand ||
           Meldung(d_.Dateiname + "\r" +
                       "Die Datei wurde außerhalb von Zahlix geändert. Trotzdem speichern?",
                   flags::Ausruf + flags::JaNein + flags::Zweiter, kModulLottoAuswertung) == kJa;
}

int16_t DateiBefehle::SystemSchreibenFragen() {
    if (!AusserhalbGeaendertFragen()) return -1;
    std::string fehler;
    Beschaeftigt(-1);
    const bool ok = SystemSchreiben(PfadVonName(d_.Dateiname), SystemAusLottodatei(d_), fehler);
    Beschaeftigt(0);
    if (!ok) {
        Meldung(fehler, flags::Ausruf, kModulLottoAuswertung);
        return -1;
    }
    d_.Geaendert = false;
    d_.Stand = DateistandLesen(d_.Dateiname);
    return 0;
}

int16_t DateiBefehle::Schreiben() {
    // Held from the check to the rename, so no other Zahlix writer slips in between.
    std::string fehler;
    Dateisperre sperre;
    if (!ZumSchreibenSperren(PfadVonName(d_.Dateiname), sperre, fehler)) {
        Meldung(fehler, flags::Ausruf, kModulLottoAuswertung);
        return -1;
    }
    if (!AusserhalbGeaendertFragen()) return -1;
    Beschaeftigt(-1);
    const int16_t e = LottodateiSchreiben(d_.Dateiname, d_);
    Beschaeftigt(0);
    // The window keeps a .ZX7 name, and an export to the loaded file's own name is that file.
    if (e == 0 &&
        (FormatAusName(d_.Dateiname) == Lottoformat::ZX7 || d_.Stand.name == d_.Dateiname))
        d_.Stand = DateistandLesen(d_.Dateiname);
    return e;
}

int16_t DateiBefehle::Speichern(const std::string& zurueck) {
    const std::string status = r_.statuszeileLesen ? r_.statuszeileLesen() : std::string{};
    Status(" Datei wird gespeichert ...");
    const Lottoformat format = FormatAusName(d_.Dateiname);
    const bool system = IstSystem(d_);
    int16_t e = -1;
    auto nachFrage = [&](const std::string& text, int fl) {
        if (Meldung(text, fl, kModulLottoAuswertung) == kOK) e = Schreiben();
    };
    // Every system format keeps all rows, so a system window takes the name it saved under.
    if (system) e = SystemSchreibenFragen();
    switch (system ? Lottoformat::Unbekannt : format) {
        case Lottoformat::ASC:
            nachFrage(
                "Im ASC-Format werden nur die 6 Zahlen der Ziehung gespeichert!\r\n"
                "Die ASC-Datei kann mit der System-Auswertung geöffnet werden.",
                flags::Information + flags::OKAbbrechen);
            break;
        case Lottoformat::AS7:
            e = Schreiben();
            break;
        case Lottoformat::ZX6:
            nachFrage("Im alten ZX6-Format werden keine Kennungen gespeichert!",
                      flags::OKAbbrechen);
            break;
        case Lottoformat::ZX7:
            e = Schreiben();
            if (e == 0) d_.Geaendert = false;
            break;
        case Lottoformat::ZXT:
            nachFrage("Im ZXT-Format werden nur die 7 Zahlen der Ziehung gespeichert!",
                      flags::OKAbbrechen);
            break;
        case Lottoformat::Unbekannt:
            if (system) break;
            Meldung(d_.Dateiname + " ist kein gültiger Lotto-Dateiname!", flags::Information,
                    kModulLottoAuswertung);
            break;
    }
    const std::string geschrieben = TextAusPfad(PfadVonName(d_.Dateiname).filename());
    // Exports and failed writes do not rename the open history.
    if (!((format == Lottoformat::ZX7 || system) && e == 0)) d_.Dateiname = zurueck;
    Rufen(r_.titelZeichnen);
    Status(status);
    if (e == 0) Rufen(r_.kurzmeldung, " Gespeichert: " + geschrieben);
    return e;
}

int16_t DateiBefehle::LottodateiSpeichern() {
    return Speichern(d_.Dateiname);
}

void DateiBefehle::LeereLottodatei() {
    LeereLottodateiAnlegen(d_);
    Rufen(r_.auswahlLeeren);
    Rufen(r_.zahlenFreigeben, 49);
    Rufen(r_.titelZeichnen);
    Rufen(r_.auswerten);
    Rufen(r_.titelZeichnen);
}

bool DateiBefehle::NeueLottodatei(const std::string& name, int groessteZahl, int woche, int jahr) {
    if (!AenderungenSichern()) return false;
    NeueLottodateiAnlegen(d_, name, groessteZahl, woche, jahr);
    Rufen(r_.auswahlLeeren);
    Rufen(r_.zahlenFreigeben, static_cast<int>(d_.GroessteZahl));
    Rufen(r_.titelZeichnen);
    Rufen(r_.auswerten);
    Rufen(r_.titelZeichnen);
    return true;
}

void DateiBefehle::mDateiOeffnen() {
    if (!AenderungenSichern()) return;
    LottodateiOeffnen();
}

void DateiBefehle::mDateiSpeichern() {
    if (!d_.Geaendert &&
        Meldung(d_.Dateiname + "\r" + "Daten wurden nicht geändert. Trotzdem speichern?",
                flags::Information + flags::JaNein + flags::Zweiter, kModulLottoAuswertung) != kJa)
        return;
    LottodateiSpeichern();
}

void DateiBefehle::mDateiSpeichernUnter() {
    const std::string vorher = d_.Dateiname;
    const std::string name = IstSystem(d_)
                                 ? DateiAuswaehlen("*.ZS4;*.ZS3;*.TXT", "System speichern unter")
                                 : DateiAuswaehlen("*.ZX7;*.ZX6;*.ASC;*.AS7;*.ZXT",
                                                   "Lotto-Auswertung - Datei speichern unter");
    if (name.empty()) return;
    d_.Dateiname = name;
    Speichern(vorher);
}

void DateiBefehle::ToolbarSpeichern() {
    if (d_.Dateiname == "Sammel.ZX7" || d_.Dateiname == "OhneName.ZX7" ||
        d_.Dateiname == kSystemOhneName)
        mDateiSpeichernUnter();
    else
        mDateiSpeichern();
}

DateiBefehle::Sicherung DateiBefehle::AenderungenFragen() {
    if (!d_.Geaendert) return Sicherung::Frei;
    const char* frage =
        IstSystem(d_) ? "Geänderte Systemreihen speichern?" : "Geänderte Lottodaten speichern?";
    const int16_t antwort =
        Meldung(d_.Dateiname + "\r" + frage, flags::JaNein + flags::Ausruf, kModulLottoAuswertung);
    // Closed without an answer: nothing is decided, the changes stay.
    if (antwort == kAbbrechen) return Sicherung::Offen;
    if (antwort != kJa) return Sicherung::Frei;
    if (LottodateiSpeichern() != 0) return Sicherung::Fehlgeschlagen;
    d_.Geaendert = false;
    return Sicherung::Frei;
}

bool DateiBefehle::AenderungenSichern() {
    return AenderungenFragen() == Sicherung::Frei;
}

bool DateiBefehle::Schliessen() {
    const Sicherung s = AenderungenFragen();
    if (s == Sicherung::Fehlgeschlagen)
        Meldung(d_.Dateiname + "\r" +
                    "Die Änderungen wurden nicht gespeichert. Das Fenster bleibt geöffnet.",
                flags::Ausruf, kModulLottoAuswertung);
    if (s != Sicherung::Frei) return false;
    d_.Geaendert = false;
    return true;
}

}  // namespace zahlix
