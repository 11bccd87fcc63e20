#pragma once
// fZXT, the main frame: a multiple-document window with the start toolbar (Toolbar1), the
// window bar (Toolbar2), the Quick-Info line (bdQuickInfo) and the status bar.
//
// Child windows come in through FensterZeigen (app/ui/fenster.h) and follow two dynamic
// properties: "zahlixKurz" is the window-bar caption, "zahlixQuickInfo" the text shown while
// the window is active. The window title is the window-bar button's tool tip.
//
// Menu merging: a child window with menus of its own replaces the frame's menus while it is
// active. The frame asks the child in this order:
//   1. an invokable method `Q_INVOKABLE QList<QMenu*> Menues() const`;
//   2. for a QMainWindow child, the menus of its menu bar (that bar is hidden inside the frame).
// The right mouse button on the frame's background or on Toolbar2 pops up the child's menu
// whose objectName is "mFenster" (or title "&Fenster"); on bzQuickInfo1 its "mHilfe" menu; the
// frame's own menus stand in when the child has none.
#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QActionGroup;
class QFrame;
class QKeyEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QTimer;
class QToolBar;

namespace zahlix::ui {

// The close request's question; it points to this topic of the program's help.
inline constexpr const char* kBeendenHilfethema = "Zahlix.Wie kann ich?";
std::string BeendenFrage();
// The Quick-Info text while no child window is open.
QString RahmenQuickInfo();

class Rahmen : public QMainWindow {
    Q_OBJECT
  public:
    explicit Rahmen(QWidget* parent = nullptr);
    ~Rahmen() override;

    // The frame while it exists.
    static Rahmen* Instanz();

    // The load sequence: position, cascade count, Quick-Info colour, result buffer, tables,
    // start directory, hidden lottery buttons, week panel, start file and evaluation window.
    // `vorAuswertung` runs just before the evaluation window opens (it may ask for a file).
    void Laden(const std::function<void()>& vorAuswertung = {});

    QMdiArea* Flaeche() const { return flaeche_; }
    // Makes w a child window: placed by NaechstePosition, window-bar button, tag "kF".
    QMdiSubWindow* FensterAufnehmen(QWidget* w);
    // The widget of the current child window, or nullptr.
    QWidget* AktivesFenster() const;

    // Quick-Info line: check mark of mQuickInfo and visibility from the option.
    void QuickInfo();
    void QuickInfoSetzen(const QString& text);
    QString QuickInfoText() const;
    void QuickInfoMerken(const QString& text);
    void QuickInfoZurueck();
    QColor QuickInfoFarbe() const { return farbe0_; }

    // Busy display: Timer1 and "In Arbeit" while busy, "Zahlix-Info" on light yellow after.
    void BeschaeftigtAnzeigen(bool beschaeftigt);
    // Timer1's tick: the label's colour XOR RGB(255, 0, 255).
    void Blinken();

    // A click on the Toolbar1 button with this key (ignored while a click is handled).
    void StartKnopf(const QString& taste);
    QString StartleisteTag() const { return startTag_; }

    void KaskadeNeuBerechnen();
    // Enables menu entries and buttons whose windows exist.
    void AktionenAktualisieren();
    bool Endet() const { return endet_; }

    // The close request without a window-system event, for ProgrammBeenden.
    void Beenden();

  signals:
    // The frame has closed; the program ends.
    void Beendet();

  protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    // rahmen_menue.cpp
    void MenuesAufbauen();
    QAction* Eintrag(QMenu* menue, const char* name, const QString& text);
    QList<QMenu*> KindMenues(QWidget* kind) const;
    QMenu* KindMenue(const QString& name, const QString& titel) const;
    void MenueleisteZeigen(QWidget* kind);
    void SymboleAnordnen();
    void MenueKopieren();
    void MenueOptionen();
    void MenueQuickInfo();
    void MenueInfo();
    // rahmen_leisten.cpp
    void StartleisteAufbauen();
    void LotterieKnoepfePruefen();
    void FensterleisteKnopf(QMdiSubWindow* sub, QWidget* w, const QString& tag);
    void FensterleisteEntfernen(const QString& tag);
    void FensterleisteKlick(const QString& tag);
    void FensterAktiviert(QMdiSubWindow* sub);
    // Keeps a child window inside the work area where it fits and never smaller than its
    // controls need; `begrenzen` also shrinks it to the work area.
    void Einpassen(QMdiSubWindow* sub, bool begrenzen);
    // rahmen_info.cpp
    void QuickInfoAufbauen();
    void StatusleisteAufbauen();
    void StatusAktualisieren();
    void TastenBeobachten(const QKeyEvent* e);
    void WieKannIch();
    void FarbeSetzen(QColor farbe);

    QMdiArea* flaeche_ = nullptr;
    QToolBar* startleiste_ = nullptr;
    QToolBar* fensterleiste_ = nullptr;
    QActionGroup* fensterGruppe_ = nullptr;
    QFrame* quickInfo_ = nullptr;
    QLabel* quickInfo0_ = nullptr;
    QLabel* quickInfo1_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* uhr_ = nullptr;
    QLabel* panelFeststell_ = nullptr;
    QLabel* panelEinfg_ = nullptr;
    QLabel* panelNum_ = nullptr;
    QLabel* panelDatum_ = nullptr;
    QLabel* panelZeit_ = nullptr;
    QLabel* panelWoche_ = nullptr;
    QList<QMenu*> eigeneMenues_;
    QAction* mQuickInfo_ = nullptr;
    QColor farbe0_;
    QString startTag_;
    QStringList quickInfoStapel_;
    bool endet_ = false;
    bool beendenBestaetigt_ = false;
    bool feststell_ = false, einfg_ = true, num_ = false;
};

}  // namespace zahlix::ui
