#pragma once
// fZiehungen: the draw history window. Pages through the draws of its own copy of the history
// (taken from the transfer area), 20 at a time, as text lines with two chosen group columns,
// as a strip graphic and as the number field of the page's top draw; hands the whole list to
// the print output.
#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "core/lottodatei.h"
#include "drawhistory/seite.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace zahlix::ui {

class Zeilenflaeche;
class Zeichenflaeche;

class ZiehungenFenster : public QWidget {
    Q_OBJECT
  public:
    explicit ZiehungenFenster(QWidget* eltern = nullptr);
    ~ZiehungenFenster() override;

    // The toolbar commands bToolbar_0 .. bToolbar_2.
    void Drucken();
    void BereichEinstellen();
    void AlleAnzeigen();

    // Takes the history from the transfer area again and shows its first page.
    void DatenUebernehmenUndAnzeigen();
    void Neuzeichnen();

    const Lottodatei& Daten() const { return *daten_; }
    const Seite& AktuelleSeite() const { return seite_; }

  public slots:
    // Called when the evaluation window opens this window again: show its current history.
    void ArtWaehlen(const QString& art);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    QWidget* SteuerungBauen();
    bool TasteVerarbeiten(int taste);
    void BildlaufSetzen();
    void GrafikgroesseSetzen(bool gross);
    void HilfezeileZeigen(const QString& text);

    std::unique_ptr<Lottodatei> daten_;
    std::string bereichText_;
    Zeilenwahl wahl_;
    Seite seite_;
    bool druckt_ = false;  // the print text is being built
    bool gezeigt_ = false;

    std::array<QPushButton*, 3> bToolbar_{};
    std::array<QComboBox*, 2> cGruppen_{};
    std::array<QRadioButton*, 3> oZusatzzahl_{};
    QCheckBox* kGrafikfarbe_ = nullptr;
    QCheckBox* kGrafik_ = nullptr;
    QScrollBar* vbReihen_ = nullptr;
    Zeilenflaeche* bdReihen_ = nullptr;
    Zeichenflaeche* bdZiehungen_ = nullptr;
    Zeichenflaeche* bdZahlenfeld_ = nullptr;
    QLabel* bzHilfe_ = nullptr;
};

// The frame's factory for "fZiehungen": a new window with the history of the transfer area.
QWidget* ZiehungenFensterErzeugen();

}  // namespace zahlix::ui
