// Reading the inputs of the chosen analysis from the window's controls.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

#include "determination/ui/ermittlung_fenster.h"

namespace zahlix::ui {

// The leading number of a field ("12abc" -> 12, "" or "Bis Stop" -> 0), kept inside int32.
int32_t Zahlwert(const QString& text) {
    const QString t = text.trimmed();
    int i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    while (i < t.size() && t[i].isDigit()) ++i;
    bool ok = false;
    const qlonglong v = t.left(i).toLongLong(&ok);
    return ok ? static_cast<int32_t>(std::clamp<qlonglong>(v, INT32_MIN, INT32_MAX)) : 0;
}

int ErmittlungFenster::Gewaehlt(const char* basis, int anzahl) const {
    for (int i = 0; i < anzahl; ++i) {
        const auto* o = findChild<QRadioButton*>(QStringLiteral("%1_%2").arg(basis).arg(i));
        if (o && o->isChecked()) return i;
    }
    return 0;
}

QString ErmittlungFenster::Feldtext(const QString& name) const {
    const auto* t = findChild<QLineEdit*>(name);
    return t ? t->text() : QString();
}

AnalyseEingaben ErmittlungFenster::EingabenLesen(Analyseart art, int modus, int ermittlung) const {
    AnalyseEingaben e;
    e.art = art;
    e.fenstertitel = windowTitle().toStdString();
    e.bereichText = bereichText_;
    for (int i = 0; i < 49; ++i) {
        e.gesperrt[static_cast<size_t>(i)] = Gesperrt(i);
        e.markiert[static_cast<size_t>(i)] = kZahl_[static_cast<size_t>(i)]->isChecked();
    }
    for (int i = 0; i < 7; ++i)
        e.beruecksichtige[static_cast<size_t>(i)] =
            kNurTreffer_[static_cast<size_t>(i)]->isChecked();
    e.ermittlung = ermittlung;
    e.verwende = modus;
    e.anzahlZahlen = std::clamp<int32_t>(Zahlwert(cAnzahl_[1]->currentText()), 1, 49);
    for (int k = 0; k < 10; ++k) {
        e.gewinnVon[static_cast<size_t>(k)] =
            Zahlwert(Feldtext(QStringLiteral("tGewinnzahlen_%1").arg(k)));
        e.gewinnBis[static_cast<size_t>(k)] =
            Zahlwert(Feldtext(QStringLiteral("tGewinnzahlen_%1").arg(k + 10)));
    }
    e.summeVon = Zahlwert(Feldtext(QStringLiteral("tSumme_0")));
    e.summeBis = Zahlwert(Feldtext(QStringLiteral("tSumme_1")));
    e.kombiVon = Zahlwert(Feldtext(QStringLiteral("tKombiNr_0")));
    e.kombiBis = Zahlwert(Feldtext(QStringLiteral("tKombiNr_1")));
    const char* const basis[4] = {"Zweier", "Dreier", "Vierer", "Fuenfer"};
    const int w = static_cast<int>(art) - static_cast<int>(Analyseart::Zweierwiederholungen);
    if (w >= 0 && w < 4) {
        const QString b = QString::fromLatin1(basis[w]);
        e.grenze =
            Grenzwert(Feldtext(w < 2 ? QStringLiteral("t") + b : QStringLiteral("t%1_0").arg(b))
                          .toStdString());
        e.vergleich = static_cast<Vergleich>(Gewaehlt(w == 0   ? "oZweier"
                                                      : w == 1 ? "oDreier"
                                                      : w == 2 ? "oVierer"
                                                               : "oFuenfer",
                                                      3));
        if (w >= 2) e.start = Zahlwert(Feldtext(QStringLiteral("t%1_1").arg(b)));
    }
    e.verteilung = Gewaehlt("oTreffer", 2);
    e.abstaende = Gewaehlt("oAbstand", 4) + 2;
    e.zerlegung = Gewaehlt("oZerlegung", 4) + 2;
    e.sternzeichen = Gewaehlt("oSternzeichen", 12);
    const QDate heute = QDate::currentDate();
    e.tag = heute.day();
    e.monat = heute.month();
    e.jahr = heute.year();
    e.prognoseart = Gewaehlt("oPrognoseart", 3) + 1;
    e.prognoseMethode = std::max(0, findChild<QComboBox*>("cPrognoseart")->currentIndex());
    e.treffertabelle = std::max(0, findChild<QComboBox*>("cTreffertabelle")->currentIndex());
    e.garantieA = findChild<QComboBox*>("cGarantiestufe_0")->currentIndex() + 1;
    e.garantieB = findChild<QComboBox*>("cGarantiestufe_1")->currentIndex() + 1;
    e.nurPruefen = findChild<QCheckBox*>("kGarantiestufe")->isChecked();
    // Random rows differ from run to run; the logic makes each reproducible from its seed.
    e.seed = seed_ ? seed_ : QRandomGenerator::global()->generate64();
    return e;
}

}  // namespace zahlix::ui
