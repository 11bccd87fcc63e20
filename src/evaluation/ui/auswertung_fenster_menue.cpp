// Menus of the evaluation window and the commands behind them.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "app/ui/fenster.h"
#include "core/bereich_auswahl.h"
#include "core/import_befehl.h"
#include "evaluation/ui/bereich_dialog.h"
#include "evaluation/ui/auswertung_fenster.h"
#include "evaluation/ui/edit_ziehung_dialog.h"
#include "evaluation/ui/neue_ziehung_dialog.h"
#include "evaluation/ziehung_befehle.h"
#include "help/ui/hilfetaste.h"
#include "shell/optionen.h"
#include "shell/ui/rahmen.h"
#include "statistics/ui/zahlenfeldgrafik_anzeige.h"
#include "systems/ui/system_auswertung_fenster.h"
#include "systems/ui/verkuerzung_dialog.h"

namespace zahlix::ui {

namespace {

const char* const kFilterNamen[13] = {
    "mNullTreffer",  "mEinTreffer",    "mZweiTreffer", "mDreiTreffer", "mVierTreffer",
    "mFuenfTreffer", "mSechsTreffer",  "m3Zusatzzahl", "m4Zusatzzahl", "m5Zusatzzahl",
    "mAlleTreffer",  "mGewinntreffer", "mImmerAlle"};
const char* const kFilterTexte[13] = {
    "&Null Treffer", "&Ein Treffer",   "&ZweiTreffer",   "&Drei Treffer",  "&Vier Treffer",
    "&Fünf Treffer", "&Sechs Treffer", "&3+ Zusatzzahl", "&4+ Zusatzzahl", "&5+ Zusatzzahl",
    "&Alle Treffer", "&Gewinntreffer", "I&mmer alle"};
const char* const kStatistiken[16] = {
    "Zahlen wie oft",      "Wann zuletzt gezogen", "Wie oft * Wann zuletzt",
    "Zahlentendenz",       "Wann wieder gezogen",  "Wie oft danach gezogen",
    "Wochenverteilung",    "Jahresverteilung",     "Gruppenverteilung",
    "Zweierkombination",   "Dreierkombination",    "Nachbarzahlen",
    "Wie oft an Position", "Ziehungsabstand",      "Zahlensumme",
    "Zahlenabstand"};
const char* const kAnalysen[15] = {"Prognosen",
                                   "Zufallszahlen",
                                   "Gewinnzahlen",
                                   "Glückszahlen",
                                   "Pechzahlen",
                                   "Summenzahlen",
                                   "Kombinationszahlen",
                                   "Zweierwiederholungen",
                                   "Dreierwiederholungen",
                                   "Viererwiederholungen",
                                   "Fünferwiederholungen",
                                   "Trefferverteilung",
                                   "Zahlenabstand",
                                   "Zerlegungsprüfung",
                                   "Horoskop"};
const char* const kGrafiken[6] = {"Ohne Statistik",  "Wann zuletzt gezogen", "Zahlentendenz 2",
                                  "Zahlenbarometer", "Nachbarkombinationen", "Zahlix-Barometer"};

}  // namespace

QAction* AuswertungFenster::Aktion(QMenu* m, const char* name, const QString& text,
                                   const QKeySequence& k) {
    auto* a = m->addAction(text);
    a->setObjectName(name);
    if (!k.isEmpty()) {
        a->setShortcut(k);
        // Only while the focus is inside this window: other windows use the same keys.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    }
    return a;
}

void AuswertungFenster::SpaeterDeaktivieren(QAction* a) {
    a->setEnabled(false);
    a->setToolTip(QStringLiteral("Noch nicht verfügbar"));
}

void AuswertungFenster::MenuesBauen() {
    const auto u = [](const char* s) { return QString::fromUtf8(s); };

    mDatei_ = new QMenu(u("&Datei"), this);
    mDatei_->setObjectName("mDatei");
    connect(Aktion(mDatei_, "mNeueDatei", u("&Neue Datei..."), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &AuswertungFenster::NeueDatei);
    connect(Aktion(mDatei_, "mDateiOeffnen", u("Ö&ffnen..."), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &AuswertungFenster::DateiOeffnen);
    connect(Aktion(mDatei_, "mDateiHinzufuegen", u("Datei &hinzufügen...")), &QAction::triggered,
            this, [this] {
                if (!Beschaeftigt() && LottodateiHinzufuegen(*daten_)) DatenNeuAnzeigen();
            });
    connect(Aktion(mDatei_, "mDateiSpeichern", u("&Speichern"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &AuswertungFenster::DateiSpeichern);
    connect(Aktion(mDatei_, "mDateiSpeichernUnter", u("Speichern &unter...")), &QAction::triggered,
            this, &AuswertungFenster::DateiSpeichernUnter);
    mDatei_->addSeparator();
    SpaeterDeaktivieren(
        Aktion(mDatei_, "mTeildateiTrefferanzeige", u("Teildatei &Trefferanzeige...")));
    SpaeterDeaktivieren(
        Aktion(mDatei_, "mTeildateiAuswertebereich", u("Teildatei &Auswertebereich...")));
    mDatei_->addSeparator();
    connect(Aktion(mDatei_, "mSystemdateiAuswerten", u("S&ystemdatei auswerten...")),
            &QAction::triggered, this, [this] {
                if (!Beschaeftigt()) SystemAuswertungZeigen(*daten_);
            });
    connect(Aktion(mDatei_, "mTippsPruefen", u("&Tipps prüfen...")), &QAction::triggered, this,
            [this] {
                if (!Beschaeftigt()) SystemAuswertungZeigen(*daten_, true);
            });
    mDatei_->addSeparator();
    connect(Aktion(mDatei_, "MAuswertungZwischenspeichern", u("Auswertung z&wischenspeichern"),
                   QKeySequence(Qt::Key_F4)),
            &QAction::triggered, this, &AuswertungFenster::AuswertungZwischenspeichern);
    connect(Aktion(mDatei_, "mAuswertungDrucken", u("Auswertung &drucken"),
                   QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &AuswertungFenster::AuswertungDrucken);
    mDatei_->addSeparator();
    connect(Aktion(mDatei_, "mLottoAuswertungBeenden", u("Modul &beenden...")), &QAction::triggered,
            this, &QWidget::close);

    mBearbeiten_ = new QMenu(u("&Bearbeiten"), this);
    mBearbeiten_->setObjectName("mBearbeiten");
    connect(Aktion(mBearbeiten_, "mZiehungHinzufuegen", u("Ziehung &hinzufügen..."),
                   QKeySequence(Qt::CTRL | Qt::Key_H)),
            &QAction::triggered, this, &AuswertungFenster::ZiehungHinzufuegen);
    connect(Aktion(mBearbeiten_, "mZiehungenEditieren", u("Ziehung b&erichtigen..."),
                   QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, [this] {
                if (Beschaeftigt()) return;
                if (ZiehungBerichtigenDialog(this, *daten_, [this](const std::string& t) {
                        StatusZeigen(QString::fromStdString(t));
                        bzHilfe_->repaint();
                    }))
                    DatenNeuAnzeigen();
            });
    connect(Aktion(mBearbeiten_, "mLetzteZiehungLoeschen", u("Letzte Ziehung &löschen")),
            &QAction::triggered, this, [this] {
                if (!Beschaeftigt() && LetzteZiehungLoeschen(*daten_)) DatenNeuAnzeigen();
            });
    mBearbeiten_->addSeparator();
    connect(Aktion(mBearbeiten_, "mAuswertebereichEinstellen", u("Auswertebereich &einstellen...")),
            &QAction::triggered, this, &AuswertungFenster::BereichEinstellen);
    SpaeterDeaktivieren(Aktion(mBearbeiten_, "mAuswertebereichIstTrefferanzeige",
                               u("Auswertebereich = &Trefferanzeige")));
    connect(Aktion(mBearbeiten_, "mAuswertebereichAufheben", u("Auswertebereich &aufheben")),
            &QAction::triggered, this, [this] {
                if (Beschaeftigt()) return;
                BereichAufheben(*daten_);
                DatenNeuAnzeigen();
            });
    SpaeterDeaktivieren(Aktion(mBearbeiten_, "mKennungSetzen", u("&Kennung setzen...")));
    mBearbeiten_->addSeparator();
    connect(Aktion(mBearbeiten_, "mZwieschenspeicerBearbeiten", u("&Zwischenspeicher bearbeiten"),
                   QKeySequence(Qt::CTRL | Qt::Key_Z)),
            &QAction::triggered, this, [] { ZwischenspeicherZeigen(); });

    mZeigen_ = new QMenu(u("&Zeigen"), this);
    mZeigen_->setObjectName("mZeigen");
    auto* gruppe = new QActionGroup(this);
    const QKeySequence filterTasten[13] = {{},
                                           {},
                                           {},
                                           {},
                                           {},
                                           {},
                                           {},
                                           {},
                                           {},
                                           {},
                                           QKeySequence(Qt::CTRL | Qt::Key_A),
                                           QKeySequence(Qt::CTRL | Qt::Key_G),
                                           QKeySequence(Qt::CTRL | Qt::Key_I)};
    for (int f = 0; f < 13; ++f) {
        if (f == 7 || f == 10) mZeigen_->addSeparator();
        QAction* a = Aktion(mZeigen_, kFilterNamen[f], u(kFilterTexte[f]), filterTasten[f]);
        a->setCheckable(true);
        gruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, f] {
            TrefferfilterSetzen(f);
            AuswertenAnzeigen();
        });
        mFilter_[static_cast<size_t>(f)] = a;
    }
    mZeigen_->addSeparator();
    mMarkierteZahlenAuswerten_ = Aktion(mZeigen_, "mMarkierteZahlenAuswerten",
                                        u("&Markierte Zahlen auswerten"), QKeySequence(Qt::Key_F9));
    connect(mMarkierteZahlenAuswerten_, &QAction::triggered, this,
            &AuswertungFenster::AuswertenAnzeigen);
    mAutomatischAuswerten_ = Aktion(mZeigen_, "mAutomatischAuswerten", u("&Automatisch auswerten"));
    mAutomatischAuswerten_->setCheckable(true);
    mAutomatischAuswerten_->setChecked(Optionen().lottoAuswertung[0] != 0);
    mMarkierteZahlenAuswerten_->setEnabled(!mAutomatischAuswerten_->isChecked());
    connect(mAutomatischAuswerten_, &QAction::triggered, this,
            &AuswertungFenster::AutomatischUmgeschaltet);
    for (int i = 0; i < 3; ++i) {
        QAction* a = Aktion(mZeigen_, "", u("&%1+ Zusatzzahl auswerten").arg(i + 3));
        a->setObjectName(QStringLiteral("mZusatzzahlAuswerten_%1").arg(i));
        a->setCheckable(true);
        a->setChecked(kTreffer_[static_cast<size_t>(i)]->isChecked());
        connect(a, &QAction::triggered, this, [this, i] { ZusatzzahlMenue(i); });
        mZusatzzahlAuswerten_[static_cast<size_t>(i)] = a;
    }
    mZeigen_->addSeparator();
    mReihenDanachAnzeigen_ =
        Aktion(mZeigen_, "mReihenDanachAnzeigen", u("&Reihen danach anzeigen"));
    mReihenDanachAnzeigen_->setCheckable(true);
    SpaeterDeaktivieren(mReihenDanachAnzeigen_);
    mAnimation_ = Aktion(mZeigen_, "mAnimation", u("A&nimiertes Zahlenfeld"));
    mAnimation_->setCheckable(true);
    mAnimation_->setChecked(Optionen().lottoAuswertung[1] != 0);
    connect(mAnimation_, &QAction::triggered, this, &AuswertungFenster::Animation);
    mZeigen_->addSeparator();
    connect(Aktion(mZeigen_, "mZiehungenAnzeigen", u("&Ziehungen anzeigen...")),
            &QAction::triggered, this,
            // The kind makes an open draw history window take the current history again.
            [this] { AnalysefensterOeffnen("fZiehungen", QStringLiteral("Ziehungen")); });

    mStatistiken_ = new QMenu(u("&Statistik"), this);
    mStatistiken_->setObjectName("mStatistiken");
    for (int i = 0; i < 16; ++i) {
        QAction* a = Aktion(mStatistiken_, "", u(kStatistiken[i]));
        a->setObjectName(QStringLiteral("mStatistik_%1").arg(i));
        connect(a, &QAction::triggered, this,
                [this, a] { AnalysefensterOeffnen("fStatistik", a->text()); });
    }
    mErmittlungen_ = new QMenu(u("&Analyse"), this);
    mErmittlungen_->setObjectName("mErmittlungen");
    for (int i = 0; i < 15; ++i) {
        QAction* a = Aktion(mErmittlungen_, "", u(kAnalysen[i]));
        a->setObjectName(QStringLiteral("mErmittlung_%1").arg(i));
        connect(a, &QAction::triggered, this,
                [this, a] { AnalysefensterOeffnen("fErmittlung", a->text()); });
    }
    mErmittlungen_->addSeparator();
    connect(Aktion(mErmittlungen_, "mVerkuerztesSystem", u("&Verkürztes System bauen...")),
            &QAction::triggered, this, [this] {
                if (Beschaeftigt()) return;
                std::array<int, 49> liste{};
                const int k = ZahlenEntpacken(HoleMarkierteZahlen(), liste);
                VerkuerztesSystemBauen(std::vector<int>(liste.begin(), liste.begin() + k), this);
            });

    mHilfe_ = new QMenu(u("&Hilfe"), this);
    mHilfe_->setObjectName("mHilfe");
    connect(Aktion(mHilfe_, "mHilfeAnzeigen", u("&Hilfe anzeigen")), &QAction::triggered, this,
            [] { HilfeZumAktivenFenster(); });

    mZahlenfeld_ = new QMenu(u("&Zahlenfeld"), this);
    mZahlenfeld_->setObjectName("mZahlenfeld");
    const char* const zahlenTexte[11] = {"Zahlen kopieren",       "Zahlen einfügen",     nullptr,
                                         "Alle Zahlen markieren", "Alle Zahlen löschen", nullptr,
                                         "Zeile markieren",       "Zeile löschen",       nullptr,
                                         "Spalte markieren",      "Spalte löschen"};
    for (int i = 0; i < 11; ++i) {
        if (!zahlenTexte[i]) {
            mZahlenfeld_->addSeparator();
            continue;
        }
        QAction* a = mZahlenfeld_->addAction(u(zahlenTexte[i]));
        a->setObjectName(QStringLiteral("mZahlen_%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { ZahlenfeldAktion(i); });
    }

    mZahlenfeldgrafik_ = new QMenu(u("Zahlenfeld&grafik"), this);
    mZahlenfeldgrafik_->setObjectName("mZahlenfeldgrafik");
    auto* grafikGruppe = new QActionGroup(this);
    for (int i = 0; i < 6; ++i) {
        QAction* a = mZahlenfeldgrafik_->addAction(u(kGrafiken[i]));
        a->setObjectName(QStringLiteral("mGrafik_%1").arg(i));
        a->setCheckable(true);
        a->setChecked(i == 0);
        grafikGruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] {
            bzGrafik_->setText(a->text());
            Animation();
            ZahlenfeldgrafikAktualisieren(this, *daten_);
        });
    }
    connect(bzGrafik_, &QPushButton::clicked, this, [this] {
        mZahlenfeldgrafik_->popup(bzGrafik_->mapToGlobal(QPoint(0, bzGrafik_->height())));
    });

    // Tool bar: the pop-up buttons open their menus under themselves.
    const auto unter = [this](int i, QMenu* m) {
        QToolButton* b = bToolbar_[static_cast<size_t>(i)];
        connect(b, &QToolButton::clicked, this,
                [b, m] { m->popup(b->mapToGlobal(QPoint(0, b->height()))); });
    };
    connect(bToolbar_[0], &QToolButton::clicked, this, &AuswertungFenster::DateiOeffnen);
    connect(bToolbar_[1], &QToolButton::clicked, this, &AuswertungFenster::ToolbarSpeichern);
    connect(bToolbar_[3], &QToolButton::clicked, this, &AuswertungFenster::ZahlenauswahlLoeschen);
    connect(bToolbar_[8], &QToolButton::clicked, this, &AuswertungFenster::NeueDatei);
    connect(bToolbar_[2], &QToolButton::clicked, this, &AuswertungFenster::AuswertungDrucken);
    connect(bToolbar_[4], &QToolButton::clicked, this, &AuswertungFenster::BereichEinstellen);
    unter(5, mBearbeiten_);
    unter(6, mStatistiken_);
    unter(7, mErmittlungen_);

    for (QMenu* m : {mZeigen_, mStatistiken_, mErmittlungen_})
        connect(m, &QMenu::aboutToShow, this, &AuswertungFenster::AnalyseeintraegeFreigeben);
    AnalyseeintraegeFreigeben();

    menues_ = {mDatei_, mBearbeiten_, mZeigen_, mStatistiken_, mErmittlungen_, mHilfe_};
}

namespace {
QMenu* RahmenMenue(const char* name) {
    Rahmen* r = Rahmen::Instanz();
    return r ? r->findChild<QMenu*>(name, Qt::FindDirectChildrenOnly) : nullptr;
}
}  // namespace

QList<QMenu*> AuswertungFenster::Menues() const {
    QList<QMenu*> liste;
    if (QMenu* m = RahmenMenue("mProgramm")) liste << m;
    liste << menues_;
    liste.removeAll(mHilfe_);
    for (const char* name : {"mExtras", "mFenster"})
        if (QMenu* m = RahmenMenue(name)) liste << m;
    liste << HilfeMenue();
    return liste;
}

QMenu* AuswertungFenster::HilfeMenue() const {
    QMenu* m = RahmenMenue("mHilfe");
    return m ? m : mHilfe_;
}

void AuswertungFenster::ZiehungHinzufuegen() {
    if (Beschaeftigt()) return;
    std::array<int, 49> liste{};
    const int k = ZahlenEntpacken(HoleMarkierteZahlen(), liste);
    const bool geaendert = ZiehungHinzufuegenDialog(
        this, *daten_, std::span<const int>(liste.data(), static_cast<size_t>(k)),
        [this](const std::string& t) {
            StatusZeigen(QString::fromStdString(t));
            bzHilfe_->repaint();
        });
    if (geaendert) DatenNeuAnzeigen();
}

void AuswertungFenster::BereichEinstellen() {
    if (!Beschaeftigt() && AuswertebereichEinstellen(this, *daten_)) DatenNeuAnzeigen();
}

void AuswertungFenster::AnalyseeintraegeFreigeben() {
    // Entries of windows this program is built without stay disabled.
    const bool ziehungen = FensterAngemeldet("fZiehungen");
    findChild<QAction*>("mZiehungenAnzeigen")->setEnabled(ziehungen);
    const bool statistik = FensterAngemeldet("fStatistik");
    for (QAction* a : mStatistiken_->actions()) a->setEnabled(statistik);
    const bool analyse = FensterAngemeldet("fErmittlung");
    for (QAction* a : mErmittlungen_->actions()) a->setEnabled(analyse);
}

void AuswertungFenster::AnalysefensterOeffnen(const char* name, const QString& art) {
    if (Beschaeftigt() || !FensterAngemeldet(name)) return;
    DatenUebergeben(*daten_, windowTitle().toStdString());
    QWidget* w = FensterOeffnen(name);
    if (!w || art.isEmpty()) return;
    // A window that offers several kinds may start with the one chosen in the menu.
    const QString text = QString(art).remove(QLatin1Char('&'));
    w->setProperty("zahlixArt", text);
    if (w->metaObject()->indexOfMethod("ArtWaehlen(QString)") >= 0)
        QMetaObject::invokeMethod(w, "ArtWaehlen", Qt::DirectConnection, Q_ARG(QString, text));
}

void AuswertungFenster::AutomatischUmgeschaltet(bool an) {
    mMarkierteZahlenAuswerten_->setEnabled(!an);
    if (an) AuswertenAnzeigen();
}

void AuswertungFenster::ZusatzzahlMenue(int i) {
    // The check box's click does the rest, as if the user had clicked it.
    QCheckBox* c = kTreffer_[static_cast<size_t>(i)];
    c->setChecked(!c->isChecked());
    ZusatzzahlGeklickt(i);
}

void AuswertungFenster::TrefferfilterSetzen(int f) {
    if (f < 0 || f > 12) return;
    trefferfilter_ = f;
    daten_->Trefferanzeige = static_cast<int16_t>(f);
    mFilter_[static_cast<size_t>(f)]->setChecked(true);
}

}  // namespace zahlix::ui
