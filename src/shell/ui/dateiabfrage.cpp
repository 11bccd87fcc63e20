#include "shell/ui/dateiabfrage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>

#include "app/anwendungsdateien.h"
#include "app/port.h"
#include "app/programm.h"
#include "core/dateiname.h"
#include "core/systemfehler.h"
#include "core/textdatei.h"
#include "shell/muster.h"
#include "shell/ui/dialoghilfe.h"
#include "shell/ui/vorschau_feld.h"
#include "shell/zuletzt.h"

namespace fs = std::filesystem;

namespace zahlix::ui {

namespace {

const char* const kQuickInfo =
    "Datei auswählen\r\n\r\n"
    "Dateiname: Namen eingeben oder ein Muster wie *.ZX7 wählen\r\n\r\n"
    "Laufwerk und Verzeichnis: Doppelklick wechselt den Ordner, die rechte Maustaste legt "
    "einen neuen an\r\n\r\n"
    "Dateien: Klick zeigt die Dateivorschau, die rechte Maustaste löscht\r\n\r\n"
    "Zuletzt verwendet: die zuletzt gewählten Dateien\r\n\r\n"
    "-> 'Win-Dialog'\r\nÖffnet den Dateidialog des Systems\r\n";

constexpr int kPfadRolle = Qt::UserRole;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string S(const QString& s) {
    return s.toStdString();
}

fs::path Startverzeichnis() {
    if (!Programm().startverzeichnis.empty()) return Programm().startverzeichnis;
    std::error_code ec;
    return fs::current_path(ec);
}

fs::path Normal(const fs::path& p) {
    std::error_code ec;
    fs::path c = fs::weakly_canonical(p, ec);
    return ec ? p.lexically_normal() : c;
}

// The path a list entry or typed name means; names without a folder are in `ordner`.
fs::path Aufloesen(const std::string& text, const fs::path& ordner) {
    fs::path p = PfadVonName(text);
#ifdef _WIN32
    if (text.size() == 2 && text[1] == ':') p /= "\\";  // "D:" means the drive's root
#endif
    return p.is_absolute() ? p : ordner / p;
}

std::string SystemDialog(QWidget* eltern, bool speichern, const std::string& filter,
                         const std::string& titel, const std::string& ordner) {
    const QString f = Q(filter), t = Q(titel), o = Q(ordner);
    return S(speichern ? QFileDialog::getSaveFileName(eltern, t, o, f)
                       : QFileDialog::getOpenFileName(eltern, t, o, f));
}

}  // namespace

Dateiabfrage::SystemdialogFunktion& Dateiabfrage::Systemdialog() {
    static SystemdialogFunktion f = SystemDialog;
    return f;
}

Dateiabfrage::Dateiabfrage(QWidget* parent) : QDialog(parent) {
    setObjectName("fDateiabfrage");
    setWindowTitle(QStringLiteral("Dateiabfrage"));
    setProperty("zahlixQuickInfo", QString::fromUtf8(kQuickInfo));
    setModal(true);

    datei_ = new QComboBox(this);
    datei_->setObjectName("cDatei");
    datei_->setEditable(true);
    datei_->setInsertPolicy(QComboBox::NoInsert);
    datei_->setMinimumWidth(240);
    dateien_ = new QListWidget(this);
    dateien_->setObjectName("dDatei");
    dateien_->setContextMenuPolicy(Qt::CustomContextMenu);
    zuletzt_ = new QListWidget(this);
    zuletzt_->setObjectName("lZuletzt");
    zuletzt_->hide();
    zuletztGesamt_ = new QListWidget(this);
    zuletztGesamt_->setObjectName("lZuletztGesamt");
    zuletztGesamt_->hide();
    kZuletzt_ = new QCheckBox(QStringLiteral("Zuletzt verwendet"), this);
    kZuletzt_->setObjectName("kZuletzt");

    laufwerk_ = new QComboBox(this);
    laufwerk_->setObjectName("lwLaufwerk");
    for (const QFileInfo& wurzel : QDir::drives())
        laufwerk_->addItem(QDir::toNativeSeparators(wurzel.absoluteFilePath()),
                           wurzel.absoluteFilePath());
    laufwerk_->addItem(QDir::toNativeSeparators(QDir::homePath()), QDir::homePath());
    verzeichnis_ = new QListWidget(this);
    verzeichnis_->setObjectName("vVerzeichnis");
    verzeichnis_->setContextMenuPolicy(Qt::CustomContextMenu);
    ordnerText_ = new QLabel(this);
    ordnerText_->setObjectName("bzVerzeichnis");
    ordnerText_->setWordWrap(true);
    vorschau_ = new VorschauFeld(this);

    auto knopf = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    auto* ok = knopf("bOK", QStringLiteral("OK"));
    ok->setDefault(true);
    auto* abbrechen = knopf("bAbbrechen", QStringLiteral("&Abbrechen"));
    auto* hilfe = knopf("bHilfe", QStringLiteral("&Hilfe"));
    auto* win = knopf("bWindowsDialog", QStringLiteral("&Win-Dialog"));

    auto beschriftung = [this](const QString& text, QWidget* feld) {
        auto* l = new QLabel(text, this);
        l->setBuddy(feld);
        return l;
    };
    auto* links = new QVBoxLayout;
    links->addWidget(beschriftung(QStringLiteral("&Dateiname:"), datei_));
    links->addWidget(datei_);
    links->addWidget(dateien_, 1);
    links->addWidget(zuletzt_, 1);
    links->addWidget(kZuletzt_);
    auto* mitte = new QVBoxLayout;
    // One heading over drive and folder, so "Laufwerk und" never reads as cut off.
    auto* ueberschrift = new QHBoxLayout;
    ueberschrift->setSpacing(4);
    ueberschrift->addWidget(beschriftung(QStringLiteral("&Laufwerk und"), laufwerk_));
    ueberschrift->addWidget(beschriftung(QStringLiteral("&Verzeichnis (Ordner):"), verzeichnis_));
    ueberschrift->addStretch(1);
    mitte->addLayout(ueberschrift);
    mitte->addWidget(laufwerk_);
    mitte->addWidget(verzeichnis_, 1);
    mitte->addWidget(ordnerText_);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(new QLabel(QStringLiteral("Dateivorschau:"), this));
    rechts->addWidget(vorschau_, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(win);
    knoepfe->addWidget(hilfe);
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* oben = new QHBoxLayout;
    oben->addLayout(links, 3);
    oben->addLayout(mitte, 3);
    oben->addLayout(rechts, 4);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(oben, 1);
    haupt->addLayout(knoepfe);
    resize(860, 460);

    connect(ok, &QPushButton::clicked, this, &Dateiabfrage::OkGeklickt);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(win, &QPushButton::clicked, this, &Dateiabfrage::WinDialog);
    connect(hilfe, &QPushButton::clicked, this, [] { HilfeZu("Dialog.Dateiname abfragen"); });
    connect(datei_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        kandidat_ = Kandidatenpfad(ordner_, S(text.trimmed()), Startverzeichnis());
        ausZuletzt_ = false;
        vorschau_->Leeren();
    });
    connect(datei_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && IstMuster(S(datei_->itemText(index))))
            MusterAnwenden(S(datei_->itemText(index)));
    });
    connect(dateien_, &QListWidget::itemClicked, this, &Dateiabfrage::DateiGewaehlt);
    // Selection, not the current item: a focus change alone must not pick a file.
    connect(dateien_, &QListWidget::itemSelectionChanged, this, [this] {
        const auto gewaehlt = dateien_->selectedItems();
        if (!gewaehlt.isEmpty()) DateiGewaehlt(gewaehlt.front());
    });
    connect(dateien_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        DateiGewaehlt(item);
        OkGeklickt();
    });
    connect(zuletzt_, &QListWidget::itemClicked, this, &Dateiabfrage::ZuletztGewaehlt);
    connect(zuletzt_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ZuletztGewaehlt(item);
        OkGeklickt();
    });
    connect(kZuletzt_, &QCheckBox::toggled, this, &Dateiabfrage::ZuletztUmschalten);
    connect(laufwerk_, &QComboBox::activated, this, [this](int index) {
        OrdnerWechseln(PfadVonName(S(laufwerk_->itemData(index).toString())));
    });
    connect(verzeichnis_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        OrdnerWechseln(PfadVonName(S(item->data(kPfadRolle).toString())));
    });
    connect(dateien_, &QWidget::customContextMenuRequested, this, &Dateiabfrage::DateiLoeschen);
    connect(verzeichnis_, &QWidget::customContextMenuRequested, this, &Dateiabfrage::OrdnerAnlegen);

    OrdnerSetzen(Startverzeichnis());
}

void Dateiabfrage::Anfrage(const std::string& muster, const std::string& titel) {
    tag_ = Q(muster);
    anfrageMuster_ = muster.empty() ? kStandardMuster : muster;
    setWindowTitle(Q(titel));
    kandidat_.clear();
    ausZuletzt_ = false;
    vorschau_->Leeren();
    // The folder of the last request may be gone since; then start over at home.
    std::error_code ec;
    if (!fs::is_directory(ordner_, ec)) OrdnerSetzen(Startverzeichnis());
    muster_ = MusterAnwendbar(anfrageMuster_) ? anfrageMuster_ : kWeitesMuster;
    datei_->clear();
    for (const auto& m : MusterEintraege(muster_)) datei_->addItem(Q(m));
    DateilisteFuellen();
    datei_->setEditText(Q(muster_));
    zuletztListe_ = ZuletztLaden(ZuletztPfad());
    zuletztGesamt_->clear();
    for (const auto& e : zuletztListe_) zuletztGesamt_->addItem(Q(e));
    if (kZuletzt_->isChecked()) ZuletztUmschalten(true);
    datei_->setFocus();
}

std::string Dateiabfrage::Ordner() const {
    return TextAusPfad(ordner_);
}

void Dateiabfrage::OrdnerSetzen(const fs::path& ordner) {
    ordner_ = Normal(ordner);
    verzeichnis_->clear();
    const QIcon offen = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon zu = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The chain from the root down to the current folder, then its subfolders, as a tree.
    std::vector<fs::path> kette;
    for (fs::path p = ordner_; !p.empty(); p = p.parent_path()) {
        kette.push_back(p);
        if (p == p.parent_path()) break;
    }
    std::reverse(kette.begin(), kette.end());
    int tiefe = 0;
    for (const auto& p : kette) {
        std::string name = TextAusPfad(p.filename());
        if (name.empty()) name = TextAusPfad(p);
        auto* item = new QListWidgetItem(offen, QString(2 * tiefe++, QLatin1Char(' ')) + Q(name));
        item->setData(kPfadRolle, Q(TextAusPfad(p)));
        verzeichnis_->addItem(item);
    }
    std::vector<std::string> unter;
    std::error_code ec;
    for (fs::directory_iterator it(ordner_, fs::directory_options::skip_permission_denied, ec),
         ende;
         !ec && it != ende; it.increment(ec)) {
        std::error_code art;
        if (it->is_directory(art)) unter.push_back(TextAusPfad(it->path().filename()));
    }
    std::sort(unter.begin(), unter.end(), [](const std::string& a, const std::string& b) {
        return Q(a).compare(Q(b), Qt::CaseInsensitive) < 0;
    });
    for (const auto& name : unter) {
        auto* item = new QListWidgetItem(zu, QString(2 * tiefe, QLatin1Char(' ')) + Q(name));
        item->setData(kPfadRolle, Q(TextAusPfad(ordner_ / PfadVonName(name))));
        verzeichnis_->addItem(item);
    }
    verzeichnis_->setCurrentRow(static_cast<int>(kette.size()) - 1);
    ordnerText_->setText(QDir::toNativeSeparators(Q(TextAusPfad(ordner_))));
    // The drive entry is the longest one the folder lies in.
    int bester = -1;
    qsizetype laenge = -1;
    const QString ordnerText = QDir::fromNativeSeparators(Q(TextAusPfad(ordner_)));
    for (int i = 0; i < laufwerk_->count(); ++i) {
        QString wurzel = laufwerk_->itemData(i).toString();
        if (ordnerText.startsWith(wurzel, Qt::CaseInsensitive) && wurzel.size() > laenge) {
            bester = i;
            laenge = wurzel.size();
        }
    }
    laufwerk_->setCurrentIndex(bester);
}

void Dateiabfrage::OrdnerWechseln(const fs::path& ordner) {
    std::error_code ec;
    if (!fs::is_directory(ordner, ec)) return;
    OrdnerSetzen(ordner);
    DateilisteFuellen();
    datei_->setEditText(Q(muster_));
    kandidat_.clear();
    ausZuletzt_ = false;
    vorschau_->Leeren();
}

void Dateiabfrage::DateilisteFuellen() {
    dateien_->clear();
    std::vector<std::string> namen;
    std::error_code ec;
    for (fs::directory_iterator it(ordner_, fs::directory_options::skip_permission_denied, ec),
         ende;
         !ec && it != ende; it.increment(ec)) {
        std::error_code art;
        if (it->is_directory(art)) continue;
        std::string name = TextAusPfad(it->path().filename());
        if (MusterPasst(name, muster_)) namen.push_back(std::move(name));
    }
    std::sort(namen.begin(), namen.end(), [](const std::string& a, const std::string& b) {
        return Q(a).compare(Q(b), Qt::CaseInsensitive) < 0;
    });
    for (const auto& n : namen) dateien_->addItem(Q(n));
}

void Dateiabfrage::MusterAnwenden(const std::string& muster) {
    muster_ = MusterAnwendbar(muster) ? muster : kWeitesMuster;
    DateilisteFuellen();
    datei_->setEditText(Q(muster_));
    if (kZuletzt_->isChecked()) ZuletztUmschalten(true);
}

void Dateiabfrage::DateiGewaehlt(QListWidgetItem* item) {
    if (!item) return;
    const std::string name = S(item->text());
    kandidat_ = Kandidatenpfad(ordner_, name, Startverzeichnis());
    ausZuletzt_ = false;
    datei_->setEditText(item->text());
    vorschau_->DateiAnzeigen(ordner_ / PfadVonName(name));
}

void Dateiabfrage::ZuletztGewaehlt(QListWidgetItem* item) {
    if (!item) return;
    kandidat_ = S(item->text());
    ausZuletzt_ = true;
    datei_->setEditText(item->text());
    vorschau_->DateiAnzeigen(Aufloesen(kandidat_, Startverzeichnis()));
}

void Dateiabfrage::ZuletztUmschalten(bool an) {
    if (an) {
        if (!IstMuster(S(datei_->currentText()))) datei_->setEditText(Q(muster_));
        zuletzt_->clear();
        for (const auto& e : ZuletztFiltern(zuletztListe_, S(datei_->currentText())))
            zuletzt_->addItem(Q(e));
        zuletzt_->clearSelection();
        zuletzt_->setCurrentRow(-1);
    }
    zuletzt_->setVisible(an);
    dateien_->setVisible(!an);
    datei_->setFocus();
}

void Dateiabfrage::OkGeklickt() {
    const std::string text = S(datei_->currentText().trimmed());
    switch (OkEinordnen(text)) {
        case OkSchritt::Nichts:
            return;
        case OkSchritt::Filtern:
            MusterAnwenden(text);
            return;
        case OkSchritt::Ordner: {
            const fs::path ziel = Aufloesen(text, ordner_);
            std::error_code ec;
            if (fs::is_directory(ziel, ec)) return OrdnerWechseln(ziel);
            const fs::path eltern = ziel.parent_path();
            if (!ziel.filename().empty() && fs::is_directory(eltern, ec))
                return Annehmen(
                    Kandidatenpfad(eltern, TextAusPfad(ziel.filename()), Startverzeichnis()));
            // A recent entry whose folder is gone is still the user's choice; the caller
            // reports the missing file.
            if (ausZuletzt_ && text == kandidat_) return Annehmen(kandidat_);
            Meldung("Das Verzeichnis\r\n" + TextAusPfad(eltern) + "\r\nwurde nicht gefunden.",
                    flags::Ausruf, "Dateiabfrage");
            return;
        }
        case OkSchritt::Waehlen: {
            std::error_code ec;
            if (fs::is_directory(ordner_ / PfadVonName(text), ec))
                return OrdnerWechseln(ordner_ / PfadVonName(text));
            if (kandidat_.empty()) kandidat_ = Kandidatenpfad(ordner_, text, Startverzeichnis());
            return Annehmen(kandidat_);
        }
    }
}

void Dateiabfrage::Annehmen(const std::string& pfad) {
    tag_ = Q(AntwortVervollstaendigen(pfad, anfrageMuster_));
    ZuletztEintragen(zuletztListe_, S(tag_), ZuletztPfad());
    accept();
}

void Dateiabfrage::reject() {
    tag_.clear();
    QDialog::reject();
}

void Dateiabfrage::WinDialog() {
    std::string filter;
    for (const auto& [name, muster] : FilterPaare(muster_)) {
        if (!filter.empty()) filter += ";;";
        // The platform dialog may compare case-sensitively; the lottery names never do.
        filter += name + " (" + muster + " " + S(Q(muster).toLower()) + ")";
    }
    const bool speichern = windowTitle().contains(QStringLiteral("speichern"), Qt::CaseInsensitive);
    // Qt answers with "/" on Windows too; messages and the list show the system's spelling.
    const std::string gewaehlt = NativerPfad(
        Systemdialog()(this, speichern, filter, S(windowTitle()), TextAusPfad(ordner_)));
    if (gewaehlt.empty()) return;  // cancelled there: this dialog stays open
    tag_ = Q(gewaehlt);
    ZuletztEintragen(zuletztListe_, gewaehlt, ZuletztPfad());
    accept();
}

void Dateiabfrage::DateiLoeschen(const QPoint& pos) {
    if (QListWidgetItem* unter = dateien_->itemAt(pos)) dateien_->setCurrentItem(unter);
    QListWidgetItem* item = dateien_->currentItem();
    if (!item) return;
    const std::string name = S(item->text());
    if (Meldung(name + "\r\nDatei wirklich löschen?",
                flags::Ausruf + flags::JaNein + flags::Zweiter, "Datei löschen") != kJa)
        return;
    std::error_code ec;
    fs::remove(ordner_ / PfadVonName(name), ec);
    DateilisteFuellen();
    kandidat_.clear();
    vorschau_->Leeren();
}

void Dateiabfrage::OrdnerAnlegen(const QPoint&) {
    const std::string name =
        Eingabe("Neues Unterverzeichnis erzeugen von \r\n" + TextAusPfad(ordner_), "Dateiabfrage");
    const QString q = Q(name).trimmed();
    if (q.isEmpty()) return;
    if (q.contains(QLatin1Char('/')) || q.contains(QLatin1Char('\\')) ||
        q.contains(QLatin1Char(':')) || q == QStringLiteral(".") || q == QStringLiteral("..")) {
        Meldung("\"" + name + "\" ist kein gültiger Ordnername.", flags::Ausruf, "Dateiabfrage");
        return;
    }
    std::error_code ec;
    fs::create_directory(ordner_ / PfadVonName(S(q)), ec);
    if (ec)
        Meldung(
            "Der Ordner \"" + S(q) + "\" konnte nicht angelegt werden:\r\n" + SystemfehlerText(ec),
            flags::Ausruf, "Dateiabfrage");
    OrdnerSetzen(ordner_);
}

void Dateiabfrage::showEvent(QShowEvent* e) {
    quickInfo_.Gezeigt(kQuickInfo);
    QDialog::showEvent(e);
}

void Dateiabfrage::hideEvent(QHideEvent* e) {
    quickInfo_.Verborgen();
    QDialog::hideEvent(e);
}

Dateiabfrage& DateiabfrageInstanz(QWidget* parent) {
    static QPointer<Dateiabfrage> dialog;
    return EinzigerDialog(dialog, parent);
}

std::string DateiabfrageZeigen(QWidget* parent, const std::string& muster,
                               const std::string& titel) {
    Dateiabfrage& d = DateiabfrageInstanz(parent);
    d.Anfrage(muster, titel);
    d.exec();
    QCoreApplication::processEvents();
    return AntwortVervollstaendigen(S(d.Tag()), muster);
}

}  // namespace zahlix::ui
