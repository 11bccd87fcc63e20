#include "systems/ui/lottoschein_fenster.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryFile>
#include <filesystem>

#include "app/port.h"
#include "core/atomare_datei.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"
#include "output/ui/drucker.h"
#include "output/ui/editorhilfe.h"
#include "output/ui/seite_malen.h"

namespace zahlix::ui {

// The first slip of the range as it will be printed, in the page's proportions.
class Scheinvorschau : public QWidget {
  public:
    using QWidget::QWidget;
    void Setzen(std::optional<Zeichenseite> s) {
        seite_ = std::move(s);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x8a, 0x8f, 0x98));
        if (!seite_) {
            p.setPen(Qt::white);
            p.drawText(rect(), Qt::AlignCenter, QString::fromUtf8("Öffnen Sie ein System."));
            return;
        }
        const double h = height() - 16.0, b = h * seite_->breite / seite_->hoehe;
        const QRectF blatt((width() - b) / 2, 8, b, h);
        p.fillRect(blatt.translated(3, 3), QColor(0x55, 0x58, 0x60));
        SeiteMalen(p, *seite_, blatt);
    }

  private:
    std::optional<Zeichenseite> seite_;
};

namespace {

const char* const kTitel = "Lottoschein Druck";

QPrinter* A4(QPrinter& d, const std::string& name) {
    d.setPageSize(QPageSize(QPageSize::A4));
    d.setPageOrientation(QPageLayout::Portrait);
    d.setDocName(Q("Lottoscheine " + name));
    return &d;
}

}  // namespace

LottoscheinFenster::LottoscheinFenster(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("fLottoschein"));
    setWindowTitle(Q(kTitel));
    setProperty("zahlixKurz", QStringLiteral("LS"));
    setProperty("zahlixHilfethema", QStringLiteral("Lottoschein Druck"));
    setProperty("zahlixQuickInfo",
                Q("Lottoschein Druck bringt die Reihen eines Systems auf Lottoscheine, zwölf "
                  "Felder je Schein.\r\n\r\n-> 'Als PDF speichern'\r\nSchreibt die Scheine in eine "
                  "PDF-Datei\r\n"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* g = new QGridLayout(this);
    g->setContentsMargins(8, 8, 8, 8);
    tSystemdatei_ = new QLineEdit(this);
    tSystemdatei_->setObjectName(QStringLiteral("tSystemdatei"));
    tSystemdatei_->setReadOnly(true);
    auto* oeffnen = new QPushButton(Q("Ö&ffnen..."), this);
    oeffnen->setObjectName(QStringLiteral("bSystemdatei"));
    connect(oeffnen, &QPushButton::clicked, this, &LottoscheinFenster::SystemWaehlen);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(Q("System:"), this));
    zeile->addWidget(tSystemdatei_, 1);
    zeile->addWidget(oeffnen);
    zeile->addSpacing(16);
    sVon_ = new QSpinBox(this);
    sBis_ = new QSpinBox(this);
    for (auto [s, name, text] :
         {std::tuple{sVon_, "sVon", "&Reihen von"}, {sBis_, "sBis", "b&is"}}) {
        s->setObjectName(QString::fromLatin1(name));
        s->setGroupSeparatorShown(true);
        s->setLocale(QLocale(QLocale::German, QLocale::Germany));  // "1.440", whatever the system
        auto* l = new QLabel(Q(text), this);
        l->setBuddy(s);
        zeile->addWidget(l);
        zeile->addWidget(s);
    }
    bzScheine_ = new QLabel(this);
    bzScheine_->setObjectName(QStringLiteral("bzScheine"));
    bzScheine_->setMinimumWidth(120);
    zeile->addWidget(bzScheine_);
    g->addLayout(zeile, 0, 0, 1, 2);

    bdSchein_ = new Scheinvorschau(this);
    bdSchein_->setObjectName(QStringLiteral("bdSchein"));
    bdSchein_->setMinimumSize(300, 420);
    g->addWidget(bdSchein_, 1, 0);
    auto* spalte = new QVBoxLayout;
    const char* const texte[4][2] = {{"&Vorschau...", "bVorschau"},
                                     {"&Drucken...", "bDrucken"},
                                     {"Als &PDF speichern...", "bPdf"},
                                     {"Modul schließen", "bSchliessen"}};
    for (const auto& [text, name] : texte) {
        auto* b = new QPushButton(Q(text), this);
        b->setObjectName(QString::fromLatin1(name));
        if (knoepfe_.size() == 3) spalte->addStretch(1);
        spalte->addWidget(b);
        knoepfe_.push_back(b);
    }
    connect(knoepfe_[0], &QPushButton::clicked, this, &LottoscheinFenster::Vorschau);
    connect(knoepfe_[1], &QPushButton::clicked, this, &LottoscheinFenster::Drucken);
    connect(knoepfe_[2], &QPushButton::clicked, this, [this] { PdfSpeichern(); });
    connect(knoepfe_[3], &QPushButton::clicked, this, &QWidget::close);
    g->addLayout(spalte, 1, 1);
    bzSystem_ = new QLabel(this);
    bzSystem_->setObjectName(QStringLiteral("bzHilfe"));
    g->addWidget(bzSystem_, 2, 0, 1, 2);
    g->setRowStretch(1, 1);
    g->setColumnStretch(0, 1);

    // The range stays ordered: moving one end past the other takes the other along.
    connect(sVon_, &QSpinBox::valueChanged, this, [this](int v) {
        if (sBis_->value() < v) sBis_->setValue(v);
        Anzeigen();
    });
    connect(sBis_, &QSpinBox::valueChanged, this, [this](int v) {
        if (sVon_->value() > v) sVon_->setValue(v);
        Anzeigen();
    });
    druckdialog_ = [this](QPrinter& d) {
        return DruckdialogAufbauen(d, false, this)->exec() == QDialog::Accepted;
    };
    Anzeigen();
}

bool LottoscheinFenster::SystemOeffnen(const std::string& datei) {
    Tippsystem s;
    std::string fehler;
    if (!SystemLesen(PfadVonName(datei), s, fehler)) {
        Meldung(fehler, flags::Ausruf, kTitel);
        return false;
    }
    tSystemdatei_->setText(Q(datei));
    ReihenUebernehmen(std::move(s.reihen), TextAusPfad(PfadVonName(datei).filename()),
                      s.groessteZahl);
    return true;
}

void LottoscheinFenster::ReihenUebernehmen(std::vector<Reihenmaske> reihen, const std::string& name,
                                           int groessteZahl) {
    reihen_ = std::move(reihen);
    name_ = name;
    groessteZahl_ = groessteZahl;
    if (tSystemdatei_->text().isEmpty() || !tSystemdatei_->text().endsWith(Q(name)))
        tSystemdatei_->setText(Q(name));
    const int n = static_cast<int>(reihen_.size());
    for (QSpinBox* s : {sVon_, sBis_}) {
        const QSignalBlocker still(s);
        s->setRange(n > 0 ? 1 : 0, n);
    }
    const QSignalBlocker still(sVon_), auchStill(sBis_);
    sVon_->setValue(1);
    // A system larger than a print job starts with the first slips it may print.
    sBis_->setValue(std::min(n, kMaxScheine * kFelderProSchein));
    Anzeigen();
}

void LottoscheinFenster::SystemWaehlen() {
    const std::string datei =
        DateiAuswaehlen("*.ZS4;*.ZS3;*.TXT", "Lottoschein Druck - System öffnen");
    if (!datei.empty()) SystemOeffnen(datei);
}

std::optional<std::vector<Zeichenseite>> LottoscheinFenster::Scheine(bool melden) const {
    const int64_t von = sVon_->value(), bis = sBis_->value();
    if (const std::string fehler =
            Druckbereichfehler(von, bis, static_cast<int64_t>(reihen_.size()));
        !fehler.empty()) {
        if (melden) Meldung(fehler, flags::Ausruf, kTitel);
        return std::nullopt;
    }
    return LottoscheineSetzen(
        std::span(reihen_).subspan(static_cast<std::size_t>(von - 1),
                                   static_cast<std::size_t>(bis - von + 1)),
        {name_, static_cast<int>(von), static_cast<int64_t>(reihen_.size()), groessteZahl_});
}

void LottoscheinFenster::Anzeigen() {
    const int64_t von = sVon_->value(), bis = sBis_->value();
    const std::string fehler = Druckbereichfehler(von, bis, static_cast<int64_t>(reihen_.size()));
    for (int i = 0; i < 3; ++i) knoepfe_[static_cast<std::size_t>(i)]->setEnabled(fehler.empty());
    if (!fehler.empty()) {
        bdSchein_->Setzen(std::nullopt);
        bzScheine_->setText({});
        bzSystem_->setText(reihen_.empty() ? Q(" Kein System geöffnet") : Q(" " + fehler));
        return;
    }
    const auto bereich = std::span(reihen_).subspan(static_cast<std::size_t>(von - 1),
                                                    static_cast<std::size_t>(bis - von + 1));
    bdSchein_->Setzen(LottoscheinSetzen(
        bereich,
        {name_, static_cast<int>(von), static_cast<int64_t>(reihen_.size()), groessteZahl_}, 0));
    bzScheine_->setText(Q(Gruppiert(Scheinanzahl(bereich.size())) + " Scheine"));
    bzSystem_->setText(Q(" " + name_ + ": " + Gruppiert(static_cast<int64_t>(reihen_.size())) +
                         " Reihen; die Vorschau zeigt den ersten Schein"));
}

void LottoscheinFenster::Vorschau() {
    const auto seiten = Scheine();
    if (!seiten) return;
    QPrinter drucker(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(A4(drucker, name_), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&seiten](QPrinter* d) { SeitenDrucken(*d, *seiten); });
    dialog.exec();
}

void LottoscheinFenster::Drucken() {
    const auto seiten = Scheine();
    if (!seiten) return;
    QPrinter drucker(QPrinter::HighResolution);
    if (!druckdialog_(*A4(drucker, name_))) return;
    Beschaeftigt(-1);
    const bool gedruckt = SeitenDrucken(drucker, *seiten);
    Beschaeftigt(0);
    if (!gedruckt) Meldung("Der Drucker konnte nicht gestartet werden.", flags::Kritisch, kTitel);
}

bool LottoscheinFenster::PdfSpeichern(std::string ziel) {
    const auto seiten = Scheine();
    if (!seiten) return false;
    if (ziel.empty()) ziel = DateiAuswaehlen("*.PDF", "Lottoschein Druck - PDF speichern");
    if (ziel.empty()) return false;
    if (Endung4(ziel) != ".PDF") {
        Meldung(ziel + " ist kein PDF-Dateiname (.pdf).", flags::Ausruf, kTitel);
        return false;
    }
    const auto pfad = PfadVonName(ziel);
    std::error_code ec;
    if (std::filesystem::exists(pfad, ec) &&
        Meldung("Die Datei " + ziel + " gibt es schon. Soll sie ersetzt werden?",
                flags::JaNein | flags::Frage | flags::Zweiter, kTitel) != kJa)
        return false;
    // The printer writes into a temporary file; the target is replaced only by a whole PDF.
    QTemporaryFile zwischen(QDir::tempPath() + QStringLiteral("/zahlix-XXXXXX.pdf"));
    std::string bytes, fehler;
    bool ok = zwischen.open();
    if (ok) {
        zwischen.close();
        QPrinter drucker(QPrinter::HighResolution);
        A4(drucker, name_)->setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(zwischen.fileName());
        Beschaeftigt(-1);
        ok = SeitenDrucken(drucker, *seiten) &&
             GanzEinlesen(PfadVonName(S(zwischen.fileName())), bytes, fehler) &&
             DateiAtomarSchreiben(pfad, bytes, fehler);
        Beschaeftigt(0);
    }
    if (!ok) {
        Meldung(fehler.empty() ? "Die PDF-Datei " + ziel + " konnte nicht erzeugt werden." : fehler,
                flags::Kritisch, kTitel);
        return false;
    }
    bzSystem_->setText(Q(" " + Gruppiert(static_cast<int64_t>(seiten->size())) +
                         " Scheine gespeichert in " + ziel));
    return true;
}

QWidget* LottoscheinFensterErzeugen() {
    return new LottoscheinFenster;
}

}  // namespace zahlix::ui
