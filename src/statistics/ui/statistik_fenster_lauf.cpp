// fStatistik: type setup, the run of "&Ermitteln", the lists, the graph and the print text.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <filesystem>

#include "app/port.h"
#include "core/bereich.h"
#include "evaluation/ui/bereich_dialog.h"
#include "output/ui/drucker.h"
#include "output/ui/editorhilfe.h"
#include "statistics/ui/grafik_bild.h"
#include "statistics/ui/statistik_fenster.h"

namespace zahlix::ui {

using namespace zahlix::statistik;

namespace {

// The leading digits of a selector text as a number; 0 for "Alle", "Keine" or nothing.
int Zahlwert(const QString& text) {
    const QString t = text.trimmed();
    int i = 0;
    while (i < t.size() && t[i].isDigit()) ++i;
    return i ? t.left(std::min(i, 6)).toInt() : 0;
}

}  // namespace

void StatistikFenster::Status(const QString& text) {
    bzHilfe_->setText(text);
    bzHilfe_->repaint();
}

void StatistikFenster::ArtWaehlen(const QString& art) {
    if (laeuft_) return;
    DatenUebernehmen(daten_);
    bzAuswertebereich_->setText(QStringLiteral("Bereich - ") + Q(daten_.Titel));
    const int t = TypAusName(S(art));
    cStatistikart_->setCurrentIndex(t);
    TypEinrichten();
    AnzeigeLoeschen();
    TitelAnzeigen();
}

void StatistikFenster::TitelAnzeigen() {
    const std::string titel = std::filesystem::path(daten_.Dateiname).filename().string();
    const std::string typ = typ_ ? Beschreibung(typ_).name : "";
    setWindowTitle(Q(Fenstertitel(IstSystembereich(daten_.Titel), typ, titel)));
}

void StatistikFenster::TypEinrichten() {
    typ_ = cStatistikart_->currentIndex();
    const bool system = IstSystembereich(daten_.Titel);
    const bool zusatz = typ_ != 0 && !system && Beschreibung(typ_).zusatzzahl;
    bzZusatzzahl_->setVisible(zusatz);
    for (QRadioButton* o : oZusatzzahl_) o->setVisible(zusatz);
    if (!zusatz) oZusatzzahl_[0]->setChecked(true);
    const bool soll = typ_ != 0 && Beschreibung(typ_).sollwertlinie;
    oGrafikArt_[4]->setEnabled(soll);
    if (!soll && oGrafikArt_[4]->isChecked()) oGrafikArt_[0]->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        const Auswahlfeld f =
            typ_ == 0 ? Auswahlfeld{} : (i == 0 ? Auswahl1(typ_) : Auswahl2(typ_));
        QComboBox* c = cZahl_[static_cast<size_t>(i)];
        QLabel* l = bzZahl_[static_cast<size_t>(i)];
        c->blockSignals(true);
        c->clear();
        // Number selectors take typed numbers; list selectors only their entries.
        c->setEditable(f.sichtbar && !(i == 1 && Auswahl2IstListe(typ_)));
        for (const std::string& e : f.eintraege) c->addItem(Q(e));
        c->setCurrentIndex(f.vorgabe);
        c->blockSignals(false);
        l->setText(f.sichtbar
                       ? Q(f.beschriftung)
                       : (i == 0 ? QStringLiteral("Für &Zahl") : QStringLiteral("&2. Zahl")));
        c->setVisible(f.sichtbar);
        l->setVisible(f.sichtbar);
    }
    const QString thema = typ_ ? QStringLiteral("Menü.Statistik.") + Q(Beschreibung(typ_).name)
                               : QStringLiteral("Statistik");
    setProperty("zahlixHilfethema", thema);
    Status(typ_ ? Q(Beschreibung(typ_).frage) : QStringLiteral(" Bitte eine Statistikart wählen"));
}

void StatistikFenster::ZahlGetippt(int feld) {
    QComboBox* c = cZahl_[static_cast<size_t>(feld)];
    const int hoechstens = (feld == 0 ? Auswahl1(typ_) : Auswahl2(typ_)).hoechstens;
    if (c->isEditable() && Zahlwert(c->currentText()) > hoechstens)
        c->setEditText(QString::number(hoechstens));
}

Parameter StatistikFenster::ParameterLesen() const {
    Parameter p;
    p.typ = typ_;
    p.zahl1 = Zahlwert(cZahl_[0]->currentText());
    p.zahl2 =
        Auswahl2IstListe(typ_) ? cZahl_[1]->currentIndex() : Zahlwert(cZahl_[1]->currentText());
    for (int i = 0; i < 3; ++i)
        if (oZusatzzahl_[static_cast<size_t>(i)]->isChecked()) p.zusatz = i;
    if (!Beschreibung(typ_).zusatzzahl || IstSystembereich(daten_.Titel)) p.zusatz = Ohne;
    return p;
}

void StatistikFenster::AnzeigeLoeschen() {
    hatErgebnis_ = false;
    lauf_ = {};
    for (QListWidget* l : {lNormal_, lSortiert_, lAufSortiert_}) l->clear();
    for (QLabel* l : {bzNormal_, bzSortiert_, bzAufSortiert_}) l->clear();
    cGrafik_->clear();
    cGrafik_->addItem(QStringLiteral("Istwert"));
    cListe_->setCurrentIndex(0);
    cGrafik_->setEnabled(false);
    cListe_->setEnabled(false);
    const QSize s = bdGrafik_->size();
    bdGrafik_->Setzen(LeereGrafik(s.width() * 15, s.height() * 15));
}

void StatistikFenster::Ermitteln() {
    if (laeuft_) {
        stop_ = true;  // the button reads "&Stop" while running
        return;
    }
    if (typ_ == 0) {
        Status(QStringLiteral(" Bitte zuerst eine Statistikart wählen"));
        return;
    }
    const Parameter p = ParameterLesen();
    const std::string fehler = ParameterFehler(p, daten_.GroessteZahl);
    if (!fehler.empty()) {
        Status(QStringLiteral(" ") + Q(fehler));
        return;
    }
    laeuft_ = true;
    bErmitteln_->setProperty("Tag", QStringLiteral("Nicht auswerten"));
    bToolbar_[2]->setText(QStringLiteral("&Stop"));
    for (QWidget* w : std::initializer_list<QWidget*>{bToolbar_[0], bToolbar_[1], cStatistikart_,
                                                      cZahl_[0], cZahl_[1]})
        w->setEnabled(false);
    rListen_->show();
    rText_->hide();
    zahlix::Beschaeftigt(-1);
    stop_ = false;
    AnzeigeLoeschen();
    Status(QStringLiteral(" Statistik wird berechnet..."));
    bzAuswertebereich_->setText(QStringLiteral("Bereich - ") + Q(daten_.Titel));
    EreignissePumpenSofort();
    Status(QStringLiteral(" Wird aktuell ermittelt..."));

    lauf_ = Ausfuehren(daten_, p, [this] { return stop_; });
    hatErgebnis_ = true;
    ErgebnisZeigen();
    Status(Q(lauf_.anzeige.beschreibung) + QStringLiteral(" "));

    laeuft_ = false;
    bErmitteln_->setProperty("Tag", QString());
    bToolbar_[2]->setText(QStringLiteral("&Ermitteln"));
    for (QWidget* w : std::initializer_list<QWidget*>{bToolbar_[0], bToolbar_[1], cStatistikart_,
                                                      cZahl_[0], cZahl_[1]})
        w->setEnabled(true);
    zahlix::Beschaeftigt(0);
    if (schliessenNachLauf_) close();
}

void StatistikFenster::ErgebnisZeigen() {
    bzNormal_->setText(Q(lauf_.anzeige.normal));
    bzSortiert_->setText(Q(lauf_.anzeige.sortiert));
    bzAufSortiert_->setText(Q(lauf_.anzeige.sortiert));
    cGrafik_->clear();
    for (const std::string& w : lauf_.anzeige.wertarten) cGrafik_->addItem(Q(w));
    cGrafik_->setCurrentIndex(0);
    cGrafik_->setEnabled(true);
    cListe_->setEnabled(true);
    WertartGewaehlt();
}

void StatistikFenster::WertartGewaehlt() {
    if (!hatErgebnis_) return;
    const std::string name = S(cGrafik_->currentText());
    const auto& alle = AlleWertarten();
    const auto it = std::find(alle.begin(), alle.end(), name);
    if (it == alle.end()) cGrafik_->setCurrentIndex(0);
    WertartSetzen(lauf_, it == alle.end() ? 0 : static_cast<int>(it - alle.begin()));
    const std::array<std::pair<QListWidget*, const std::vector<std::string>*>, 3> listen = {{
        {lNormal_, &lauf_.listen.normal},
        {lSortiert_, &lauf_.listen.absortiert},
        {lAufSortiert_, &lauf_.listen.aufsortiert},
    }};
    for (auto [liste, zeilen] : listen) {
        liste->clear();
        for (const std::string& z : *zeilen) liste->addItem(Q(z));
    }
    cListe_->setCurrentIndex(0);
    GrafikZeichnen();
}

void StatistikFenster::ListeGewaehlt() {
    GrafikZeichnen();
}

void StatistikFenster::GrafikZeichnen() {
    const QSize s = bdGrafik_->size();
    bdGrafik_->Setzen(GrafikFuer(s.width(), s.height()));
}

statistik::Grafik StatistikFenster::GrafikFuer(int breite, int hoehe) const {
    if (!hatErgebnis_ || lauf_.ergebnis.n <= 0)
        return hatErgebnis_ ? statistik::Grafik{breite * 15, hoehe * 15, {}}
                            : LeereGrafik(breite * 15, hoehe * 15);
    const int n = lauf_.ergebnis.n;
    // The graph follows the order of the chosen list.
    Werte v{};
    const int liste = cListe_->currentIndex();
    for (int k = 1; k <= n; ++k)
        v[k] = liste == 0 ? lauf_.werte[k]
                          : (liste == 1 ? lauf_.listen.aufsortiertWert
                                        : lauf_.listen.absortiertWert)[static_cast<size_t>(k - 1)];
    Grafikwahl w;
    for (int i = 0; i < 4; ++i)
        if (oGrafikArt_[static_cast<size_t>(i)]->isChecked()) w.art = i;
    w.farbe = farbe_;
    w.sollwertlinie = oGrafikArt_[4]->isChecked() && lauf_.wertart == 0 && liste == 0;
    w.sollwert = &lauf_.ergebnis.sollwert;
    const std::vector<std::string> beschriftung = Achsenbeschriftungen(lauf_, liste);
    w.beschriftung = &beschriftung;
    return statistik::GrafikBauen(v, n, w, breite * 15, hoehe * 15);
}

void StatistikFenster::GrafikGezogen(int x, int y) {
    if (!hatErgebnis_) return;
    int art = 0;
    for (int i = 0; i < 4; ++i)
        if (oGrafikArt_[static_cast<size_t>(i)]->isChecked()) art = i;
    const int zeile = ZeileAnPunkt(bdGrafik_->Grafik(), art, lauf_.ergebnis.n, x, y);
    if (zeile < 0) return;
    QListWidget* l = cListe_->currentIndex() == 0
                         ? lNormal_
                         : (cListe_->currentIndex() == 1 ? lAufSortiert_ : lSortiert_);
    l->setCurrentRow(zeile);
}

void StatistikFenster::BereichEinstellen() {
    if (laeuft_) return;
    const QString vorher = bzHilfe_->text();
    Status(QStringLiteral(" Auswertebereich wird neu eingestellt..."));
    const bool neu = EigenenBereichEinstellen(this, daten_);
    Status(vorher);
    if (!neu) return;
    bzAuswertebereich_->setText(QStringLiteral("Bereich - ") + Q(daten_.Titel));
    TitelAnzeigen();
    // A shown result would belong to the old range.
    if (hatErgebnis_) Ermitteln();
}

void StatistikFenster::Drucken() {
    if (laeuft_) return;
    const QString vorher = bzHilfe_->text();
    Status(QStringLiteral(" Auswertung wird an die Druckausgabe übergeben..."));
    zahlix::Beschaeftigt(-1);
    Druckangaben a;
    a.fenstertitel = S(windowTitle());
    a.bereich = daten_.Titel;
    for (size_t i = 0; i < 2; ++i)
        if (!cZahl_[i]->isHidden())
            a.parameter.push_back(
                ParameterText(S(bzZahl_[i]->text()), S(cZahl_[i]->currentText())));
    if (!oZusatzzahl_[0]->isHidden())
        for (int i = 0; i < 3; ++i)
            if (oZusatzzahl_[static_cast<size_t>(i)]->isChecked())
                a.parameter.push_back(ZusatzzahlText(i));
    a.wertart = hatErgebnis_ ? lauf_.wertart : 0;
    a.listenrahmen = !rListen_->isHidden();
    a.normalKopf = S(bzNormal_->text());
    a.sortiertKopf = S(bzSortiert_->text());
    a.listen = &lauf_.listen;
    a.text = S(rtStatistik_->toPlainText());
    const std::string text = Drucktext(a);
    zahlix::Beschaeftigt(0);
    Status(vorher);
    AnDruckausgabe(text);
}

}  // namespace zahlix::ui
