#include "app/ui/info_fenster.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/symbole.h"

namespace zahlix::ui {

InfoFenster::InfoFenster(bool alsSplash, QWidget* parent) : QDialog(parent) {
    setObjectName("fInfo");
    setWindowTitle("Info über Zahlix");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (alsSplash) setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);

    auto* logo = new QLabel;
    logo->setObjectName("bdLogo");
    logo->setPixmap(LogoBild(340, 64));
    logo->setAlignment(Qt::AlignCenter);

    auto* name = new QLabel("Zahlix Freeware");
    name->setObjectName("bzProgramm");
    QFont gross = name->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.9);
    gross.setBold(true);
    name->setFont(gross);
    name->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("Version %1").arg(ZAHLIX_VERSION));
    version->setObjectName("bzVersion");
    version->setAlignment(Qt::AlignCenter);

    auto* linie = new QFrame;
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);

    auto* text = new QLabel(
        "Zahlix führt die Ziehungen Ihrer Zahlenlotterie, wertet Ihre Zahlenauswahl gegen "
        "alle Ziehungen aus und zeigt, wie oft jede Gewinnklasse getroffen wurde. Statistiken, "
        "Analysen und die Ziehungsübersicht helfen bei der Wahl Ihrer Zahlen; alle Ergebnisse "
        "sammelt der Zwischenspeicher zum Drucken und Speichern.\n\n"
        "Zahlix ist Freeware für private Lottospieler. Alle Angaben ohne Gewähr.");
    text->setObjectName("bzBeschreibung");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setFixedWidth(400);

    auto* alles = new QVBoxLayout(this);
    alles->setContentsMargins(28, 24, 28, 18);
    alles->setSpacing(10);
    alles->addWidget(logo);
    alles->addWidget(name);
    alles->addWidget(version);
    alles->addWidget(linie);
    alles->addWidget(text);
    if (!alsSplash) {
        auto* ok = new QPushButton("&OK");
        ok->setObjectName("bOK");
        ok->setDefault(true);
        ok->setMinimumWidth(96);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        auto* zeile = new QHBoxLayout;
        zeile->addStretch(1);
        zeile->addWidget(ok);
        alles->addLayout(zeile);
    } else {
        setStyleSheet("QDialog#fInfo { border: 1px solid palette(mid); }");
    }
    alles->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace zahlix::ui
