#pragma once
// The commands of zahlix-cli. Each takes the arguments after its name and returns the exit
// status: 0 success, 1 usage error, 2 file or data error. Errors go to err in German.
#include <iosfwd>
#include <string>
#include <vector>

namespace zahlix::cli {

using Argumente = std::vector<std::string>;

constexpr int kErfolg = 0;
constexpr int kAufruffehler = 1;
constexpr int kDatenfehler = 2;

int Info(const Argumente& a, std::ostream& out, std::ostream& err);
int Konvertieren(const Argumente& a, std::ostream& out, std::ostream& err);
int Auswerten(const Argumente& a, std::ostream& out, std::ostream& err);
int Zwischenspeichern(const Argumente& a, std::ostream& out, std::ostream& err);
int KombiNr(const Argumente& a, std::ostream& out, std::ostream& err);
int Kombination(const Argumente& a, std::ostream& out, std::ostream& err);
int Woche(const Argumente& a, std::ostream& out, std::ostream& err);
int Exportieren(const Argumente& a, std::ostream& out, std::ostream& err);
int Hinzufuegen(const Argumente& a, std::ostream& out, std::ostream& err);
int LoeschenLetzte(const Argumente& a, std::ostream& out, std::ostream& err);
int Ziehungen(const Argumente& a, std::ostream& out, std::ostream& err);
int Importieren(const Argumente& a, std::ostream& out, std::ostream& err);
int Treffertabelle(const Argumente& a, std::ostream& out, std::ostream& err);
int Analyse(const Argumente& a, std::ostream& out, std::ostream& err);
int Statistik(const Argumente& a, std::ostream& out, std::ostream& err);
int Rueckblick(const Argumente& a, std::ostream& out, std::ostream& err);
// "system UNTERBEFEHL ...": dispatches to the ticket-system commands below.
int System(const Argumente& a, std::ostream& out, std::ostream& err);
int SystemInfo(const Argumente& a, std::ostream& out, std::ostream& err);
int SystemAuswerten(const Argumente& a, std::ostream& out, std::ostream& err);
int SystemPruefen(const Argumente& a, std::ostream& out, std::ostream& err);
int SystemFiltern(const Argumente& a, std::ostream& out, std::ostream& err);
int SystemDrucken(const Argumente& a, std::ostream& out, std::ostream& err);
int SystemBauen(const Argumente& a, std::ostream& out, std::ostream& err);

// The usage text printed for a missing or unknown command.
const char* Verwendung();

}  // namespace zahlix::cli
