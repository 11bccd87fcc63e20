#include "output/pdf.h"

#include <array>
#include <charconv>

#include "core/atomare_datei.h"
#include "core/textdatei.h"

namespace zahlix {

namespace {

constexpr double kPunktProMm = 72.0 / 25.4;

// Advance widths of Helvetica for the characters 32..126, in 1/1000 em (Adobe's metrics).
constexpr std::array<int, 95> kHelvetica = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};

// The text as Windows-1252 bytes, "?" for what it cannot hold.
std::string Cp1252(const std::string& utf8) {
    std::string aus;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t n = Utf8Lesen(utf8, i, cp);
        if (n == 0) {
            aus += '?';
            ++i;
            continue;
        }
        i += n;
        const auto b = UnicodeZuCp1252(cp);
        aus += b ? static_cast<char>(*b) : '?';
    }
    return aus;
}

std::string Zahl(double x) {
    char puffer[32];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, 2);
    return std::string(puffer, r.ptr);
}

std::string Farbe(uint32_t rgb, const char* op) {
    return Zahl(((rgb >> 16) & 0xFF) / 255.0) + " " + Zahl(((rgb >> 8) & 0xFF) / 255.0) + " " +
           Zahl((rgb & 0xFF) / 255.0) + " " + op + "\n";
}

// A PDF string literal; bytes outside printable ASCII as octal escapes.
std::string Literal(const std::string& bytes) {
    std::string s = "(";
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == '(' || b == ')' || b == '\\') {
            s += '\\';
            s += ch;
        } else if (b < 32 || b > 126) {
            const char oktal[] = {'\\', static_cast<char>('0' + (b >> 6)),
                                  static_cast<char>('0' + ((b >> 3) & 7)),
                                  static_cast<char>('0' + (b & 7))};
            s.append(oktal, 4);
        } else {
            s += ch;
        }
    }
    return s + ")";
}

std::string Inhalt(const Zeichenseite& s) {
    auto px = [](double mm) { return Zahl(mm * kPunktProMm); };
    auto py = [&s](double mm) { return Zahl((s.hoehe - mm) * kPunktProMm); };
    std::string c;
    for (const Zeichenrechteck& r : s.rechtecke) {
        const std::string rechteck = px(r.x) + " " + py(r.y + r.hoehe) + " " + px(r.breite) + " " +
                                     Zahl(r.hoehe * kPunktProMm) + " re ";
        if (r.fuellung) c += Farbe(*r.fuellung, "rg") + rechteck + "f\n";
        if (r.staerke > 0) c += Farbe(r.farbe, "RG") + px(r.staerke) + " w " + rechteck + "S\n";
    }
    c += "1 J\n";  // round caps make the crosses look drawn
    for (const Zeichenlinie& l : s.linien)
        c += Farbe(l.farbe, "RG") + px(l.staerke) + " w " + px(l.x1) + " " + py(l.y1) + " m " +
             px(l.x2) + " " + py(l.y2) + " l S\n";
    for (const Zeichentext& t : s.texte) {
        double x = t.x;
        const double b = HelveticaBreite(t.text, t.punkt, t.fett);
        if (t.ausrichtung == Ausrichtung::Mitte) x -= b / 2;
        if (t.ausrichtung == Ausrichtung::Rechts) x -= b;
        c += "BT " + Farbe(t.farbe, "rg") + (t.fett ? "/F2 " : "/F1 ") + Zahl(t.punkt) + " Tf " +
             px(x) + " " + py(t.y) + " Td " + Literal(Cp1252(t.text)) + " Tj ET\n";
    }
    return c;
}

}  // namespace

double HelveticaBreite(const std::string& text, double punkt, bool fett) {
    double tausendstel = 0;
    for (char ch : Cp1252(text)) {
        const auto b = static_cast<unsigned char>(ch);
        tausendstel += b >= 32 && b <= 126 ? kHelvetica[b - 32u] : 556;
    }
    // Bold runs about five percent wider; close enough for placing a line.
    return tausendstel * (fett ? 1.05 : 1.0) / 1000.0 * punkt / kPunktProMm;
}

std::string PdfErzeugen(std::span<const Zeichenseite> seiten, const std::string& titel) {
    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> stellen;
    auto objekt = [&](const std::string& rumpf) {
        stellen.push_back(pdf.size());
        pdf += std::to_string(stellen.size()) + " 0 obj\n" + rumpf + "\nendobj\n";
    };
    // 1 catalogue, 2 page tree, 3 and 4 fonts, 5 information, then page and content pairs.
    std::string kinder;
    for (std::size_t i = 0; i < seiten.size(); ++i) kinder += std::to_string(6 + 2 * i) + " 0 R ";
    objekt("<< /Type /Catalog /Pages 2 0 R >>");
    objekt("<< /Type /Pages /Kids [" + kinder + "] /Count " + std::to_string(seiten.size()) +
           " >>");
    for (const char* schrift : {"Helvetica", "Helvetica-Bold"})
        objekt(std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + schrift +
               " /Encoding /WinAnsiEncoding >>");
    objekt("<< /Title " + Literal(Cp1252(titel)) + " /Producer (Zahlix) >>");
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        const Zeichenseite& s = seiten[i];
        objekt("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Zahl(s.breite * kPunktProMm) + " " +
               Zahl(s.hoehe * kPunktProMm) +
               "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
               std::to_string(7 + 2 * i) + " 0 R >>");
        const std::string inhalt = Inhalt(s);
        objekt("<< /Length " + std::to_string(inhalt.size()) + " >>\nstream\n" + inhalt +
               "\nendstream");
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(stellen.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t o : stellen) {
        std::string z = std::to_string(o);
        pdf += std::string(10 - z.size(), '0') + z + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + std::to_string(stellen.size() + 1) +
           " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

bool PdfSchreiben(const std::filesystem::path& datei, std::span<const Zeichenseite> seiten,
                  const std::string& titel, std::string& fehler) {
    return DateiAtomarSchreiben(datei, PdfErzeugen(seiten, titel), fehler);
}

}  // namespace zahlix
