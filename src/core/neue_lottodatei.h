#pragma once
// Starting a history afresh: the empty history used whenever no file could be opened, and a
// new lottery from name, largest number and first week. Nothing is written to disk here.
#include <string>

#include "core/lottodatei.h"

namespace zahlix {

// The name with the extension ext (without dot): the file-name part is cut after its first
// "." (folders in the path keep theirs), or gets one appended. A name that is blank, ends in
// "\", "/" or ":", or has nothing before the dot is refused with a message and becomes
// "OhneName." + ext.
std::string NameMitEndung(const std::string& name, const std::string& ext);

// Sets the shared evaluation range to week wv/year jv .. week wb/year jb with every other
// restriction cleared (weeks within the year 1..53).
void AuswertebereichSetzen(int wv, int jv, int wb, int jb);

// The empty history (one placeholder draw, week 1 of 1900), the range on that week, Titel
// rendered and Geaendert cleared.
void LeereLottodateiAnlegen(Lottodatei& d);

// A new lottery "6 aus groessteZahl" whose first draw is week woche of year jahr (no numbers
// yet). Values outside the dialog's ranges (7..49, 1..53, 1900..2099) are brought into them.
void NeueLottodateiAnlegen(Lottodatei& d, const std::string& name, int groessteZahl, int woche,
                           int jahr);

}  // namespace zahlix
