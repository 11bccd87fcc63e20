#pragma once
// fZX: the evaluation window, the program's working surface. It owns the open draw history,
// shows the number grid, evaluates the selection after every change and shows the counters,
// the rows with hits and the status line. Its menus reach the other windows; the frame merges
// them through Menues().
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "core/lottodatei.h"
#include "evaluation/auswertung.h"
#include "evaluation/bericht.h"
#include "evaluation/fenster_logik.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

namespace zahlix {
struct DateiFensterRueckrufe;
struct Tippsystem;
}  // namespace zahlix

namespace zahlix::ui {

class TrefferlisteWidget;

class AuswertungFenster : public QWidget {
    Q_OBJECT
  public:
    // Opens the handed-over file (or asks for one) right away unless oeffnen is false.
    explicit AuswertungFenster(QWidget* eltern = nullptr, bool oeffnen = true);
    ~AuswertungFenster() override;

    // The size it opens with; its content scrolls, so the window itself can be far smaller.
    QSize sizeHint() const override { return {940, 560}; }

    // Its own menus between the frame's Start menu and its Extras, Fenster and Hilfe menus,
    // which keep working while this window's menus replace the frame's.
    Q_INVOKABLE QList<QMenu*> Menues() const;

    // Window procedures.
    void AuswertenAnzeigen();
    void AuswertenAutomatisch();
    void TrefferanzeigeLoeschen();
    void TrefferTitelAnzeigen();
    void ReihenMitTrefferAnzeigen();
    void ZahlenauswahlLoeschen();
    void ZahlenauswahlAbZahlLoeschen(int n);
    void TitelAnzeigen();
    void Animation();
    Bitworte HoleMarkierteZahlen() const;
    void KombinationAnzeigen();  // bKombiNr / Enter
    // F4: the summary block into the result buffer; Ctrl+P: the full report to the print output.
    void AuswertungZwischenspeichern();
    void AuswertungDrucken();

    // File commands.
    void LottodateiOeffnen();
    void DateiOeffnen();
    void DateiSpeichern();
    void DateiSpeichernUnter();
    void ToolbarSpeichern();
    void NeueDatei();
    // Tool bar "Bereich" and "Auswertebereich einstellen": the range dialog.
    void BereichEinstellen();
    // The close prompt; false when the window must stay (never, today: the prompt has no Cancel).
    bool SchliessenFragen();

    // State for the frame, other windows and tests.
    const Lottodatei& Daten() const { return *daten_; }
    Lottodatei& DatenAendern() { return *daten_; }
    int Trefferfilter() const { return trefferfilter_; }
    void TrefferfilterSetzen(int f);
    const Klassenzaehler& Zaehler() const { return zaehler_; }
    bool Beschaeftigt() const { return !busy_.isEmpty(); }
    // After a bulk change of the history (add, edit, delete a draw): buttons, range, title.
    void DatenNeuAnzeigen();
    // Takes a system's rows instead of the history (name: its file, or one still to be
    // chosen; geaendert: not saved yet). False with the reason for one the window cannot hold.
    bool SystemUebernehmen(const Tippsystem& s, const std::string& name, bool geaendert,
                           std::string& fehler);
    // Marks exactly these numbers, shows the list filter f and evaluates once.
    void AuswahlSetzen(const std::vector<int>& zahlen, int f);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    // construction (auswertung_fenster.cpp)
    void RasterBauen(QWidget* flaeche);
    QWidget* ZaehlerBauen();
    QWidget* ToolbarBauen();
    QWidget* GrafikBauen();
    // menus (auswertung_fenster_menue.cpp)
    void MenuesBauen();
    QAction* Aktion(QMenu* m, const char* name, const QString& text, const QKeySequence& k = {});
    void SpaeterDeaktivieren(QAction* a);
    QMenu* HilfeMenue() const;
    void ZiehungHinzufuegen();
    void AnalyseeintraegeFreigeben();
    void AnalysefensterOeffnen(const char* name, const QString& art);
    void AutomatischUmgeschaltet(bool an);
    void ZusatzzahlMenue(int i);
    void StatusZeigen(const QString& text);
    // keyboard and pop-ups (auswertung_fenster_tasten.cpp)
    bool TasteVerarbeiten(QKeyEvent* k);
    void ZiffernAktion(ZweiZiffernEingabe::Aktion a);
    void ZahlenfeldAktion(int eintrag);
    void RasterSchreiben(const Rasterzustand& neu);
    Rasterzustand RasterLesen() const;
    void ListeBlaettern(int zeilen, bool absolut = false);
    void ListeNachGroesse();
    void TimerSchritt();
    void FarbfeldGeklickt(int i);
    void FarbfelderAnzeigen();
    // display (auswertung_fenster_anzeige.cpp)
    void ZaehlerAnzeigen();
    void ZahlGeklickt();
    void ZusatzzahlGeklickt(int i);
    void ZaehlerTitelGeklickt(int i);
    void KnoepfeFreigeben();
    void BusySetzen(const QString& s);
    Auswertungsanzeige Anzeige() const;
    // A system has no bonus numbers and no draws to add or correct.
    void SystemmodusAnzeigen();
    // files (auswertung_fenster_datei.cpp)
    DateiFensterRueckrufe DateiRueckrufe();

    std::unique_ptr<Lottodatei> daten_;
    Klassenzaehler zaehler_{};
    int trefferfilter_ = 10;
    QString busy_;               // the tag of bKombiNr
    bool listeAmBauen_ = false;  // the tag of vbTreffer
    ZweiZiffernEingabe ziffern_;
    int popupIndex_ = 0;
    std::string vorherigerName_;

    std::array<QPushButton*, 49> kZahl_{};
    std::array<QLabel*, 24> bzTreffer_{};
    std::array<QCheckBox*, 3> kTreffer_{};
    std::array<QToolButton*, 9> bToolbar_{};
    std::array<QScrollBar*, 3> hbBarometer_{};
    std::array<QLabel*, 3> bzBarometer_{};
    std::array<QLabel*, 4> bzFarbfeld_{};
    QLabel* bzTitel_[2]{};
    QLabel* bzTreffertitel_ = nullptr;
    QLabel* bzBereich_ = nullptr;  // "Bereich - " and the range line
    TrefferlisteWidget* bdTreffer_ = nullptr;
    QScrollBar* vbTreffer_ = nullptr;
    QLabel* bzHilfe_ = nullptr;
    QPushButton* bKombiNr_ = nullptr;
    QPushButton* bSchliessen_ = nullptr;
    QPushButton* bzGrafik_ = nullptr;
    QTimer* zeit_ = nullptr;
    QTimer* timer1_ = nullptr;

    QList<QMenu*> menues_;
    QMenu* mDatei_ = nullptr;
    QMenu* mBearbeiten_ = nullptr;
    QMenu* mZeigen_ = nullptr;
    QMenu* mStatistiken_ = nullptr;
    QMenu* mErmittlungen_ = nullptr;
    QMenu* mHilfe_ = nullptr;
    QMenu* mZahlenfeld_ = nullptr;
    QMenu* mZahlenfeldgrafik_ = nullptr;
    QAction* mMarkierteZahlenAuswerten_ = nullptr;
    QAction* mAutomatischAuswerten_ = nullptr;
    std::array<QAction*, 3> mZusatzzahlAuswerten_{};
    QAction* mAnimation_ = nullptr;
    QAction* mReihenDanachAnzeigen_ = nullptr;
    std::array<QAction*, 13> mFilter_{};
};

// Creates the window (it opens the handed-over file at once); the frame's factory for "fZX".
QWidget* AuswertungFensterErzeugen();

}  // namespace zahlix::ui
