#pragma once
// The port of the window program: messages and input in fOutBox and fInBox (created on first
// use, kept hidden between requests), the program's file dialog, the hourglass with the
// frame's busy blink, and Qt's event processing. Install it with PortInstallieren; it removes
// itself when destroyed.
#include <memory>

#include "app/port.h"

namespace zahlix::ui {

class InBox;
class OutBox;

class QtPort : public Port {
  public:
    QtPort();
    ~QtPort() override;
    QtPort(const QtPort&) = delete;
    QtPort& operator=(const QtPort&) = delete;

    Taste MeldungZeigen(const MeldungsAnfrage& anfrage) override;
    std::string EingabeZeigen(const std::string& prompt, const std::string& titel) override;
    std::string DateiAuswaehlen(const std::string& muster, const std::string& titel) override;
    void BeschaeftigtAnzeigen(bool beschaeftigt) override;
    void EreignisseVerarbeiten() override;

    OutBox& Ausgabe();
    InBox& Eingabe();
    bool Sanduhr() const { return sanduhr_; }

  private:
    std::unique_ptr<OutBox> ausgabe_;
    std::unique_ptr<InBox> eingabe_;
    bool sanduhr_ = false;
};

}  // namespace zahlix::ui
