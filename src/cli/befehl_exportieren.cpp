// exportieren TEXTDATEI ZIEL: the print output's export without the window. The source is
// read as UTF-8 or Windows-1252 text, or as rich text when it is an RTF document. The target's
// extension chooses: .ZS4, .ZS3, .ASC, .AS4, .ZXT export the number rows and print
// "<n> Reihen wurden gefunden und gespeichert." (the window's message without its leading
// blank); .RTF writes the text as rich text and prints "Text wurde als RTF gespeichert.".
// When no row is found nothing is written and the count line says 0; that is no error.
#include <ostream>

#include "cli/befehle.h"
#include "core/atomare_datei.h"
#include "output/reihenexport.h"
#include "output/rtf.h"

namespace zahlix::cli {

int Exportieren(const Argumente& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) {
        err << "Aufruf: zahlix-cli exportieren TEXTDATEI ZIEL\n"
               "ZIEL endet auf .ZS4, .ZS3, .ASC, .AS4, .ZXT oder .RTF.\n";
        return kAufruffehler;
    }
    const std::string& ziel = a[1];
    const bool alsRtf = Endung4(ziel) == ".RTF";
    if (!alsRtf && !ExportformatAus(ziel)) {
        err << ziel
            << ": unbekanntes Zielformat; erlaubt sind .ZS4, .ZS3, .ASC, .AS4, .ZXT "
               "und .RTF.\n";
        return kAufruffehler;
    }
    std::string bytes, fehler;
    if (!DateiEinlesen(a[0], bytes, fehler)) {
        err << fehler << "\n";
        return kDatenfehler;
    }
    const std::string text = SiehtAusWieRtf(bytes) ? RtfLesen(bytes) : TextDekodieren(bytes);
    if (alsRtf) {
        if (!DateiAtomarSchreiben(ziel, RtfSchreiben(ZeilenendenCrLf(text)), fehler)) {
            err << fehler << "\n";
            return kDatenfehler;
        }
        out << "Text wurde als RTF gespeichert.\n";
        return kErfolg;
    }
    const int anzahl = ReihenExportieren(ziel, text, fehler);
    if (anzahl < 0) {
        err << fehler << "\n";
        return kDatenfehler;
    }
    out << anzahl << " Reihen wurden gefunden und gespeichert.\n";
    return kErfolg;
}

}  // namespace zahlix::cli
