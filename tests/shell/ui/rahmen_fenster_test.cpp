// Child windows inside the frame: window bar, placement, Quick-Info, menus, the number
// clipboard, the busy display and the end of the program.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/anwendungsdateien.h"
#include "app/fensterplatz.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "app/ui/qt_port.h"
#include "help/hilfetext.h"
#include "rahmen_hilfen_test.h"
#include "shell/optionen.h"
#include "shell/ui/rahmen.h"

using namespace zahlix;
using namespace zahlix::test;

namespace {

QStringList Fensterleiste(const ui::Rahmen& r) {
    QStringList knoepfe;
    for (QAction* a : r.findChild<QToolBar*>("Toolbar2")->actions())
        if (a->isVisible()) knoepfe << a->objectName() + ":" + a->text();
    return knoepfe;
}

QStringList Menueleiste(const ui::Rahmen& r) {
    QStringList titel;
    for (QAction* a : r.menuBar()->actions()) titel << a->text();
    return titel;
}

template <class F>
F* Zeigen(F* fenster) {
    ui::FensterZeigen(fenster);
    return fenster;
}

QString QuickInfoLabel(const ui::Rahmen& r) {
    return r.findChild<QLabel*>("bzQuickInfo1")->text();
}

}  // namespace

TEST_F(RahmenTest, FensterleisteKnoepfeKommenUndGehen) {
    Starten();
    auto* a = new KindFenster("fStatistik", "ST", "Statistik");
    auto* b = new SchlichtesFenster("fHilfe", "HI");
    ui::FensterZeigen(a);
    ui::FensterZeigen(b);
    EXPECT_EQ(Fensterleiste(*rahmen), (QStringList{"1F:ST", "2F:HI"}));
    auto* knopf = rahmen->findChild<QToolBar*>("Toolbar2")->findChild<QAction*>("1F");

    // A click brings its window to the front, also out of the minimised state.
    auto* subA = qobject_cast<QMdiSubWindow*>(a->parentWidget());
    EXPECT_EQ(rahmen->AktivesFenster(), b);
    subA->showMinimized();
    rahmen->Flaeche()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(b->parentWidget()));
    knopf->trigger();
    EXPECT_EQ(rahmen->AktivesFenster(), a);
    EXPECT_FALSE(subA->isMinimized());

    // Closing removes the button at once; the window counter keeps counting.
    b->parentWidget()->close();
    EXPECT_EQ(Fensterleiste(*rahmen), QStringList{"1F:ST"});
    EXPECT_EQ(ui::FensterSuchen("fHilfe"), nullptr);
    Verarbeiten();
    ui::FensterZeigen(new SchlichtesFenster("fDrucker", "DR"));
    EXPECT_EQ(Fensterleiste(*rahmen), (QStringList{"1F:ST", "3F:DR"}));

    // A window may close itself; its frame and button go with it, also when minimised before.
    auto* c = Zeigen(new KindFenster("fErmittlung", "AN", ""));
    c->parentWidget()->showMinimized();
    c->parentWidget()->showNormal();
    c->close();
    EXPECT_EQ(ui::FensterSuchen("fErmittlung"), nullptr);
    Verarbeiten();
    EXPECT_EQ(Fensterleiste(*rahmen), (QStringList{"1F:ST", "3F:DR"}));
    EXPECT_EQ(rahmen->Flaeche()->subWindowList().size(), 2);

    // A window that refuses to close keeps its button.
    a->verweigern = true;
    EXPECT_FALSE(subA->close());
    a->close();
    Verarbeiten();
    EXPECT_EQ(Fensterleiste(*rahmen), (QStringList{"1F:ST", "3F:DR"}));
    EXPECT_EQ(ui::FensterSuchen("fStatistik"), a);
}

TEST_F(RahmenTest, KindfensterStaffelnSichNachDerInnenhoehe) {
    Starten();
    rahmen->resize(900, 720);
    Verarbeiten();
    EXPECT_EQ(Programm().kaskade, KaskadeBerechnen(PixelZuTwips(rahmen->Flaeche()->height())));
    Programm().kaskade = 4;
    Programm().platzierungszaehler = 1;
    auto* w = Zeigen(new SchlichtesFenster("fX", "X"));
    EXPECT_EQ(PixelZuTwips(w->parentWidget()->x()), 330);
    EXPECT_EQ(PixelZuTwips(w->parentWidget()->y()), 330);

    // Too wide for its cascade place, a window moves into the work area; one that comes to
    // need more room for its controls grows.
    const QRect platz = rahmen->Flaeche()->viewport()->rect();
    auto* breit = new SchlichtesFenster("fY", "Y");
    breit->setMinimumSize(platz.width() - 20, 100);
    Zeigen(breit);
    Verarbeiten();
    EXPECT_TRUE(platz.contains(breit->parentWidget()->geometry()));
    breit->setMinimumSize(platz.width() - 20, 300);
    Verarbeiten();
    EXPECT_GE(breit->parentWidget()->height(), breit->parentWidget()->minimumSizeHint().height());
}

TEST_F(RahmenTest, QuickInfoFolgtDemAktivenFensterUndWirdZurueckgegeben) {
    Starten();
    auto* a = new KindFenster("fZX", "LO", "Lotto-Auswertung\r\n\r\n-> 'Neu'\r\nErstellt");
    auto* b = new KindFenster("fStatistik", "ST", "Statistik zeigt");
    ui::FensterZeigen(a);
    EXPECT_EQ(QuickInfoLabel(*rahmen), "Lotto-Auswertung\n\n-> 'Neu'\nErstellt");
    ui::FensterZeigen(b);
    EXPECT_EQ(rahmen->QuickInfoText(), "Statistik zeigt");

    // A dialog saves the text and gives it back; nested dialogs unwind in order.
    ui::QuickInfoMerken("Optionen einstellen");
    EXPECT_EQ(rahmen->QuickInfoText(), "Optionen einstellen");
    ui::QuickInfoMerken("Dateiabfrage");
    ui::QuickInfoZurueck();
    EXPECT_EQ(rahmen->QuickInfoText(), "Optionen einstellen");
    ui::QuickInfoZurueck();
    EXPECT_EQ(rahmen->QuickInfoText(), "Statistik zeigt");
    ui::QuickInfoZurueck();  // one too many changes nothing
    EXPECT_EQ(rahmen->QuickInfoText(), "Statistik zeigt");

    // A window that changes its text while active shows the new text.
    b->setProperty("zahlixQuickInfo", "Statistik: Häufigkeit");
    EXPECT_EQ(rahmen->QuickInfoText(), "Statistik: Häufigkeit");
    a->setProperty("zahlixQuickInfo", "inaktiv");
    EXPECT_EQ(rahmen->QuickInfoText(), "Statistik: Häufigkeit");

    // With the last window gone the frame's own text returns.
    a->parentWidget()->close();
    b->parentWidget()->close();
    Verarbeiten();
    EXPECT_EQ(rahmen->QuickInfoText(), ui::RahmenQuickInfo());
}

TEST_F(RahmenTest, MenuesDesAktivenFenstersErsetzenDieDesRahmens) {
    Starten();
    const QStringList eigene = Menueleiste(*rahmen);
    auto* a = Zeigen(new KindFenster("fZX", "LO", ""));
    EXPECT_EQ(Menueleiste(*rahmen), (QStringList{"&Datei", "&Fenster"}));

    auto* schlicht = Zeigen(new SchlichtesFenster("fHilfe", "HI"));
    EXPECT_EQ(Menueleiste(*rahmen), eigene);

    // A QMainWindow child lends the frame its menu bar.
    auto* haupt = new QMainWindow;
    haupt->setObjectName("fDrucker");
    haupt->setProperty("zahlixKurz", "DR");
    haupt->menuBar()->addMenu("&Drucken")->addAction("&Seite einrichten");
    ui::FensterZeigen(haupt);
    EXPECT_EQ(Menueleiste(*rahmen), QStringList{"&Drucken"});
    EXPECT_TRUE(haupt->menuBar()->isHidden());

    a->parentWidget()->close();
    haupt->parentWidget()->close();
    schlicht->parentWidget()->close();
    Verarbeiten();
    EXPECT_EQ(Menueleiste(*rahmen), eigene);
}

TEST_F(RahmenTest, ZahlenablageKopiertUndFuegtNurFreigegebeneEin) {
    Starten();
    auto* quelle = new KindFenster("fZX", "LO", "");
    auto* ziel = new KindFenster("fErmittlung", "AN", "", 45);
    ui::FensterZeigen(quelle);
    for (int n : {3, 17, 45, 46, 49}) quelle->Zahl(n)->setChecked(true);
    Aktion("mZahlenKopieren")->trigger();
    EXPECT_EQ(Zahlenablage()[2], 1);
    EXPECT_EQ(Zahlenablage()[48], 1);
    EXPECT_EQ(Zahlenablage()[0], 0);

    ui::FensterZeigen(ziel);
    ziel->Zahl(1)->setChecked(true);   // cleared by the paste
    ziel->Zahl(47)->setChecked(true);  // disabled, stays as it is
    ziel->Zahl(47)->setEnabled(false);
    Aktion("mZahlenEinfuegen")->trigger();
    EXPECT_EQ(ziel->Markiert(), (std::vector<int>{3, 17, 45, 47}));

    // Windows without number buttons leave the clipboard alone.
    ui::FensterZeigen(new SchlichtesFenster("fHilfe", "HI"));
    Zahlenablage().fill(0);
    EXPECT_FALSE(Aktion("mZahlenKopieren")->isEnabled());
    EXPECT_FALSE(ui::ZahlenKopieren(rahmen->AktivesFenster()));
    EXPECT_EQ(Zahlenablage()[2], 0);
    // The number menu shows only where it acts.
    EXPECT_FALSE(Aktion("mZahlenfeld_Titel")->isVisible());
    ui::FensterZeigen(new KindFenster("fErmittlung", "AN", "", 49, false));
    EXPECT_TRUE(Aktion("mZahlenfeld_Titel")->isVisible());
}

TEST_F(RahmenTest, VerschachtelteArbeitBehaeltSanduhrUndBlinkt) {
    Starten();
    ui::QtPort qt;
    Port* skript = PortInstallieren(&qt);
    auto* info0 = rahmen->findChild<QLabel*>("bzQuickInfo0");
    auto* timer1 = rahmen->findChild<QTimer*>("Timer1");

    Beschaeftigt(-1);
    Beschaeftigt(-1);
    Beschaeftigt(0);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(info0->text(), "In Arbeit");
    EXPECT_TRUE(timer1->isActive());
    rahmen->Blinken();

    Beschaeftigt(0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(info0->text(), "Zahlix-Info");
    EXPECT_FALSE(timer1->isActive());
    EXPECT_EQ(rahmen->QuickInfoFarbe(), QColor(255, 255, 222)) << "ends on light yellow";
    Beschaeftigt(0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    PortInstallieren(skript);
}

TEST_F(RahmenTest, BeendenFragtUndSchliesstKinderfenster) {
    Starten();
    auto* a = new KindFenster("fZX", "LO", "");
    a->verweigern = true;  // like the result buffer, which only closes at the end
    ui::FensterZeigen(a);
    QSignalSpy beendet(rahmen.get(), &ui::Rahmen::Beendet);

    port.tasten = {Taste::Zweite};
    ui::ProgrammBeenden();
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text, ui::BeendenFrage());
    std::string fehler;
    const auto hilfe = HilfedateiLaden(test::Quelle("../data/ZX2005.ZXH"), fehler);
    EXPECT_TRUE(hilfe && hilfe->Thema(ui::kBeendenHilfethema)) << fehler;
    EXPECT_EQ(port.meldungen[0].knoepfe, Knoepfe::JaNein);
    EXPECT_TRUE(rahmen->isVisible());
    EXPECT_EQ(a->schliessen, 0);
    EXPECT_EQ(beendet.count(), 0);

    port.tasten = {Taste::Erste};
    rahmen->close();
    EXPECT_EQ(beendet.count(), 1);
    EXPECT_FALSE(rahmen->isVisible());
    Verarbeiten();
    EXPECT_TRUE(rahmen->Flaeche()->subWindowList().isEmpty());
}

TEST_F(RahmenTest, KopierenLegtDasGemeinsameBildAb) {
    Starten();
    ui::GemeinsamesBildSetzen(QImage());
    EXPECT_FALSE(Aktion("mKopieren")->isEnabled());
    QImage bild(40, 30, QImage::Format_RGB32);
    bild.fill(QColor(10, 120, 200));
    ui::GemeinsamesBildSetzen(bild);
    EXPECT_TRUE(Aktion("mKopieren")->isEnabled());
    Aktion("mKopieren")->trigger();
    const QImage abgelegt = QGuiApplication::clipboard()->image();
    EXPECT_EQ(abgelegt.size(), QSize(40, 30));
    EXPECT_EQ(abgelegt.pixelColor(5, 5), QColor(10, 120, 200));
    ui::GemeinsamesBildSetzen(QImage());
}

namespace {

// A help window that records the topics it is told to show.
class HilfeAttrappe : public QWidget {
    Q_OBJECT
  public:
    HilfeAttrappe() {
        setObjectName("fHilfe");
        setProperty("zahlixKurz", "HI");
    }
    Q_INVOKABLE void ThemaZeigen(const QString& thema) { themen << thema; }
    Q_INVOKABLE void HilfethemaZeigen() { themen << QString::fromStdString(Hilfethema()); }
    QStringList themen;
};

}  // namespace

TEST_F(RahmenTest, WieKannIchOeffnetDieHilfeAmThema) {
    Starten();
    auto* knopf = rahmen->findChild<QPushButton*>("bzWieKannIch");
    EXPECT_FALSE(knopf->isEnabled()) << "no help window in this program yet";
    HilfeAttrappe* hilfe = nullptr;
    ui::FensterAnmelden("fHilfe", [&hilfe]() -> QWidget* { return hilfe = new HilfeAttrappe; });
    EXPECT_TRUE(knopf->isEnabled());
    Hilfethema() = "Zahlix.Start";
    knopf->click();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->themen, QStringList{"Zahlix.Wie kann ich?"});
    EXPECT_EQ(Hilfethema(), "Zahlix.Wie kann ich?");

    // With the help window active the topic goes straight to it.
    Hilfethema() = "Zahlix.Start";
    knopf->click();
    EXPECT_EQ(hilfe->themen, (QStringList{"Zahlix.Wie kann ich?", "Zahlix.Wie kann ich?"}));
    EXPECT_EQ(Hilfethema(), "Zahlix.Start");
}

TEST_F(RahmenTest, RechteMausZeigtDasFenstermenueDesAktivenFensters) {
    Starten();
    auto* kind = Zeigen(new KindFenster("fZX", "LO", ""));
    auto* menue = kind->findChild<QMenu*>("mFenster");
    QWidget* hintergrund = rahmen->Flaeche()->viewport();
    QContextMenuEvent klick(QContextMenuEvent::Mouse, QPoint(5, 5),
                            hintergrund->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(hintergrund, &klick);
    EXPECT_TRUE(menue->isVisible());
    menue->close();

    // Without a child window of its own menus the frame's menu stands in.
    kind->parentWidget()->close();
    Verarbeiten();
    QApplication::sendEvent(rahmen->findChild<QToolBar*>("Toolbar2"), &klick);
    auto* eigenes = rahmen->findChild<QMenu*>("mFenster");
    EXPECT_TRUE(eigenes->isVisible());
    eigenes->close();
}

TEST_F(RahmenTest, NeuesAuswertungsfensterNurWennDasAlteSchliesst) {
    AuswertungAnmelden();
    Starten();
    KindFenster* alt = Auswertung();
    ASSERT_NE(alt, nullptr);
    alt->verweigern = true;
    ui::LottoAuswertungNeu();
    EXPECT_EQ(alt->schliessen, 1);
    EXPECT_EQ(erzeugt, 1) << "the window the user still works in stays the only one";
    EXPECT_EQ(Auswertung(), alt);

    alt->verweigern = false;
    ui::LottoAuswertungNeu();
    EXPECT_EQ(erzeugt, 2);
    EXPECT_NE(Auswertung(), alt);
    EXPECT_EQ(rahmen->AktivesFenster(), Auswertung());
}

TEST_F(RahmenTest, NachDenOptionenFolgtDasAktiveFensterDerMaximierung) {
    Starten();
    auto* kind = Zeigen(new KindFenster("fZX", "LO", "Auswertung"));
    auto* sub = qobject_cast<QMdiSubWindow*>(kind->parentWidget());
    QString quickInfoWaehrend;
    auto abbrechen = [&] {
        QTimer::singleShot(0, rahmen.get(), [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            quickInfoWaehrend = rahmen->QuickInfoText();
            dialog->findChild<QPushButton*>("bAbbrechen")->click();
        });
    };
    abbrechen();
    Aktion("mOptionen")->trigger();
    EXPECT_TRUE(sub->isMaximized()) << "standard: Alle Fenster maximieren";
    EXPECT_TRUE(quickInfoWaehrend.startsWith("Optionen einstellen"));
    EXPECT_EQ(rahmen->QuickInfoText(), "Auswertung");

    Optionen().allgemein[1] = 0;
    abbrechen();
    Aktion("mOptionen")->trigger();
    EXPECT_FALSE(sub->isMaximized());
}

TEST_F(RahmenTest, TitelBleibtBeiMaximiertemKindfenster) {
    Starten();
    auto* a = new SchlichtesFenster("fA", "A");
    auto* b = new SchlichtesFenster("fB", "B");
    ui::FensterZeigen(a);
    qobject_cast<QMdiSubWindow*>(a->parentWidget())->showMaximized();
    ui::FensterZeigen(b);
    Verarbeiten();
    EXPECT_EQ(rahmen->windowTitle().toStdString(), "Zahlix Freeware");
}

#include "rahmen_fenster_test.moc"
