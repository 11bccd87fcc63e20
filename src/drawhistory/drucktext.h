#pragma once
// The print text of the draw history window and its caption.
#include <string>

#include "core/lottodatei.h"
#include "drawhistory/ziehungszeile.h"

namespace zahlix {

// "Ziehungen anzeigen: <name>", for system files "Reihen anzeigen: <name>".
std::string ZiehungenTitel(bool system, const std::string& name);

// "* " + caption, "* Bereich - " + range text (or "Alle Reihen" when w.alle), an empty line,
// the print heading, every shown draw of the whole history and a line of 80 "-"; CR LF line
// ends. Lets window events run now and then.
std::string ZiehungenDrucktext(const Lottodatei& d, const Zeilenwahl& w, const std::string& titel,
                               const std::string& bereichText);

}  // namespace zahlix
