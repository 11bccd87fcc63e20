#pragma once
// fNeueLottodatei: asks for the name, the kind of lottery ("6 aus" n) and the first week of a
// new lottery file. The tag is "" after OK and "Abbruch" otherwise.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace zahlix::ui {

struct NeueDateiAngaben {
    std::string dateiname;
    int groessteZahl = 49;
    int woche = 1;
    int jahr = 2000;
};

class NeueLottodateiDialog : public QDialog {
    Q_OBJECT
  public:
    explicit NeueLottodateiDialog(QWidget* eltern = nullptr);

    QString Tag() const { return tag_; }
    NeueDateiAngaben Angaben() const;

    // Runs the dialog; exec() unless a test replaced it to drive the dialog without blocking.
    static std::function<void(NeueLottodateiDialog&)>& Ausfuehrer();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    void LabelsAnzeigen();

    QString tag_ = QStringLiteral("Abbruch");
    bool quickInfoGesetzt_ = false;
    QLineEdit* tDateiname_;
    QScrollBar* hbGroessteZahl_;
    QScrollBar* hbStartJahr_;
    QScrollBar* hbStartWoche_;
    QLabel* bzGroessteZahl_;
    QLabel* bzStartjahr_;
    QLabel* bzStartwoche_;
};

// Shows the dialog modally; the answers, or nothing when cancelled.
std::optional<NeueDateiAngaben> NeueLottodateiAbfragen(QWidget* eltern = nullptr);

}  // namespace zahlix::ui
