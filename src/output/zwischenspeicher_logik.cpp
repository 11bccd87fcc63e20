#include "output/zwischenspeicher_logik.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include "app/port.h"
#include "core/zahlformat.h"

namespace zahlix {

namespace {

const std::u16string kZahlenKopf = u"Zahlen     : ";

std::u16string AllesErsetzen(std::u16string s, const std::u16string& was,
                             const std::u16string& durch) {
    for (size_t p = s.find(was); p != std::u16string::npos; p = s.find(was, p + durch.size()))
        s.replace(p, was.size(), durch);
    return s;
}

std::u16string Ascii(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

bool Ziffer(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The numbers and the counter of a row line, or nothing when the line is not a row.
struct Zeilenreihe {
    std::optional<std::u16string> zaehler;  // "  3:" as written
    std::vector<int> zahlen;
};

std::optional<Zeilenreihe> ZeileLesen(const std::u16string& z) {
    Zeilenreihe r;
    size_t i = 0;
    while (i < z.size() && (z[i] == u' ' || z[i] == u'\t')) ++i;
    size_t j = i;
    while (j < z.size() && Ziffer(z[j])) ++j;
    size_t start = 0;
    if (j > i && j < z.size() && (z[j] == u':' || z[j] == u'.')) {
        r.zaehler = z.substr(0, j + 1);
        start = j + 1;
    }
    for (size_t k = start; k < z.size();) {
        if (z[k] == u' ' || z[k] == u'\t' || z[k] == u',') {
            ++k;
        } else if (Ziffer(z[k])) {
            int wert = 0;
            size_t n = 0;
            while (k < z.size() && Ziffer(z[k])) {
                wert = wert * 10 + (z[k] - u'0');
                ++k;
                if (++n > 2) return std::nullopt;
            }
            r.zahlen.push_back(wert);
        } else {
            return std::nullopt;
        }
    }
    if (r.zahlen.empty()) return std::nullopt;
    return r;
}

}  // namespace

std::u16string DuplikatSchluessel(const std::u16string& block) {
    const size_t p = block.find(kZahlenKopf);
    if (p == std::u16string::npos) return block;
    const size_t ende = block.find(u" :", p + 12);
    if (ende == std::u16string::npos) return block;
    return block.substr(p, ende + 2 - p);
}

bool BlockNeu(const std::u16string& dokument, const std::u16string& block) {
    return !block.empty() && dokument.find(DuplikatSchluessel(block)) == std::u16string::npos;
}

bool BlockEinfuegen(std::u16string& dokument, const std::u16string& block) {
    if (!BlockNeu(dokument, block)) return false;
    dokument.insert(0, block);
    return true;
}

std::u16string EscapesErsetzen(const std::u16string& eingabe, const std::u16string& zeilenende) {
    return AllesErsetzen(AllesErsetzen(eingabe, u"^z", zeilenende), u"^t", u"\t");
}

int ErsetzenBisEnde(std::u16string& dokument, size_t ab, const std::u16string& was,
                    const std::u16string& durch) {
    if (was.empty()) return 0;
    int anzahl = 0;
    size_t p = std::min(ab, dokument.size());
    while ((p = dokument.find(was, p)) != std::u16string::npos) {
        dokument.replace(p, was.size(), durch);
        p += durch.size();
        ++anzahl;
        EreignissePumpen();
    }
    return anzahl;
}

int SchnellFuellen(std::u16string& dokument, size_t ab, int n, const std::u16string& antwort) {
    if (antwort.empty()) return 0;
    const std::u16string ersatz = u" " + antwort + u" ";
    int anzahl = 0;
    size_t p = std::min(ab, dokument.size());
    for (int i = 0; i < n; ++i) {
        p = dokument.find(u" 0 ", p);
        if (p == std::u16string::npos) break;
        dokument.replace(p, 3, ersatz);
        p += ersatz.size() - 1;
        ++anzahl;
    }
    return anzahl;
}

int ZeilenNeuNummerieren(std::u16string& dokument, size_t von, size_t bis, bool mitZaehler) {
    von = std::min(von, dokument.size());
    bis = std::min(bis, dokument.size());
    if (von > bis) std::swap(von, bis);
    size_t anfang = 0, ende = dokument.size();
    if (von != bis) {
        const size_t vorher = von == 0 ? std::u16string::npos : dokument.rfind(u'\n', von - 1);
        anfang = vorher == std::u16string::npos ? 0 : vorher + 1;
        // A selection ending right after a line break does not take in the next line.
        const size_t letzte = bis > von && dokument[bis - 1] == u'\n' ? bis - 1 : bis;
        ende = dokument.find(u'\n', letzte);
        if (ende == std::u16string::npos) ende = dokument.size();
    }
    std::u16string neu;
    int geaendert = 0;
    int zaehler = 0;
    size_t p = anfang;
    while (p <= ende) {
        size_t zEnde = dokument.find(u'\n', p);
        if (zEnde == std::u16string::npos || zEnde > ende) zEnde = ende;
        const std::u16string zeile = dokument.substr(p, zEnde - p);
        const auto r = ZeileLesen(zeile);
        if (r) {
            std::u16string z;
            if (mitZaehler)
                z = Ascii(ZahlRechts3(static_cast<int16_t>(std::min(++zaehler, 999)))) + u":";
            else if (r->zaehler)
                z = *r->zaehler;
            for (int zahl : r->zahlen) z += Ascii(ZahlFeld3(static_cast<int16_t>(zahl)));
            if (z != zeile) ++geaendert;
            neu += z;
        } else {
            neu += zeile;
        }
        if (zEnde < ende) neu += u'\n';
        p = zEnde + 1;
        EreignissePumpen();
    }
    dokument.replace(anfang, ende - anfang, neu);
    return geaendert;
}

std::string StatuszeileText(const std::string& praefix, const std::u16string& dokument,
                            size_t caret, size_t markiert) {
    caret = std::min(caret, dokument.size());
    const auto zeile =
        std::count(dokument.begin(), dokument.begin() + static_cast<std::ptrdiff_t>(caret), u'\n') +
        1;
    return StatuszeileText(praefix, zeile, dokument.size(), caret, markiert);
}

std::string StatuszeileText(const std::string& praefix, int64_t zeile, size_t laenge, size_t caret,
                            size_t markiert) {
    std::string s = praefix + "Zeile " + std::to_string(zeile);
    if (caret < laenge)
        s += "  -  Zeichen " + Gruppiert(static_cast<int64_t>(caret) + 1) + " von " +
             Gruppiert(static_cast<int64_t>(laenge));
    if (markiert > 0)
        s += "  -  " + Gruppiert(static_cast<int64_t>(markiert)) + " Zeichen markiert";
    return s;
}

}  // namespace zahlix
