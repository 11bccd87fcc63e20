#pragma once
// Fakes and a fixture for the main frame's tests: a scratch start directory, scripted answers,
// and child windows that behave like the program's windows without their content.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMenu>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/skript_port.h"
#include "support/testdaten.h"

namespace zahlix::ui {
class Rahmen;
}

namespace zahlix::test {

// A child window with the 49 number buttons, menus of its own and the window properties.
class KindFenster : public QWidget {
    Q_OBJECT
  public:
    // Buttons above groessteZahl are disabled, as in a 6-aus-45 lottery.
    KindFenster(const QString& name, const QString& kurz, const QString& info,
                int groessteZahl = 49, bool mitMenues = true);

    Q_INVOKABLE QList<QMenu*> Menues() const { return menues_; }

    QAbstractButton* Zahl(int n) const;  // n = 1..49
    std::vector<int> Markiert() const;   // numbers 1..49 checked
    std::string uebergabe;               // hand-over at creation
    int schliessen = 0;                  // close requests seen
    bool verweigern = false;             // refuse to close

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    QList<QMenu*> menues_;
};

// A plain child window: no menus, no number buttons.
class SchlichtesFenster : public QWidget {
    Q_OBJECT
  public:
    SchlichtesFenster(const QString& name, const QString& kurz);
};

class RahmenTest : public ::testing::Test {
  protected:
    RahmenTest();
    ~RahmenTest() override;

    // Start-up in the scratch folder, without splash screen.
    void Starten();
    void Anlegen(const std::string& name, const std::string& inhalt = "x");
    // Registers a fake evaluation window factory that counts its calls.
    void AuswertungAnmelden();
    // Lets deferred deletes and queued events run.
    static void Verarbeiten();
    QAction* Aktion(const char* name) const;
    KindFenster* Auswertung() const;

    Arbeitsordner ordner;
    std::filesystem::path vorher;
    SkriptPort port;
    std::unique_ptr<ui::Rahmen> rahmen;
    int erzeugt = 0;
};

}  // namespace zahlix::test
