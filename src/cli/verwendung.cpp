#include "cli/befehle.h"

namespace zahlix::cli {

const char* Verwendung() {
    return "Verwendung: zahlix-cli BEFEHL [ARGUMENTE]\n"
           "\n"
           "Befehle:\n"
           "  info DATEI                      Kopfdaten einer Lottodatei anzeigen\n"
           "  konvertieren QUELLE ZIEL        Lottodatei in das Format von ZIEL schreiben\n"
           "                                  (.ZX7, .ZX6, .AS7, .ASC, .ZXT)\n"
           "  auswerten DATEI [--filter F] [--zusatzzahl LISTE] ZAHL...\n"
           "                                  Auswertung als Druckbericht ausgeben\n"
           "  zwischenspeichern DATEI [--zusatzzahl LISTE] ZAHL...\n"
           "                                  Auswertung als Zwischenspeicher-Block ausgeben\n"
           "  kombinr [--groesste N] ZAHL...  Kombinationsnummer der Zahlen\n"
           "  kombination [--groesste N] [--anzahl K] NR\n"
           "                                  Zahlen zur Kombinationsnummer\n"
           "  woche WOCHE JAHR                Zeitraum und Wochenende einer Kalenderwoche\n"
           "  exportieren TEXTDATEI ZIEL      Zahlenreihen aus einem Text exportieren\n"
           "                                  (.ZS4, .ZS3, .ASC, .AS4, .ZXT) oder als .RTF\n"
           "  hinzufuegen DATEI Z1 Z2 Z3 Z4 Z5 Z6 [--zusatzzahl Z] [--kennung K]\n"
           "              [--woche W --jahr J]  Ziehung anfügen, sortieren und speichern\n"
           "  loeschen-letzte DATEI           Letzte Ziehung löschen und speichern\n"
           "  treffertabelle DATEI INDEX [--zahlen Z1,Z2,...] [--zusatzzahl LISTE]\n"
           "                                  Treffertabelle (INDEX 0 bis 13) der Reihen als System\n"
           "  analyse DATEI ART [--zahlen Z1,...] [--seed S] [Optionen der Analyse]\n"
           "                                  Ergebnis einer Lotto-Analyse (ART wie in der Liste)\n";
}

}  // namespace zahlix::cli
