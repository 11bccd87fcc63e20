#pragma once
// Shared steps of the evaluation window tests: a window on a given file, clicks by name.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/programm.h"
#include "app/skript_port.h"
#include "evaluation/ui/auswertung_fenster.h"
#include "evaluation/ui/trefferliste_widget.h"
#include "shell/optionen.h"
#include "support/testdaten.h"
#include "support/ui_kind.h"

namespace zahlix::test {

// The window opened on the file, with a scripted port so no question blocks.
inline std::unique_ptr<ui::AuswertungFenster> FensterMit(const std::filesystem::path& datei) {
    Optionen() = Optionswerte{};
    Programm().uebergabeDatei = datei.string();
    auto f = std::make_unique<ui::AuswertungFenster>(nullptr, true);
    f->setAttribute(Qt::WA_DeleteOnClose, false);
    f->resize(1000, 620);
    f->show();
    return f;
}

inline QPushButton* Zahl(QWidget* w, int n) {
    return Kind<QPushButton>(w, QStringLiteral("kZahl_%1").arg(n - 1));
}

inline void Klicken(QWidget* w, std::initializer_list<int> zahlen) {
    for (int n : zahlen) QTest::mouseClick(Zahl(w, n), Qt::LeftButton);
}

inline std::vector<int> Markiert(QWidget* w) {
    std::vector<int> v;
    for (int n = 1; n <= 49; ++n)
        if (Zahl(w, n)->isChecked()) v.push_back(n);
    return v;
}

inline std::string Text(QWidget* w, const QString& name) {
    return Kind<QLabel>(w, name)->text().toStdString();
}

inline std::string Zaehler(QWidget* w, int i) {
    return Text(w, QStringLiteral("bzTreffer_%1").arg(i));
}

// All twelve counters, separated by blanks.
inline std::string AlleZaehler(QWidget* w) {
    std::string s;
    for (int i = 0; i < 12; ++i) s += (i ? " " : "") + Zaehler(w, i);
    return s;
}

inline ui::TrefferlisteWidget* Liste(QWidget* w) {
    return Kind<ui::TrefferlisteWidget>(w, QStringLiteral("bdTreffer"));
}


inline std::string Listentext(QWidget* w) {
    std::string s;
    for (size_t i = 0; i < Liste(w)->Zeilen().size(); ++i)
        s += Liste(w)->ZeilenText(i).toStdString() + "\n";
    return s;
}

// A .AS7 file of the given lines in the folder.
inline std::filesystem::path As7(const Arbeitsordner& ordner, const std::string& name,
                                 const std::vector<std::string>& zeilen) {
    std::string s;
    for (const auto& z : zeilen) s += z + "\r\n";
    DateiSchreiben(ordner / name, s);
    return ordner / name;
}

}  // namespace zahlix::test
