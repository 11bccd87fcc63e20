// What the analysis window shows: title, input groups, counters, the number field's locks and
// the result box.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>
#include <filesystem>

#include "app/port.h"
#include "core/bereich.h"
#include "core/zahlformat.h"
#include "determination/analyse.h"
#include "determination/ui/ermittlung_fenster.h"
#include "evaluation/auswertung.h"
#include "evaluation/ui/bereich_dialog.h"
#include "evaluation/ui/zahlenbilder.h"
#include "output/ui/zwischenspeicher.h"
#include "shell/optionen.h"

namespace zahlix::ui {

namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

QIcon StopSymbol() {
    QPixmap p(48, 48);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(QColor(120, 0, 0), 2));
    m.setBrush(QColor(210, 30, 30));
    m.drawRoundedRect(QRectF(8, 8, 32, 32), 5, 5);
    return QIcon(p);
}

bool ErmittlungFenster::Gesperrt(int i) const {
    const QPushButton* b = kZahl_[static_cast<size_t>(i)];
    return !b->isEnabledTo(b->parentWidget());
}

void ErmittlungFenster::ArtWaehlen(const QString& art) {
    if (Laeuft()) return;
    // The evaluation window has just handed over its history; a different file replaces ours
    // (an unchanged one keeps the user's locks).
    const Lottodatei& neu = Transfer().daten;
    if (neu.Dateiname != daten_->Dateiname || neu.Anzahl() != daten_->Anzahl()) {
        DatenUebernehmen(*daten_);
        bereichText_ = daten_->Titel.empty() ? BereichText() : daten_->Titel;
        ZahlenVerfuegbarkeit();
        BereichInTitel();
    }
    const int i = cErmittlungart_->findText(art);
    if (i < 0) return;
    cErmittlungart_->setCurrentIndex(i);
    art_ = art;
    TitelAnzeigen();
    EingabenVorbelegen();
}

void ErmittlungFenster::TitelAnzeigen() {
    if (const auto a = AnalyseAusListentext(art_.toStdString()))
        // The file's name without its folder, as the evaluation window shows it.
        setWindowTitle(QString::fromStdString(AnalyseFenstertitel(
            bereichText_, *a, std::filesystem::path(daten_->Dateiname).filename().string())));
}

void ErmittlungFenster::EingabenVorbelegen() {
    const auto a = AnalyseAusListentext(art_.toStdString());
    if (!a) return;
    const bool wiederholt = Wiederholt(*a);
    {
        // The count of determinations: 1..99, then 100..1000 by 50, each with its leading blank.
        const QString vorher = cAnzahl_[0]->currentText();
        cAnzahl_[0]->clear();
        for (int n = 1; n < 100; ++n) cAnzahl_[0]->addItem(QString::fromStdString(Str(n)));
        for (int n = 100; n <= 1000; n += 50) cAnzahl_[0]->addItem(QString::fromStdString(Str(n)));
        cAnzahl_[0]->addItem(u("Bis Stop"));
        cAnzahl_[0]->setCurrentText(vorher.isEmpty() ? QStringLiteral(" 1") : vorher);
    }
    {
        // Rows cannot be longer than the lottery has numbers.
        const QString vorher = cAnzahl_[1]->currentText();
        cAnzahl_[1]->clear();
        for (int n = 1; n <= std::clamp<int>(daten_->GroessteZahl, 1, 49); ++n)
            cAnzahl_[1]->addItem(QString::fromStdString(Str(n)));
        const int i = cAnzahl_[1]->findText(vorher.isEmpty() ? QStringLiteral(" 6") : vorher);
        cAnzahl_[1]->setCurrentIndex(std::max(0, i));
    }
    rAnzahl_[0]->setVisible(wiederholt);
    rZahlen_->setVisible(wiederholt);
    rAnzahl_[1]->setVisible(wiederholt || *a == Analyseart::Prognosen);
    for (QGroupBox* g : gruppen_) g->setVisible(g->property("arten").toStringList().contains(art_));
    rListen_->setVisible(art_ == u("Zerlegungsprüfung"));
    const QString start = IstSystembereich(bereichText_) ? u("Beginne mit &Systemreihe")
                                                         : u("Beginne mit dem &Startjahr");
    for (const char* name : {"bzStartVierer", "bzStartFuenfer"})
        findChild<QLabel*>(name)->setText(start);
    frage_ = QString::fromUtf8(Katalogeintrag(*a).frage);
    bzFrage_->setText(frage_);
    setProperty("zahlixHilfethema", QString::fromStdString(AnalyseHilfethema(*a)));
}

void ErmittlungFenster::StatusZeigen(const QString& text) {
    bzHilfe_->setText(text);
}

void ErmittlungFenster::ZaehlerAnzeigen(const std::array<int32_t, 10>& z) {
    std::array<int32_t, 12> werte{};
    std::copy(z.begin(), z.end(), werte.begin());
    werte[10] = AlleSumme(z);
    werte[11] = GewinnSumme(z);
    // Classes that occurred stand out as in the evaluation window.
    QPalette aktiv;
    aktiv.setColor(QPalette::Window, QColor(0, 0, 159));
    aktiv.setColor(QPalette::WindowText, QColor(255, 255, 255));
    for (size_t k = 0; k < 12; ++k) {
        bzTreffer_[k]->setText(QString::number(werte[k]));
        bzTreffer_[k]->setAutoFillBackground(true);
        bzTreffer_[k]->setPalette(werte[k] > 0 ? aktiv : QPalette());
    }
}

void ErmittlungFenster::ZaehlerLoeschen() {
    for (size_t k = 0; k < 12; ++k) {
        bzTreffer_[k]->setText(QStringLiteral("....."));
        bzTreffer_[k]->setPalette(QPalette());
    }
}

void ErmittlungFenster::ZahlenVerfuegbarkeit() {
    // Numbers that no draw in range holds take no part; for a system file this leaves exactly
    // the system's numbers.
    Bitworte vereinigung{};
    for (int i = 0; i < kSlots && daten_->WocheKennung[static_cast<size_t>(i)] != 0; ++i) {
        if (daten_->ImBereich[static_cast<size_t>(i)] != -1) continue;
        const Bitworte w = daten_->Zahlen(i);
        for (int j = 0; j < 4; ++j)
            vereinigung[static_cast<size_t>(j)] =
                static_cast<int16_t>(vereinigung[static_cast<size_t>(j)] |
                                     (j < 3 ? w[static_cast<size_t>(j)] : w[3] & 0x7F));
    }
    const int n = std::clamp<int>(daten_->GroessteZahl, 1, 49);
    for (int i = 0; i < 49; ++i) {
        QPushButton* b = kZahl_[static_cast<size_t>(i)];
        const bool frei = i < n && ZahlGesetzt(i + 1, vereinigung);
        if (!frei) b->setChecked(false);
        b->setEnabled(frei);
    }
}

void ErmittlungFenster::BereichInTitel() {
    const QString text = u("Auswertebereich - ") + QString::fromStdString(bereichText_);
    for (QGroupBox* g : gruppen_)
        if (g->property("bereich").toBool()) g->setTitle(text);
}

void ErmittlungFenster::BereichNeuEinstellen() {
    if (Laeuft()) return;
    const QString vorher = bzHilfe_->text();
    StatusZeigen(u(" Auswertebereich wird neu eingestellt..."));
    daten_->Titel = bereichText_;
    if (EigenenBereichEinstellen(this, *daten_)) {
        bereichText_ = daten_->Titel;
        BereichInTitel();
    }
    ZahlenVerfuegbarkeit();
    StatusZeigen(vorher);
}

void ErmittlungFenster::ErgebnisZeigen(const std::string& block, const std::string& zahlenzeile,
                                       bool auchZwischenspeicher) {
    const auto anzeige = [](const std::string& t) {
        return QString::fromStdString(t).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    };
    const QString text = anzeige(block);
    const bool manuell = Optionen().allgemein[5] != 0;
    // With the manual option the same numbers evaluated again leave one block. The box is
    // read-only, so the numbers lines it holds are exactly those remembered here.
    if (manuell && !zahlenzeile.empty() && zahlenzeilen_.contains(anzeige(zahlenzeile))) return;
    if (!zahlenzeile.empty()) zahlenzeilen_.insert(anzeige(zahlenzeile));
    // Inserting in front keeps long "Bis Stop" runs from copying the whole box every time.
    QTextCursor vorne(rtErmittlung_->document());
    vorne.movePosition(QTextCursor::Start);
    vorne.insertText(text);
    rtErmittlung_->moveCursor(QTextCursor::Start);
    if (!manuell && auchZwischenspeicher) TextEinfuegen(block);
}

void ErmittlungFenster::ErgebnisfeldLeeren() {
    if (Laeuft() ||
        Meldung("Alle Ergebnisse im Ergebnisfeld löschen?",
                flags::Frage + flags::JaNein + flags::Zweiter, windowTitle().toStdString()) != kJa)
        return;
    rtErmittlung_->clear();
    zahlenzeilen_.clear();
}

void ErmittlungFenster::SteuerungSperren(bool laeuft) {
    // While running only the stop request is open; nothing may change the number field.
    bToolbar_[2]->setText(laeuft ? u("&Stop") : u("&Ermitteln"));
    bToolbar_[2]->setIcon(laeuft ? StopSymbol() : ToolbarSymbol(7));
    bToolbar_[0]->setEnabled(!laeuft);
    bToolbar_[1]->setEnabled(!laeuft);
    bToolbar_[3]->setEnabled(!laeuft);
    kZahl_[0]->parentWidget()->setEnabled(!laeuft);
    // Esc must still find the window when the focused control is disabled.
    if (laeuft) setFocus();
    for (QWidget* w : findChildren<QComboBox*>()) w->setEnabled(!laeuft);
    for (QGroupBox* g : gruppen_) g->setEnabled(!laeuft);
    rZahlen_->setEnabled(!laeuft);
    bErmitteln_->setEnabled(!laeuft);
    for (QCheckBox* k : kNurTreffer_) k->setEnabled(!laeuft);
}

void ErmittlungFenster::MarkierteSperren() {
    if (Laeuft()) return;
    for (QPushButton* b : kZahl_)
        if (b->isChecked()) {
            b->setChecked(false);
            b->setEnabled(false);
        }
}

void ErmittlungFenster::SperrungAufheben() {
    if (Laeuft()) return;
    const int n = std::clamp<int>(daten_->GroessteZahl, 1, 49);
    for (int i = 0; i < n; ++i) kZahl_[static_cast<size_t>(i)]->setEnabled(true);
}

void ErmittlungFenster::AlleLoeschen() {
    if (Laeuft()) return;
    for (QPushButton* b : kZahl_) b->setChecked(false);
}

void ErmittlungFenster::ZahlenAlleZurueckholen() {
    for (int i = 0; i < 49; ++i)
        if (!Gesperrt(i))
            kZahl_[static_cast<size_t>(i)]->setChecked(gemerkt_[static_cast<size_t>(i)]);
}

int ErmittlungFenster::FreieZahlen() const {
    const int n = std::clamp<int>(daten_->GroessteZahl, 1, 49);
    int frei = 0;
    for (int i = 0; i < n; ++i) frei += Gesperrt(i) ? 0 : 1;
    return frei;
}

Bitworte ErmittlungFenster::Auswahl() const {
    Bitworte w{};
    for (int i = 0; i < 49; ++i)
        if (!Gesperrt(i) && kZahl_[static_cast<size_t>(i)]->isChecked()) ZahlSetzen(i + 1, w);
    return w;
}

}  // namespace zahlix::ui
