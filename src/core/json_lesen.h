#pragma once
// A small JSON reader for the public draw archives: objects, arrays, strings, numbers, true,
// false and null. Every value remembers the line it starts on, so a bad entry can be named.
// The archive's list is handed over entry by entry and dropped after each, so a long list never
// sits in memory whole (a value tree takes about 100 bytes a value). No entry or other member may
// hold more than kGroessteJsonWerte values or nest deeper than 64 levels, so hostile input can
// exhaust neither memory nor the stack.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zahlix {

inline constexpr std::size_t kGroessteJsonWerte = 100000;

struct JsonWert {
    enum class Art { Null, Wahr, Falsch, Zahl, Text, Liste, Objekt };
    Art art = Art::Null;
    double zahl = 0;
    std::string text;  // strings, and the literal spelling of a number
    std::vector<JsonWert> liste;
    // An object's members: names[i] names werte[i]. Two vectors, because a pair would need
    // the value type complete here.
    std::vector<std::string> namen;
    std::vector<JsonWert> werte;
    int zeile = 1;

    // The member of an object with that name, or nullptr.
    const JsonWert* Feld(std::string_view name) const;
    // The value as a whole number when it is one (no fraction, no exponent, in int range).
    std::optional<int> Ganzzahl() const;
};

enum class JsonListe {
    Gelesen,      // every entry was handed over
    Fehlt,        // a valid document without the list
    Fehlerhaft,   // no valid JSON (fehler: "Zeile N: what was expected")
    Abgebrochen,  // the caller's eintrag returned false
};

// Reads the whole text (UTF-8): a list, or an object holding the list under the member name.
// Each entry goes to eintrag as soon as it is read; other members are read and dropped. Text
// after the document makes it faulty even when every entry was handed over already.
JsonListe JsonListeLesen(std::string_view text, std::string_view name, std::string& fehler,
                         const std::function<bool(const JsonWert&)>& eintrag);

}  // namespace zahlix
