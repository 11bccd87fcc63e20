#include "systems/ui/verkuerzung_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <charconv>
#include <filesystem>

#include "app/port.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"
#include "output/ui/zwischenspeicher.h"
#include "shell/ui/dialoghilfe.h"
#include "systems/schranken.h"

namespace zahlix::ui {

namespace {

constexpr const char* kTitel = "Verkürztes System bauen";
constexpr const char* kHilfethema = "Verkürzte Systeme";

QString U(const std::string& s) {
    return QString::fromStdString(s);
}

// A whole number typed into a field: `gueltig` false for anything else, no `wert` for a blank
// field. (Not an optional of an optional: GCC 12 warns falsely about it at -O1.)
template <typename T>
struct Feldinhalt {
    bool gueltig = true;
    std::optional<T> wert;
};

template <typename T>
Feldinhalt<T> Feldwert(const QLineEdit* feld) {
    const std::string t = feld->text().trimmed().toStdString();
    if (t.empty()) return {};
    T w{};
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), w);
    if (ec != std::errc{} || p != t.data() + t.size()) return {false, std::nullopt};
    return {true, w};
}

}  // namespace

VerkuerzungDialog::VerkuerzungDialog(std::vector<int> zahlen, QWidget* eltern)
    : QDialog(eltern), zahlen_(std::move(zahlen)) {
    setObjectName("fVerkuerzung");
    setWindowTitle(QString::fromUtf8(kTitel));
    setModal(true);
    setProperty("zahlixHilfethema", QString::fromUtf8(kHilfethema));
    std::string liste;
    for (int z : zahlen_) liste += (z < 10 ? " 0" : " ") + std::to_string(z);
    auto* bzZahlen = new QLabel(U(std::to_string(zahlen_.size()) + " Zahlen:" + liste), this);
    bzZahlen->setObjectName("bzZahlen");
    bzZahlen->setWordWrap(true);

    cRichtige_ = new QComboBox(this);
    cRichtige_->setObjectName("cRichtige");
    cTreffer_ = new QComboBox(this);
    cTreffer_->setObjectName("cTreffer");
    for (int i = 2; i <= 6; ++i) cRichtige_->addItem(QString::number(i));
    for (int i = 2; i <= 5; ++i) cTreffer_->addItem(QString::number(i));
    cRichtige_->setCurrentIndex(1);
    cTreffer_->setCurrentIndex(1);
    auto* garantie = new QHBoxLayout;
    garantie->addWidget(new QLabel(QString::fromUtf8("Bei"), this));
    garantie->addWidget(cRichtige_);
    garantie->addWidget(
        new QLabel(QString::fromUtf8("Richtigen unter den Zahlen mindestens"), this));
    garantie->addWidget(cTreffer_);
    garantie->addWidget(new QLabel(QString::fromUtf8("Richtige in einer Reihe"), this));
    garantie->addStretch();

    const auto feld = [this](const char* name, const QString& text) {
        auto* f = new QLineEdit(text, this);
        f->setObjectName(name);
        f->setMaximumWidth(90);
        return f;
    };
    tSekunden_ = feld("tSekunden", QStringLiteral("60"));
    tStartwert_ = feld("tStartwert", QStringLiteral("1"));
    tHoechstens_ = feld("tHoechstens", QString());
    kZufallsbelegung_ =
        new QCheckBox(QString::fromUtf8("Zahlen in &zufälliger Reihenfolge belegen"), this);
    kZufallsbelegung_->setObjectName("kZufallsbelegung");
    auto* grenzen = new QGridLayout;
    grenzen->addWidget(
        new QLabel(QString::fromUtf8("Zeitgrenze (Sekunden, leer: fester Aufwand):"), this), 0, 0);
    grenzen->addWidget(tSekunden_, 0, 1);
    grenzen->addWidget(new QLabel(QString::fromUtf8("Startwert des Zufalls:"), this), 1, 0);
    grenzen->addWidget(tStartwert_, 1, 1);
    grenzen->addWidget(
        new QLabel(QString::fromUtf8("Höchstens Reihen (leer: so wenige wie möglich):"), this), 2,
        0);
    grenzen->addWidget(tHoechstens_, 2, 1);
    grenzen->addWidget(kZufallsbelegung_, 3, 0, 1, 2);

    bzSchranken_ = new QLabel(this);
    bzSchranken_->setObjectName("bzSchranken");
    bzFortschritt_ = new QLabel(this);
    bzFortschritt_->setObjectName("bzFortschritt");
    pbZeit_ = new QProgressBar(this);
    pbZeit_->setObjectName("pbZeit");
    pbZeit_->setTextVisible(false);
    rtErgebnis_ = new QPlainTextEdit(this);
    rtErgebnis_->setObjectName("rtErgebnis");
    rtErgebnis_->setReadOnly(true);
    rtErgebnis_->setLineWrapMode(QPlainTextEdit::NoWrap);
    rtErgebnis_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    rtErgebnis_->setMinimumSize(620, 220);

    const auto knopf = [this](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    bBauen_ = knopf("bBauen", "&Bauen");
    bBauen_->setDefault(true);
    bSpeichern_ = knopf("bSpeichern", "&Speichern...");
    bAuswertung_ = knopf("bAuswertung", "In der &Auswertung öffnen");
    bSchliessen_ = knopf("bSchliessen", "Schl&ießen");
    QPushButton* bHilfe = knopf("bHilfe", "&Hilfe");
    bSpeichern_->setEnabled(false);
    bAuswertung_->setEnabled(false);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {bBauen_, bSpeichern_, bAuswertung_}) knoepfe->addWidget(b);
    knoepfe->addStretch();
    knoepfe->addWidget(bHilfe);
    knoepfe->addWidget(bSchliessen_);

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(bzZahlen);
    lay->addLayout(garantie);
    lay->addLayout(grenzen);
    lay->addWidget(bzSchranken_);
    lay->addWidget(bzFortschritt_);
    lay->addWidget(pbZeit_);
    lay->addWidget(rtErgebnis_, 1);
    lay->addLayout(knoepfe);

    connect(bBauen_, &QPushButton::clicked, this, &VerkuerzungDialog::Bauen);
    connect(bSpeichern_, &QPushButton::clicked, this, &VerkuerzungDialog::Speichern);
    connect(bAuswertung_, &QPushButton::clicked, this, &VerkuerzungDialog::InAuswertungOeffnen);
    connect(bSchliessen_, &QPushButton::clicked, this, &VerkuerzungDialog::reject);
    connect(bHilfe, &QPushButton::clicked, this, [] { HilfeZu(kHilfethema); });
    for (QComboBox* c : {cRichtige_, cTreffer_})
        connect(c, &QComboBox::currentIndexChanged, this, &VerkuerzungDialog::SchrankenZeigen);
    SchrankenZeigen();
}

VerkuerzungDialog::~VerkuerzungDialog() {
    *lebt_ = false;
    stop_ = true;
    if (arbeiter_.joinable()) arbeiter_.join();
}

std::function<void(VerkuerzungDialog&)>& VerkuerzungDialog::Ausfuehrer() {
    static std::function<void(VerkuerzungDialog&)> f = [](VerkuerzungDialog& d) { d.exec(); };
    return f;
}

void VerkuerzungDialog::SchrankenZeigen() {
    const int n = static_cast<int>(zahlen_.size());
    const int t = cTreffer_->currentIndex() + 2, m = cRichtige_->currentIndex() + 2;
    if (t > m) {
        bzSchranken_->setText(
            QString::fromUtf8("Die Treffer in einer Reihe dürfen nicht mehr "
                              "sein als die Richtigen unter den Zahlen."));
        return;
    }
    std::string text = "Untere Schranke (" + std::string(SchrankenName(n, t, m)) +
                       "): " + Gruppiert(UntereSchranke(n, t, m)) + " Reihen";
    if (auto g = BekannteGroesse(n, t, m))
        text += "; kleinstes veröffentlichtes System: " + Gruppiert(*g) + " Reihen";
    bzSchranken_->setText(U(text));
}

std::optional<Verkuerzungsauftrag> VerkuerzungDialog::AuftragLesen() {
    Verkuerzungsauftrag a;
    a.zahlen = zahlen_;
    a.t = cTreffer_->currentIndex() + 2;
    a.m = cRichtige_->currentIndex() + 2;
    a.zufallsbelegung = kZufallsbelegung_->isChecked();
    const auto sekunden = Feldwert<int>(tSekunden_);
    const auto seed = Feldwert<uint64_t>(tStartwert_);
    const auto hoechstens = Feldwert<int>(tHoechstens_);
    const char* fehler = !sekunden.gueltig
                             ? "Die Zeitgrenze muss eine ganze Zahl von Sekunden sein."
                         : !seed.gueltig       ? "Der Startwert muss eine ganze Zahl ab 0 sein."
                         : !hoechstens.gueltig ? "Höchstens Reihen muss eine ganze Zahl sein."
                                               : nullptr;
    if (fehler) {
        Meldung(fehler, flags::Information, kTitel);
        return std::nullopt;
    }
    a.sekunden = sekunden.wert;
    a.seed = seed.wert.value_or(1);
    a.hoechstens = hoechstens.wert;
    if (auto f = VerkuerzungPruefen(a)) {
        Meldung(*f, flags::Information, kTitel);
        return std::nullopt;
    }
    return a;
}

void VerkuerzungDialog::FortschrittZeigen(const Suchfortschritt& f, std::optional<int> sekunden) {
    std::string text = f.reihen > 0 ? "Versuch mit " + Gruppiert(f.reihen) + " Reihen, " +
                                          Gruppiert(f.offen) + " Kombinationen offen"
                                    : std::string("Startsystem wird gebaut");
    if (f.beste > 0) text += "; bestes System: " + Gruppiert(f.beste) + " Reihen";
    const int zehntel = static_cast<int>(f.sekunden * 10);
    text += "; " + std::to_string(zehntel / 10) + "," + std::to_string(zehntel % 10) + " s";
    bzFortschritt_->setText(U(text));
    if (sekunden) pbZeit_->setValue(std::min(100, static_cast<int>(f.sekunden * 100 / *sekunden)));
}

void VerkuerzungDialog::Bauen() {
    if (Laeuft()) {
        stop_ = true;
        return;
    }
    const auto auftrag = AuftragLesen();
    if (!auftrag) return;
    stop_ = false;
    bBauen_->setText(QStringLiteral("&Stop"));
    for (QWidget* w : std::initializer_list<QWidget*>{cRichtige_, cTreffer_, tSekunden_,
                                                      tStartwert_, tHoechstens_, kZufallsbelegung_,
                                                      bSpeichern_, bAuswertung_, bSchliessen_})
        w->setEnabled(false);
    pbZeit_->setRange(0, auftrag->sekunden ? 100 : 0);
    pbZeit_->setValue(0);
    bzFortschritt_->setText(QString::fromUtf8("Startsystem wird gebaut"));
    zahlix::Beschaeftigt(-1);
    Verkuerzungsergebnis e;
    QEventLoop warten;
    const auto lebt = lebt_;
    arbeiter_ = std::thread([this, a = *auftrag, &e, &warten] {
        Verkuerzungsrueckrufe r;
        r.stopp = [this] { return stop_.load(); };
        r.fortschritt = [this, s = a.sekunden](const Suchfortschritt& f) {
            QMetaObject::invokeMethod(
                this, [this, f, s] { FortschrittZeigen(f, s); }, Qt::QueuedConnection);
        };
        e = SystemVerkuerzen(a, r);
        QMetaObject::invokeMethod(&warten, &QEventLoop::quit, Qt::QueuedConnection);
    });
    warten.exec();
    zahlix::Beschaeftigt(0);
    if (!*lebt) return;  // closed at the program's end; the destructor has joined the worker
    arbeiter_.join();
    bBauen_->setText(QStringLiteral("&Bauen"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{cRichtige_, cTreffer_, tSekunden_, tStartwert_,
                                         tHoechstens_, kZufallsbelegung_, bSchliessen_})
        w->setEnabled(true);
    pbZeit_->setRange(0, 100);
    pbZeit_->setValue(100);
    if (!e.meldung.empty()) {
        bzFortschritt_->setText(U(e.meldung));
        Meldung(e.meldung, flags::Information, kTitel);
        bSpeichern_->setEnabled(!system_.reihen.empty());
        bAuswertung_->setEnabled(!system_.reihen.empty());
        return;
    }
    system_ = e.system;
    gespeichert_.clear();
    rtErgebnis_->setPlainText(U(e.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    bzFortschritt_->setText(U("Fertig: " + Gruppiert(static_cast<int64_t>(system_.reihen.size())) +
                              " Reihen, Garantie geprüft und erfüllt; im Zwischenspeicher."));
    TextEinfuegen(e.text);
    bSpeichern_->setEnabled(true);
    bAuswertung_->setEnabled(true);
}

bool VerkuerzungDialog::Speichern() {
    if (system_.reihen.empty() || Laeuft()) return false;
    std::string name = DateiAuswaehlen("*.ZS4", "Verkürztes System speichern");
    if (name.empty()) return false;
    if (QFileInfo(U(name)).suffix().isEmpty()) name += ".ZS4";
    std::error_code ec;
    if (std::filesystem::exists(PfadVonName(name), ec) &&
        Meldung("Die Datei " + name + " gibt es schon. Soll sie ersetzt werden?",
                flags::Frage | flags::JaNein | flags::Zweiter, kTitel) != kJa)
        return false;
    std::string fehler;
    if (!SystemSchreiben(PfadVonName(name), system_, fehler)) {
        Meldung(fehler, flags::Kritisch, kTitel);
        return false;
    }
    gespeichert_ = name;
    bzFortschritt_->setText(U("Gespeichert als " + name));
    return true;
}

void VerkuerzungDialog::InAuswertungOeffnen() {
    if (gespeichert_.empty() && !Speichern()) return;
    Programm().uebergabeDatei = gespeichert_;
    accept();
    // After the dialog and the menu command that opened it have returned: the evaluation
    // window is closed and opened anew.
    QTimer::singleShot(0, [] { LottoAuswertungNeu(); });
}

bool VerkuerzungDialog::DarfSchliessen() {
    if (!Laeuft()) return true;
    if (ProgrammEndet()) {
        stop_ = true;
        return true;
    }
    Meldung("Die Suche läuft noch. Halten Sie sie zuerst mit \"Stop\" an.", flags::Information,
            kTitel);
    return false;
}

void VerkuerzungDialog::reject() {
    if (DarfSchliessen()) QDialog::reject();
}

void VerkuerzungDialog::closeEvent(QCloseEvent* e) {
    if (DarfSchliessen())
        QDialog::closeEvent(e);
    else
        e->ignore();
}

void VerkuerztesSystemBauen(const std::vector<int>& zahlen, QWidget* eltern) {
    if (zahlen.size() < 7) {
        Meldung(
            "Markieren Sie zuerst mindestens 7 Zahlen im Zahlenfeld; aus ihnen wird das "
            "verkürzte System gebaut.",
            flags::Information, kTitel);
        return;
    }
    VerkuerzungDialog d(zahlen, eltern);
    VerkuerzungDialog::Ausfuehrer()(d);
}

}  // namespace zahlix::ui
