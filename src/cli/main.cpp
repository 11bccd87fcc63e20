// zahlix-cli: the scriptable face of the program's logic.
#include <exception>
#include <iostream>
#include <map>

#include "cli/befehle.h"
#include "cli/cli_port.h"
#include "cli/konsole.h"
#include "core/tabellen.h"

int main(int argc, char** argv) {
    using namespace zahlix::cli;
    zahlix::Initialisieren();
    KonsoleEinrichten();
    const Argumente alle = ArgumenteUtf8(argc, argv);
    KonsolenPort port(std::cerr);

    using Befehl = int (*)(const Argumente&, std::ostream&, std::ostream&);
    const std::map<std::string, Befehl> befehle = {
        {"info", Info},
        {"konvertieren", Konvertieren},
        {"auswerten", Auswerten},
        {"zwischenspeichern", Zwischenspeichern},
        {"kombinr", KombiNr},
        {"kombination", Kombination},
        {"woche", Woche},
        {"exportieren", Exportieren},
        {"hinzufuegen", Hinzufuegen},
        {"loeschen-letzte", LoeschenLetzte},
        {"ziehungen", Ziehungen},
        {"importieren", Importieren},
        {"treffertabelle", Treffertabelle},
        {"analyse", Analyse},
        {"statistik", Statistik},
        {"rueckblick", Rueckblick},
        {"system", System},
    };
    if (alle.empty()) {
        std::cerr << Verwendung();
        return kAufruffehler;
    }
    auto it = befehle.find(alle[0]);
    if (it == befehle.end()) {
        std::cerr << "Unbekannter Befehl: " << alle[0] << "\n" << Verwendung();
        return kAufruffehler;
    }
    const Argumente argumente(alle.begin() + 1, alle.end());
    try {
        return it->second(argumente, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "Fehler: " << e.what() << "\n";
        return kDatenfehler;
    }
}
