#include "evaluation/ziehung_kennung.h"

#include "core/zahlen.h"

namespace zahlix {

namespace {

char Gross(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view Getrimmt(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

}  // namespace

int KennungCode(std::string_view text) {
    if (text.empty()) return 0;
    const char c = Gross(text.front());
    return ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) ? c : 0;
}

int KennungPosition(int code) {
    if (code >= '0' && code <= '9') return code - '0' + 1;
    if (code >= 'A' && code <= 'Z') return code - 'A' + 11;
    return 0;
}

std::string KennungAusPosition(int position) {
    if (position == 0) return ".";
    if (position >= 1 && position <= 10)
        return std::string(1, static_cast<char>('0' + position - 1));
    if (position >= 11 && position <= 36)
        return std::string(1, static_cast<char>('A' + position - 11));
    return {};
}

int KennungCodeAusPosition(int position) {
    if (position < 1 || position > 36) return 0;
    return static_cast<unsigned char>(KennungAusPosition(position)[0]);
}

std::optional<int> KennungEingabe(std::string_view text) {
    text = Getrimmt(text);
    if (text.empty() || text == ".") return 0;
    if (text.size() != 1) return std::nullopt;
    const int code = KennungCode(text);
    if (code == 0) return std::nullopt;
    return code;
}

std::string KennungZeichen(int code) {
    if (code == 0) return ".";
    if (code != 0 && KennungGueltig(code)) return std::string(1, static_cast<char>(code));
    return {};
}

}  // namespace zahlix
