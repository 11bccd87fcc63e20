#pragma once
// The exact check of the analysis "Garantiestufe", also for callers without a draw history:
// a system guarantees "b aus a" when every a of its numbers lie, with at least b of them, in
// some row.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zahlix {

struct Garantiepruefung {
    int64_t fehlend = 0;  // a-subsets without a row holding b of them
    int64_t gesamt = 0;   // C(n, a)
    bool abgebrochen = false;
};

// Checks the rows (bit n - 1 for number n) over the ascending numbers `zahlen`; a row's
// numbers outside `zahlen` take no part. `weiter(geprueft)` is asked every 4096 subsets and
// ends the check when false; `fehlt` gets every a-subset without such a row. 1 <= b <= a <= 6.
Garantiepruefung GarantiePruefen(const std::vector<int>& zahlen,
                                 const std::vector<uint64_t>& reihen, int a, int b,
                                 const std::function<bool(int64_t)>& weiter = {},
                                 const std::function<void(uint64_t)>& fehlt = {});

// The verdict after "* Garantiestufe b aus a mit n Systemzahlen und r Reihen: ", with CR LF.
std::string GarantieUrteil(const Garantiepruefung& p, int n, int a, int b);

}  // namespace zahlix
