#pragma once
// fInBox, the program's own input box. Its tag holds the text: shown in tEingabe on
// activation, the entered text after "OK", empty after "Abbrechen".
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zahlix::ui {

class InBox : public QDialog {
    Q_OBJECT
  public:
    explicit InBox(QWidget* parent = nullptr);

    void Vorbereiten(const QString& prompt, const QString& titel);
    // Clears the tag, shows the box modally and returns the tag.
    QString Zeigen(const QString& prompt, const QString& titel);
    QString Tag() const { return tag_; }
    void TagSetzen(const QString& t) { tag_ = t; }

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    QLabel* prompt_;
    QLineEdit* eingabe_;
    QString tag_;
};

}  // namespace zahlix::ui
