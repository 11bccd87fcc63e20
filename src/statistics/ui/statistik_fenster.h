#pragma once
// fStatistik: chooses a statistic type, its parameters and the bonus-number view, computes it
// on "&Ermitteln" and shows the result as three lists, as one of five graphs and as print text.
// It works on its own copy of the history taken from the transfer area.
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "core/lottodatei.h"
#include "statistics/statistik_grafik.h"
#include "statistics/statistik_lauf.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace zahlix::ui {

class GrafikFlaeche;

class StatistikFenster : public QWidget {
    Q_OBJECT
  public:
    explicit StatistikFenster(QWidget* eltern = nullptr);
    ~StatistikFenster() override;
    QSize sizeHint() const override { return {860, 580}; }

    // Window procedures.
    void Ermitteln();  // starts, or asks a running statistic to stop
    void Drucken();
    void BereichEinstellen();
    void TitelAnzeigen();
    void AnzeigeLoeschen();
    bool Laeuft() const { return laeuft_; }
    const statistik::Lauf& Ergebnis() const { return lauf_; }

  public slots:
    // Chooses the type by its text (as in the menus); takes over the handed-over history.
    void ArtWaehlen(const QString& art);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    QWidget* KopfBauen();
    QWidget* ListenBauen();
    QWidget* GrafikBauen();
    void TypEinrichten();
    statistik::Parameter ParameterLesen() const;
    void ErgebnisZeigen();
    void WertartGewaehlt();
    void ListeGewaehlt();
    void GrafikZeichnen();
    // The graph of the shown result for a picture of that many pixels.
    statistik::Grafik GrafikFuer(int breite, int hoehe) const;
    void GrafikGezogen(int x, int y);
    void Status(const QString& text);
    void ZahlGetippt(int feld);

    Lottodatei daten_;
    statistik::Lauf lauf_;
    bool hatErgebnis_ = false;
    bool laeuft_ = false;
    bool stop_ = false;
    bool schliessenNachLauf_ = false;
    int typ_ = 0;
    int farbe_ = 3;

    std::array<QPushButton*, 3> bToolbar_{};
    QPushButton* bSchliessen_ = nullptr;
    QPushButton* bErmitteln_ = nullptr;
    QComboBox* cStatistikart_ = nullptr;
    std::array<QComboBox*, 2> cZahl_{};
    std::array<QLabel*, 2> bzZahl_{};
    std::array<QRadioButton*, 3> oZusatzzahl_{};
    QLabel* bzZusatzzahl_ = nullptr;
    QGroupBox* rListen_ = nullptr;
    QGroupBox* rText_ = nullptr;
    QTextEdit* rtStatistik_ = nullptr;
    QListWidget* lNormal_ = nullptr;
    QListWidget* lSortiert_ = nullptr;
    QListWidget* lAufSortiert_ = nullptr;
    QLabel* bzNormal_ = nullptr;
    QLabel* bzSortiert_ = nullptr;
    QLabel* bzAufSortiert_ = nullptr;
    QLabel* bzAuswertebereich_ = nullptr;
    QLabel* bzHilfe_ = nullptr;
    QComboBox* cListe_ = nullptr;
    QComboBox* cGrafik_ = nullptr;
    std::array<QRadioButton*, 5> oGrafikArt_{};
    std::array<QRadioButton*, 8> oGrafikfarbe_{};
    GrafikFlaeche* bdGrafik_ = nullptr;
};

QWidget* StatistikFensterErzeugen();

}  // namespace zahlix::ui
