#include "evaluation/kombinr_eingabe.h"

#include <algorithm>

#include "core/zahlen.h"
#include "core/zahlformat.h"

namespace zahlix {

namespace {
constexpr int64_t kSaettigung = int64_t{1} << 40;
constexpr size_t kMaxTextlaenge = 9;  // "9.999.999" still takes one more digit
}  // namespace

std::string EntfernePunkte(const std::string& text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != '.') s += c;
    return s;
}

int64_t KombiNrWert(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negativ = text[i++] == '-';
    int64_t wert = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        wert = std::min(kSaettigung, wert * 10 + (text[i] - '0'));
    return negativ ? -wert : wert;
}

std::string KombiNrFormat(int64_t wert) {
    return wert > 0 ? Gruppiert(wert) : std::string();
}

std::string KombiNrTaste(const std::string& text, char taste, bool alleMarkiert) {
    std::string t = alleMarkiert ? std::string() : text;
    if (taste == '\b') {
        if (!t.empty()) t.pop_back();
        return KombiNrFormat(KombiNrWert(EntfernePunkte(t)));
    }
    if (t.size() > kMaxTextlaenge) return t;
    std::string ziffern = EntfernePunkte(t);
    if (taste >= '0' && taste <= '9') ziffern += taste;
    return KombiNrFormat(KombiNrWert(ziffern));
}

std::string KombiNrPrompt(int groessteZahl) {
    return "Welche Kombination 6 aus" + Str(groessteZahl) + " soll angezeigt werden?\n" +
           "Bereich:  1 - " + KombiNrFormat(Binomial(groessteZahl, 6));
}

int32_t KombiNrBegrenzen(int64_t r, int32_t total) {
    if (r < 1 || total < 1) return 0;
    return static_cast<int32_t>(std::min<int64_t>(r, total));
}

}  // namespace zahlix
