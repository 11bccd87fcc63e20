#pragma once
// A small JSON reader for the public draw archives: objects, arrays, strings, numbers, true,
// false and null. Every value remembers the line it starts on, so a bad entry can be named.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zahlix {

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

// Parses the whole text (UTF-8). On failure returns nothing and fehler names the line and
// what was expected. Nesting deeper than 64 levels is refused, so hostile input cannot exhaust
// the stack.
std::optional<JsonWert> JsonLesen(std::string_view text, std::string& fehler);

}  // namespace zahlix
