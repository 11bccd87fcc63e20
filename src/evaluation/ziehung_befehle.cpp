#include "evaluation/ziehung_befehle.h"

#include <algorithm>
#include <string>

#include "app/port.h"
#include "evaluation/ziehung_eingabe.h"
#include "evaluation/ziehung_kennung.h"
#include "core/bereich.h"
#include "core/bereich_auswahl.h"
#include "core/zahlformat.h"

namespace zahlix {

bool ZiehungHinzufuegenMoeglich(const Lottodatei& d, std::span<const int> markiert) {
    if (d.LetzterIndex >= kGrenzeHinzufuegen) {
        Meldung("Es kann keine Ziehung mehr hinzugefügt werden!", flags::Information,
                "Kapazitätsgrenze erreicht");
        return false;
    }
    if (markiert.size() != 6) {
        Meldung(
            "Die 6 Zahlen der neuen Ziehung müssen vorher in der Zahlenauswahl ausgewählt "
            "werden!\rDie Zusatzzahl und die Kennung wird danach extra abgefragt.",
            flags::Information, kModulAuswertung);
        return false;
    }
    return true;
}

void BereichsEndeSetzen(Lottodatei& d) {
    const int L = std::clamp<int>(d.LetzterIndex, 0, kSlots - 1);
    Bereichswerte& b = Auswertebereich();
    b.wocheBis = static_cast<int16_t>(std::clamp(WocheAus(d.WocheKennung[L]), 1, 53));
    const int jahr = JahrAusJahrCode(d.JahrCode[L]);
    b.jahrBis = static_cast<int16_t>(jahr == 0 ? 1900 : jahr);
    b.systemdatei = false;
    // A range of one identifier or of the last N draws keeps its meaning for the changed table;
    // the last N are counted from the start again, so deleting a draw does not shrink them.
    if (b.letzte > 0) {
        b.wocheVon = static_cast<int16_t>(std::clamp(WocheAus(d.WocheKennung[0]), 1, 53));
        const int erstes = JahrAusJahrCode(d.JahrCode[0]);
        b.jahrVon = static_cast<int16_t>(erstes == 0 ? 1900 : erstes);
    }
    if ((!b.kennung.empty() || b.letzte > 0) && BereichMarkieren(d, b) == 0) BereichAufheben(d);
    d.Titel = BereichText();
}

void NachZiehungsAenderung(Lottodatei& d, SortierAnlass anlass) {
    ZiehungenSortieren(d, anlass);
    BereichsEndeSetzen(d);
    d.Geaendert = true;
}

void LetzteZiehungEntfernen(Lottodatei& d) {
    const int L = std::clamp<int>(d.LetzterIndex, 0, kSlots - 1);
    d.Leeren(L);
    if (L > 0) d.LetzterIndex = static_cast<int16_t>(L - 1);
}

bool LetzteZiehungLoeschen(Lottodatei& d) {
    const int L = std::clamp<int>(d.LetzterIndex, 0, kSlots - 1);
    if (d.WocheKennung[L] == 0) {
        Meldung("Es ist keine Ziehung zum Löschen vorhanden.", flags::Information,
                kModulAuswertung);
        return false;
    }
    // A deleted draw cannot be brought back, so it is named before it goes.
    std::string frage = "Soll die letzte Ziehung gelöscht werden?\r";
    frage += ZiehungBeschreibung(d, L);
    if (Meldung(frage, flags::Frage | flags::JaNein | flags::Zweiter, "Letzte Ziehung löschen") !=
        kJa)
        return false;
    LetzteZiehungEntfernen(d);
    BereichsEndeSetzen(d);
    d.Geaendert = true;
    return true;
}

std::string ZiehungBeschreibung(const Lottodatei& d, int i) {
    const Ziehungseingabe e = ZiehungLesen(d, i);
    std::string t = "Woche ";
    t += ZahlNull2(static_cast<int16_t>(e.woche));
    t += '/';
    t += ZahlNull4(static_cast<int16_t>(e.jahr));
    if (e.kennung != 0) {
        t += " Kennung ";
        t += KennungZeichen(e.kennung);
    }
    t += ':';
    for (int z : e.zahlen) {
        if (z == 0) continue;
        t += ' ';
        t += ZahlRechts2(static_cast<int16_t>(z));
    }
    if (e.zusatzzahl != 0) {
        t += "  Zusatzzahl ";
        t += ZahlRechts2(static_cast<int16_t>(e.zusatzzahl));
    }
    return t;
}

}  // namespace zahlix
