#pragma once
// fLottoschein, "Lottoschein Druck": puts a range of a system's rows on play slips (twelve a
// slip) and shows the first slip; print preview, printer and PDF file (QPrinter's PDF
// output, written atomically). The rows come from a system file or from the system filter.
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "systems/lottoschein.h"

class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace zahlix::ui {

class Scheinvorschau;

class LottoscheinFenster : public QWidget {
    Q_OBJECT
  public:
    explicit LottoscheinFenster(QWidget* eltern = nullptr);
    QSize sizeHint() const override { return {900, 640}; }

    // Loads a system file; a German message and the old rows kept when it cannot be read.
    bool SystemOeffnen(const std::string& datei);
    // Rows handed over by another window, under the name the slips' header shows.
    void ReihenUebernehmen(std::vector<Reihenmaske> reihen, const std::string& name,
                           int groessteZahl);

    void SystemWaehlen();
    void Vorschau();
    void Drucken();
    // Asks for the name unless one is given; an existing file is replaced only when confirmed.
    bool PdfSpeichern(std::string ziel = {});

    // The slips of the chosen range, or nothing with a German message.
    std::optional<std::vector<Zeichenseite>> Scheine(bool melden = true) const;

    // The print dialog, replaceable for tests (false: cancelled).
    using Druckdialog = std::function<bool(QPrinter&)>;
    void DruckdialogErsetzen(Druckdialog d) { druckdialog_ = std::move(d); }

  private:
    void Anzeigen();

    std::vector<Reihenmaske> reihen_;
    std::string name_;
    int groessteZahl_ = 49;
    QLineEdit* tSystemdatei_;
    QLabel* bzSystem_;
    QLabel* bzScheine_;
    QSpinBox* sVon_;
    QSpinBox* sBis_;
    Scheinvorschau* bdSchein_;
    std::vector<QPushButton*> knoepfe_;
    Druckdialog druckdialog_;
};

// The frame's factory for "fLottoschein".
QWidget* LottoscheinFensterErzeugen();

}  // namespace zahlix::ui
