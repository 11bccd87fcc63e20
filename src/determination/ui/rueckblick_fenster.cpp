#include "determination/ui/rueckblick_fenster.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <charconv>

#include "app/port.h"
#include "app/ui/fenster.h"
#include "app/ui/werkzeugleiste.h"
#include "core/bereich.h"
#include "determination/rueckblick_grafik.h"
#include "determination/ui/ermittlung_fenster.h"
#include "evaluation/auswertung.h"
#include "evaluation/ui/zahlenbilder.h"
#include "output/ui/drucker.h"
#include "output/ui/zwischenspeicher.h"
#include "shell/optionen.h"
#include "statistics/ui/grafik_bild.h"

namespace zahlix::ui {

namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

QLineEdit* Feld(QWidget* eltern, const QString& name, const QString& wert, int zeichen) {
    auto* t = new QLineEdit(wert, eltern);
    t->setObjectName(name);
    t->setMaximumWidth(t->fontMetrics().horizontalAdvance(QString(zeichen + 2, '0')));
    return t;
}

constexpr const char* kKlasse[10] = {"0T", "1T", "2T", "3T", "4T", "5T", "6T", "3+", "4+", "5+"};

}  // namespace

RueckblickFenster::RueckblickFenster(const Lottodatei& d, const AnalyseEingaben& e, QWidget* eltern)
    : QWidget(eltern),
      daten_(std::make_unique<Lottodatei>(d)),
      analyse_(e),
      lebt_(std::make_shared<std::atomic<bool>>(true)) {
    setObjectName("fRueckblick");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(analyse_.fenstertitel));
    setProperty("zahlixKurz", QStringLiteral("RB"));
    setProperty("zahlixHilfethema", u("Rückblick"));
    setProperty("zahlixQuickInfo",
                u("Rückblick prüft die Vorschläge einer Analyse an früheren Ziehungen\r\n\r\n"
                  "-> 'Starten'\r\nStartet den Rückblick oder hält ihn an (Esc)\r\n\r\n"
                  "-> 'Drucken'\r\nÜbergibt das Ergebnis an die Druckausgabe\r\n"));

    auto* haupt = new QVBoxLayout(this);
    QHBoxLayout* zeile = nullptr;
    QFrame* leiste = WerkzeugleisteBauen(this, zeile);
    bToolbar_[0] = WerkzeugknopfBauen(
        leiste, 0, u("&Drucken"), u("Rückblick an die Druckausgabe übergeben"), ToolbarSymbol(2));
    bToolbar_[1] = WerkzeugknopfBauen(leiste, 1, u("&Starten"), u("Rückblick starten/unterbrechen"),
                                      ToolbarSymbol(6));
    for (QToolButton* b : bToolbar_) zeile->addWidget(b);
    zeile->addStretch(1);
    connect(bToolbar_[0], &QToolButton::clicked, this, &RueckblickFenster::Drucken);
    connect(bToolbar_[1], &QToolButton::clicked, this, &RueckblickFenster::Umschalten);
    haupt->addWidget(leiste);

    auto* bereich =
        new QLabel(u("Bereich - ") + QString::fromStdString(analyse_.bereichText), this);
    bereich->setObjectName("bzAuswertebereich");
    haupt->addWidget(bereich);
    // Inputs in rows of label and field, the prizes in two rows of five.
    auto* eingaben = new QGridLayout;
    auto beschriftet = [&](int reihe, int spalte, const QString& text, QLineEdit* feld) {
        auto* l = new QLabel(text, this);
        l->setBuddy(feld);
        eingaben->addWidget(l, reihe, spalte, Qt::AlignRight);
        eingaben->addWidget(feld, reihe, spalte + 1);
    };
    tLetzte_ = Feld(this, "tLetzte", QStringLiteral("500"), 6);
    // A short seed is easier to note down and type again.
    tSaat_ = Feld(this, "tSaat", QString::number(analyse_.seed % 1000000), 8);
    tEinsatz_ = Feld(this, "tEinsatz", {}, 8);
    beschriftet(0, 0, u("&Letzte Ziehungen"), tLetzte_);
    beschriftet(0, 2, u("S&aat"), tSaat_);
    beschriftet(0, 4, u("&Einsatz je Reihe"), tEinsatz_);
    auto* gewinne = new QLabel(u("&Gewinne je Klasse:"), this);
    eingaben->addWidget(gewinne, 1, 0, Qt::AlignRight);
    auto* klassen = new QGridLayout;
    for (size_t i = 0; i < kSpaltenKlassen.size(); ++i) {
        const int c = kSpaltenKlassen[i];
        auto* t = Feld(this, QStringLiteral("tGewinn_%1").arg(c), {}, 9);
        t->setToolTip(u("Gewinn bei ") + u(kKlasse[c]));
        tGewinn_[static_cast<size_t>(c)] = t;
        auto* l = new QLabel(u(kKlasse[c]), this);
        l->setBuddy(t);
        klassen->addWidget(l, static_cast<int>(i / 5), static_cast<int>(i % 5) * 2, Qt::AlignRight);
        klassen->addWidget(t, static_cast<int>(i / 5), static_cast<int>(i % 5) * 2 + 1);
        if (c == 6) gewinne->setBuddy(t);
    }
    eingaben->addLayout(klassen, 1, 1, 2, 6, Qt::AlignLeft);
    eingaben->setColumnStretch(6, 1);
    haupt->addLayout(eingaben);

    pbFortschritt_ = new QProgressBar(this);
    pbFortschritt_->setObjectName("pbFortschritt");
    pbFortschritt_->setValue(0);
    haupt->addWidget(pbFortschritt_);
    auto* mitte = new QSplitter(Qt::Vertical, this);
    rtRueckblick_ = new QTextEdit(this);
    rtRueckblick_->setObjectName("rtRueckblick");
    rtRueckblick_->setReadOnly(true);
    rtRueckblick_->setLineWrapMode(QTextEdit::NoWrap);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSize(9);
    rtRueckblick_->setFont(mono);
    mitte->addWidget(rtRueckblick_);
    bdRueckblick_ = new GrafikFlaeche(this);
    bdRueckblick_->setObjectName("bdRueckblick");
    bdRueckblick_->setMinimumHeight(160);
    mitte->addWidget(bdRueckblick_);
    mitte->setStretchFactor(0, 1);
    mitte->setStretchFactor(1, 1);
    // The graph always fills its place.
    connect(bdRueckblick_, &GrafikFlaeche::GroesseGeaendert, this, [this] {
        if (letztes_) GrafikZeigen();
    });
    haupt->addWidget(mitte, 1);

    auto* unten = new QHBoxLayout;
    bzHilfe_ = new QLabel(u(" Eingaben prüfen und mit 'Starten' beginnen"), this);
    bzHilfe_->setObjectName("bzHilfe");
    unten->addWidget(bzHilfe_, 1);
    auto* schliessen = new QPushButton(u("Modul schließen"), this);
    schliessen->setObjectName("bSchliessen");
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    unten->addWidget(schliessen);
    haupt->addLayout(unten);

    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, this, [this] { stop_ = true; });
}

RueckblickFenster::~RueckblickFenster() {
    *lebt_ = false;
    stop_ = true;
    if (arbeiter_.joinable()) arbeiter_.join();
}

bool RueckblickFenster::EingabenLesen(RueckblickEingaben& e) {
    e.analyse = analyse_;
    const std::string titel = windowTitle().toStdString();
    auto fehler = [&](QLineEdit* feld, const char* text) {
        Meldung(text, flags::Information, titel);
        feld->setFocus();
        feld->selectAll();
        return false;
    };
    const QString letzte = tLetzte_->text().trimmed();
    const bool alle = letzte.compare(u("alle"), Qt::CaseInsensitive) == 0;
    bool ok = alle;
    e.letzte = alle ? 0 : letzte.toInt(&ok);
    if (!ok || (!alle && e.letzte < 1))
        return fehler(tLetzte_,
                      "Bei 'Letzte Ziehungen' bitte eine Zahl ab 1 oder 'alle' eingeben.");
    const std::string saat = tSaat_->text().trimmed().toStdString();
    const auto [ende, ec] = std::from_chars(saat.data(), saat.data() + saat.size(), e.analyse.seed);
    if (saat.empty() || ec != std::errc{} || ende != saat.data() + saat.size())
        return fehler(tSaat_, "Die Saat muss eine ganze Zahl ab 0 sein.");
    auto betrag = [&](QLineEdit* feld, int64_t& ziel) {
        const std::string t = feld->text().trimmed().toStdString();
        if (t.empty()) return true;
        const auto b = BetragInCent(t);
        if (b) ziel = *b, e.mitGeld = true;
        return b.has_value();
    };
    if (!betrag(tEinsatz_, e.einsatz))
        return fehler(tEinsatz_, "Der Einsatz muss ein Betrag wie 1,20 sein.");
    for (size_t c = 0; c < 10; ++c)
        if (!betrag(tGewinn_[c], e.gewinn[c]))
            return fehler(tGewinn_[c], "Ein Gewinn muss ein Betrag wie 1.000,00 ohne Punkte sein.");
    return true;
}

void RueckblickFenster::Umschalten() {
    if (laeuft_) {
        stop_ = true;
        return;
    }
    RueckblickEingaben e;
    if (!EingabenLesen(e)) return;
    laeuft_ = true;
    stop_ = false;
    Sperren(true);
    zahlix::Beschaeftigt(-1);
    bzHilfe_->setText(u(" Rückblick läuft..."));
    RueckblickErgebnis r;
    const bool lebt = AufArbeiterWarten(arbeiter_, lebt_, [this, &e, &r] {
        AnalyseRueckrufe rueckrufe;
        rueckrufe.stopp = [this] { return stop_.load(); };
        rueckrufe.status = [this](const std::string& s) {
            QMetaObject::invokeMethod(
                this, [this, t = QString::fromStdString(s)] { bzHilfe_->setText(t); },
                Qt::QueuedConnection);
        };
        r = RueckblickAusfuehren(*daten_, e, rueckrufe, [this](int getestet, int verlangt) {
            QMetaObject::invokeMethod(
                this,
                [this, getestet, verlangt] {
                    pbFortschritt_->setMaximum(verlangt);
                    pbFortschritt_->setValue(getestet);
                },
                Qt::QueuedConnection);
        });
    });
    zahlix::Beschaeftigt(0);
    if (!lebt) return;
    laeuft_ = false;
    Sperren(false);
    if (!r.meldung.empty()) {
        bzHilfe_->setText(u(" Kein Rückblick möglich"));
        Meldung(r.meldung, flags::Information, windowTitle().toStdString());
        return;
    }
    pbFortschritt_->setMaximum(r.verlangt);
    pbFortschritt_->setValue(r.getestet);
    QTextCursor vorne(rtRueckblick_->document());
    vorne.movePosition(QTextCursor::Start);
    vorne.insertText(QString::fromStdString(r.text).replace(u("\r\n"), u("\n")));
    rtRueckblick_->moveCursor(QTextCursor::Start);
    if (Optionen().allgemein[5] == 0) TextEinfuegen(r.text);
    letztes_ = std::make_unique<RueckblickErgebnis>(r);
    GrafikZeigen();
    bzHilfe_->setText(r.abgebrochen ? u(" Rückblick abgebrochen") : u(" Rückblick beendet"));
}

void RueckblickFenster::GrafikZeigen() {
    const QSize s = bdRueckblick_->size();
    bdRueckblick_->Setzen(
        RueckblickGrafik(*letztes_, std::max(s.width(), 300) * 15, std::max(s.height(), 160) * 15));
}

void RueckblickFenster::Sperren(bool laeuft) {
    bToolbar_[1]->setText(laeuft ? u("&Stop") : u("&Starten"));
    bToolbar_[1]->setIcon(laeuft ? StopSymbol() : ToolbarSymbol(6));
    bToolbar_[0]->setEnabled(!laeuft);
    for (QLineEdit* t : findChildren<QLineEdit*>()) t->setEnabled(!laeuft);
    if (laeuft) setFocus();  // Esc must still reach the window
}

void RueckblickFenster::Drucken() {
    if (laeuft_) return;
    AnDruckausgabe(rtRueckblick_->toPlainText().replace(u("\n"), u("\r\n")).toStdString());
}

void RueckblickFenster::closeEvent(QCloseEvent* e) {
    if (laeuft_ && !ProgrammEndet()) {
        Meldung("Sie können das Modul erst schließen, wenn der laufende Rückblick beendet wurde",
                flags::Information, windowTitle().toStdString());
        e->ignore();
        return;
    }
    stop_ = true;
    e->accept();
}

}  // namespace zahlix::ui
