#pragma once
// The file commands of the evaluation window: open, save, save as, the toolbar's save rule,
// the save prompt on closing, new and empty histories. The window hands in its history and
// what it must be told; the user is asked only through the port.
#include <cstdint>
#include <functional>
#include <string>

#include "core/lottodatei.h"

namespace zahlix {

// Title of the window's questions and messages.
inline constexpr const char* kModulLottoAuswertung = "Lotto-Auswertung";
// The name of a system that has no file yet; the tool bar's save asks for one.
inline constexpr const char* kSystemOhneName = "OhneName.ZS4";

// What the commands tell the window. Every entry may stay empty.
struct DateiFensterRueckrufe {
    std::function<void(const std::string&)> statuszeileSetzen;
    std::function<std::string()> statuszeileLesen;
    std::function<void()> titelZeichnen;
    // Enable the number buttons 1..n, disable the others and drop selected numbers above n.
    std::function<void(int n)> zahlenFreigeben;
    // No number selected and an empty hit list (after a reset).
    std::function<void()> auswahlLeeren;
    // Re-run the automatic evaluation.
    std::function<void()> auswerten;
    // A status text shown for a few seconds, then the previous one returns.
    std::function<void(const std::string&)> kurzmeldung;
};

class DateiBefehle {
  public:
    explicit DateiBefehle(Lottodatei& d, DateiFensterRueckrufe r = {});

    // Loads the handed-over file (Programm().uebergabeDatei, cleared) or asks with the file
    // dialog. A system file (.ZS4, .ZS3, .TXT) loads as rows with the range on every row;
    // one of more rows than the window holds is refused. A failed load leaves the empty
    // history; a cancelled dialog keeps the history, its range and its Geaendert flag. A loaded
    // file starts with all its draws in range. Returns 0 when a file was loaded, else -1.
    int16_t LottodateiOeffnen();
    // Writes the history to Dateiname in its format (asking first for the lossy ones, and
    // before overwriting a file changed by someone else since it was loaded or saved here).
    // A system is written only as a system file, never over a lottery file, and a history
    // never as one.
    // Only a successful .ZX7 write clears Geaendert; a successful write is confirmed with
    // " Gespeichert: NAME". Returns 0 when written, else -1.
    int16_t LottodateiSpeichern();
    void LeereLottodatei();
    // After the save prompt (false when the history's changes could not be saved) resets the
    // history to a new lottery.
    bool NeueLottodatei(const std::string& name, int groessteZahl, int woche, int jahr);

    void mDateiOeffnen();
    void mDateiSpeichern();
    void mDateiSpeichernUnter();
    // Toolbar button 1: save as for the unnamed "Sammel.ZX7" and "OhneName.ZX7", else save.
    void ToolbarSpeichern();

    // The save prompt for unsaved changes. True when the history may be dropped (no changes,
    // the user declined, or the save succeeded); false keeps Geaendert for a failed save or
    // a prompt closed without an answer (Esc).
    bool AenderungenSichern();
    // The close handling: the save prompt; when the window may close, Geaendert is cleared.
    // A failed save keeps the window open and says so.
    bool Schliessen();

  private:
    enum class Sicherung { Frei, Offen, Fehlgeschlagen };
    Sicherung AenderungenFragen();
    int16_t Speichern(const std::string& zurueck);
    int16_t Schreiben();
    int16_t SystemLaden(const std::string& name, const std::string& bleibt);
    int16_t SystemSchreibenFragen();
    // False when the file changed outside since it was loaded or saved here and the user does
    // not want to overwrite it.
    bool AusserhalbGeaendertFragen() const;
    void Status(const std::string& text) const;

    Lottodatei& d_;
    DateiFensterRueckrufe r_;
};

}  // namespace zahlix
