#pragma once
// The command line asks nothing: messages are written to the error stream and take their
// preset answer; input and file requests are cancelled.
#include <iosfwd>

#include "app/port.h"

namespace zahlix::cli {

class KonsolenPort : public StillerPort {
public:
    explicit KonsolenPort(std::ostream& err);
    ~KonsolenPort() override;
    Taste MeldungZeigen(const MeldungsAnfrage& a) override;

private:
    std::ostream& err_;
    Port* vorher_;
};

}  // namespace zahlix::cli
