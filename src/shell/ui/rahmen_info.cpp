// The Quick-Info line with its busy blink, and the status bar.
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include "app/anwendungsdateien.h"
#include "app/kalender.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "app/ui/meldungsfenster.h"
#include "shell/optionen.h"
#include "shell/ui/rahmen.h"

namespace zahlix::ui {

namespace {

const QString kWieKannIchThema = QStringLiteral("Zahlix.Wie kann ich?");

QLabel* Panel(QStatusBar* leiste, const char* name, const QString& text, int breite) {
    auto* l = new QLabel(text);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(breite);
    l->setContentsMargins(6, 0, 6, 0);
    leiste->addPermanentWidget(l);
    return l;
}

void TastePanel(QLabel* l, bool an) {
    l->setStyleSheet(an ? QString() : QStringLiteral("color: palette(mid);"));
}

}  // namespace

QString RahmenQuickInfo() {
    return QStringLiteral(
        "Zahlix Freeware wertet Ihre Lottozahlen gegen alle Ziehungen aus\r\n\r\n"
        "-> 'Zwischenspeicher'\r\nZeigt die gesammelten Ergebnisse\r\n\r\n"
        "-> 'Auswertung'\r\nStartet die Lotto-Auswertung mit einer Lottodatei Ihrer Wahl\r\n\r\n"
        "-> 'Samstag', 'Mittwoch' ...\r\nStartet die Lotto-Auswertung mit dieser Lotterie\r\n");
}

void Rahmen::QuickInfoAufbauen() {
    quickInfo_ = new QFrame;
    quickInfo_->setObjectName("bdQuickInfo");
    quickInfo_->setFrameShape(QFrame::StyledPanel);
    quickInfo_->setFixedWidth(270);

    quickInfo0_ = new QLabel("Zahlix-Info");
    quickInfo0_->setObjectName("bzQuickInfo0");
    quickInfo0_->setAutoFillBackground(true);
    quickInfo0_->setContentsMargins(8, 4, 8, 4);
    QFont fett = quickInfo0_->font();
    fett.setBold(true);
    quickInfo0_->setFont(fett);

    auto* wieKannIch = new QPushButton("Wie kann ich?");
    wieKannIch->setObjectName("bzWieKannIch");
    wieKannIch->setFlat(true);
    wieKannIch->setCursor(Qt::PointingHandCursor);
    wieKannIch->setStyleSheet("QPushButton { color: palette(link); text-decoration: underline; }");
    connect(wieKannIch, &QPushButton::clicked, this, &Rahmen::WieKannIch);

    quickInfo1_ = new QLabel;
    quickInfo1_->setObjectName("bzQuickInfo1");
    quickInfo1_->setTextFormat(Qt::PlainText);
    quickInfo1_->setWordWrap(true);
    quickInfo1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    quickInfo1_->setContentsMargins(10, 8, 10, 8);
    quickInfo1_->setContextMenuPolicy(Qt::PreventContextMenu);
    quickInfo1_->installEventFilter(this);
    auto* rollen = new QScrollArea;
    rollen->setWidget(quickInfo1_);
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* kopf = new QHBoxLayout;
    kopf->setContentsMargins(0, 0, 0, 0);
    kopf->addWidget(quickInfo0_, 1);
    kopf->addWidget(wieKannIch);
    auto* spalte = new QVBoxLayout(quickInfo_);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addLayout(kopf);
    spalte->addWidget(rollen, 1);
    FarbeSetzen(QColor(255, 255, 222));
    QuickInfoSetzen(RahmenQuickInfo());
}

void Rahmen::FarbeSetzen(QColor farbe) {
    farbe0_ = farbe;
    QPalette p = quickInfo0_->palette();
    p.setColor(QPalette::Window, farbe);
    p.setColor(QPalette::WindowText, Qt::black);
    quickInfo0_->setPalette(p);
}

void Rahmen::QuickInfo() {
    const bool an = Optionen().allgemein[0] > 0;
    mQuickInfo_->setChecked(an);
    quickInfo_->setVisible(an);
}

void Rahmen::QuickInfoSetzen(const QString& text) {
    quickInfo1_->setText(AnzeigeText(text.toStdString()));
    quickInfo1_->setProperty("zahlixText", text);
}

QString Rahmen::QuickInfoText() const {
    return quickInfo1_->property("zahlixText").toString();
}

void Rahmen::QuickInfoMerken(const QString& text) {
    quickInfoStapel_.push_back(QuickInfoText());
    QuickInfoSetzen(text);
}

void Rahmen::QuickInfoZurueck() {
    if (quickInfoStapel_.isEmpty()) return;
    QuickInfoSetzen(quickInfoStapel_.takeLast());
}

void Rahmen::BeschaeftigtAnzeigen(bool beschaeftigt) {
    if (beschaeftigt) {
        quickInfo0_->setText("In Arbeit");
        if (!timer1_->isActive()) timer1_->start();
        return;
    }
    timer1_->stop();
    quickInfo0_->setText("Zahlix-Info");
    FarbeSetzen(QColor(255, 255, 222));
}

void Rahmen::Blinken() {
    FarbeSetzen(QColor(farbe0_.red() ^ 255, farbe0_.green(), farbe0_.blue() ^ 255));
}

void Rahmen::WieKannIch() {
    QWidget* aktiv = AktivesFenster();
    if (aktiv && aktiv->objectName() == "fHilfe" &&
        aktiv->metaObject()->indexOfMethod("ThemaZeigen(QString)") >= 0) {
        QMetaObject::invokeMethod(aktiv, "ThemaZeigen", Qt::DirectConnection,
                                  Q_ARG(QString, kWieKannIchThema));
        return;
    }
    Hilfethema() = kWieKannIchThema.toStdString();
    HilfeZeigen();
}

void Rahmen::StatusleisteAufbauen() {
    QStatusBar* leiste = statusBar();
    leiste->setObjectName("StatusBar");
    leiste->setSizeGripEnabled(true);
    auto* version = new QLabel(QStringLiteral("Zahlix Freeware %1").arg(ZAHLIX_VERSION));
    version->setObjectName("Version");
    version->setContentsMargins(6, 0, 6, 0);
    leiste->addWidget(version, 1);
    panelFeststell_ = Panel(leiste, "Feststelltaste", "UF", 36);
    panelEinfg_ = Panel(leiste, "Einfuegen", "EINFG", 52);
    panelNum_ = Panel(leiste, "Num", "NUM", 44);
    panelDatum_ = Panel(leiste, "Datum", QString(), 86);
    panelZeit_ = Panel(leiste, "Zeit", QString(), 52);
    panelWoche_ = Panel(leiste, "Woche", QString(), 84);
    TastePanel(panelFeststell_, feststell_);
    TastePanel(panelEinfg_, einfg_);
    TastePanel(panelNum_, num_);

    uhr_ = new QTimer(this);
    uhr_->setInterval(1000);
    connect(uhr_, &QTimer::timeout, this, &Rahmen::StatusAktualisieren);
    uhr_->start();
    StatusAktualisieren();
}

void Rahmen::StatusAktualisieren() {
    const auto heute = Heute();
    panelDatum_->setText(QString::fromStdString(DatumText(heute)));
    panelZeit_->setText(QTime::currentTime().toString("HH:mm"));
    panelWoche_->setText(QString::fromStdString(WochenPanelText(heute)));
}

void Rahmen::TastenBeobachten(const QKeyEvent* e) {
    // Qt reports no lock states; they are read from the keys as they arrive.
    if (e->key() == Qt::Key_Insert && !e->isAutoRepeat()) {
        einfg_ = !einfg_;
        TastePanel(panelEinfg_, einfg_);
        return;
    }
    const QString text = e->text();
    if (text.size() != 1) return;
    const QChar c = text.at(0);
    if (e->modifiers() & Qt::KeypadModifier) {
        const bool num = c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('.');
        if (e->key() != Qt::Key_Plus && e->key() != Qt::Key_Minus && num != num_) {
            num_ = num;
            TastePanel(panelNum_, num_);
        }
        return;
    }
    if (c.isLetter() && c.toUpper() != c.toLower()) {
        const bool gross = c.isUpper();
        const bool umschalt = e->modifiers() & Qt::ShiftModifier;
        const bool feststell = gross != umschalt;
        if (feststell != feststell_) {
            feststell_ = feststell;
            TastePanel(panelFeststell_, feststell_);
        }
    }
}

}  // namespace zahlix::ui
