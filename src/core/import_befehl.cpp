#include "core/import_befehl.h"

#include <new>
#include <sstream>

#include "app/port.h"
#include "core/bereich_auswahl.h"
#include "core/systemfehler.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"

namespace zahlix {

namespace {

constexpr const char* kTitel = "Lotto-Auswertung - Datei hinzufügen";

std::string KennungBeschreibung(int code) {
    if (code == kUeberspringen) return "werden nicht übernommen";
    if (code == 0) return "ohne Kennung";
    return "mit Kennung " + KennungOptionText(code);
}

// "M S", ". -": the identifier for Wednesday, then for the other days.
bool OptionenLesen(const std::string& text, Importoptionen& o) {
    std::istringstream s(text);
    std::string a, b, rest;
    if (!(s >> a >> b) || (s >> rest)) return false;
    return KennungOptionLesen(a, o.kennungMittwoch) && KennungOptionLesen(b, o.kennungSonst);
}

}  // namespace

std::optional<std::vector<Importziehung>> ImportdateiLesen(const std::string& name,
                                                           std::string& fehler) {
    std::string bytes, systemfehler;
    if (!GanzEinlesen(PfadVonName(name), bytes, systemfehler)) {
        fehler = "Die Datei " + name + " konnte nicht gelesen werden:\r\n" + systemfehler;
        return std::nullopt;
    }
    auto ziehungen = ImportquelleLesen(bytes, fehler);
    if (!ziehungen)
        fehler =
            "Die Datei " + name + " wurde nicht übernommen, es wurde nichts geändert.\r\n" + fehler;
    return ziehungen;
}

bool LottodateiHinzufuegen(Lottodatei& d) {
    const std::string name = DateiAuswaehlen("*.json;*.csv;*.txt", kTitel);
    if (name.empty()) return false;
    std::string fehler;
    std::optional<std::vector<Importziehung>> quelle;
    Beschaeftigt(-1);
    try {
        quelle = ImportdateiLesen(name, fehler);
    } catch (const std::bad_alloc&) {
        fehler = SpeichermangelText(name);
    }
    Beschaeftigt(0);
    if (quelle) fehler = ImportZiehungenPruefen(d, *quelle);
    if (!quelle || !fehler.empty()) {
        Meldung(fehler, flags::Ausruf, kTitel);
        return false;
    }
    Importoptionen o = KennungenVorschlagen(d, *quelle);
    const std::string frage = Anzahl(static_cast<int64_t>(quelle->size()), "Ziehung", "Ziehungen") +
                              " gelesen. Die Ziehungen vom Mittwoch " +
                              KennungBeschreibung(o.kennungMittwoch) + ", die der übrigen Tage " +
                              KennungBeschreibung(o.kennungSonst) +
                              ".\r\nSo übernehmen? (Nein: andere Kennungen angeben)";
    if (Meldung(frage, flags::Frage + flags::JaNein, kTitel) != kJa) {
        for (;;) {
            const std::string text = Eingabe(
                "Kennungen für Mittwoch und die übrigen Tage, durch ein Leerzeichen getrennt "
                "(z. B. \"M S\"; \".\" = ohne Kennung, \"-\" = nicht übernehmen):",
                kTitel);
            if (text.empty()) return false;
            if (OptionenLesen(text, o)) break;
            Meldung("\"" + text + "\" sind keine zwei gültigen Kennungen.", flags::Ausruf, kTitel);
        }
    }
    Importergebnis e;
    Beschaeftigt(-1);
    try {
        e = ZiehungenZusammenfuehren(d, *quelle, o);
    } catch (const std::bad_alloc&) {
        e = {false, 0, 0, SpeichermangelText(name), kProduktname};
    }
    Beschaeftigt(0);
    if (!e.ok) {
        Meldung(e.fehler, e.titel == kProduktname ? flags::Ausruf : flags::Information,
                e.titel == kProduktname ? std::string(kTitel) : e.titel);
        return false;
    }
    if (e.neu > 0) BereichAufheben(d);
    Meldung(ImportErgebnisZeile(e), flags::Information, kTitel);
    return e.neu > 0;
}

}  // namespace zahlix
