#pragma once
// Merging imported draws into a history. Week and year come from the ISO 8601 week of the
// draw's date, the identifier from its weekday. Either every draw is taken or, on the first
// bad draw or conflict, nothing: the history is never half merged.
#include <string>
#include <vector>

#include "core/import_quelle.h"
#include "core/lottodatei.h"

namespace zahlix {

// An identifier option: a code of "0".."9" / "A".."Z", 0 for none, or kUeberspringen for
// "do not take the draws of these days".
constexpr int kUeberspringen = -1;

struct Importoptionen {
    int kennungMittwoch = 'M';
    int kennungSonst = 'S';
};

struct Importergebnis {
    bool ok = true;
    int neu = 0;         // draws added
    int vorhanden = 0;   // draws already there (same week, year and numbers, any identifier)
    std::string fehler;  // why nothing was taken (German, lines ended by CR LF)
    std::string titel;   // title for the message box of fehler
};

// The message the merge would refuse the source with for its first draw that d's lottery
// cannot take at all (count, range or doubles of its numbers); empty when there is none. Asked
// before the user chooses identifiers, so a bad line is named first.
std::string ImportZiehungenPruefen(const Lottodatei& d, const std::vector<Importziehung>& quelle);

// Checks every draw against d.GroessteZahl (a .AS7 history takes numbers up to 49 and its
// largest number grows with them, as its reader would set it), skips the draws already present
// (the same week, year and numbers, whatever the identifier: no twins) and refuses the whole
// import on a bad draw, on a draw whose week, year and identifier are present with other
// numbers, and beyond 32000 draws. New draws are appended with ImBereich -1 and the history is
// sorted stably by year and week; Geaendert is set when something was added. A lone entry
// without numbers (the placeholder of a new history) gives way to the imported draws.
Importergebnis ZiehungenZusammenfuehren(Lottodatei& d, const std::vector<Importziehung>& quelle,
                                        const Importoptionen& o);

// " 5.031 neue Ziehungen, 0 schon vorhanden."
std::string ImportErgebnisZeile(const Importergebnis& e);

// The options for a target: Wednesday "M", other days "S", except for a history whose draws
// carry no identifier at all (the predefined Saturday and Wednesday files). For these, the
// draws are taken without identifier from those days whose draws the history already holds
// (Wednesday or the others), and the other days are skipped.
Importoptionen KennungenVorschlagen(const Lottodatei& d, const std::vector<Importziehung>& quelle);

// "M", "m", "7" give their code; "." and "" give 0 (no identifier); "-" gives kUeberspringen.
// Anything else: false.
bool KennungOptionLesen(const std::string& text, int& code);
// The inverse for showing an option: "M", "." or "-".
std::string KennungOptionText(int code);

}  // namespace zahlix
