#include "cli/cli_port.h"

#include <ostream>

namespace zahlix::cli {

KonsolenPort::KonsolenPort(std::ostream& err) : err_(err), vorher_(PortInstallieren(this)) {}

KonsolenPort::~KonsolenPort() { PortInstallieren(vorher_); }

Taste KonsolenPort::MeldungZeigen(const MeldungsAnfrage& a) {
    // Message texts end their lines with CR LF or a lone CR; the console wants LF.
    std::string text;
    for (size_t i = 0; i < a.text.size(); ++i) {
        if (a.text[i] != '\r') text += a.text[i];
        else if (i + 1 >= a.text.size() || a.text[i + 1] != '\n') text += '\n';
    }
    err_ << a.titel << ": " << text << "\n";
    return a.vorbelegt;
}

}  // namespace zahlix::cli
