#pragma once
// fDialogKombiNr: asks for a combination number. The typed digits get their thousands dots
// from the program; the answer comes back as the dialog's tag ("Abbrechen" when cancelled).
#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zahlix::ui {

class KombiNrDialog : public QDialog {
    Q_OBJECT
  public:
    explicit KombiNrDialog(QWidget* eltern = nullptr);

    // The start value goes in as the tag before showing; the answer is the tag afterwards.
    QString Tag() const { return tag_; }
    void TagSetzen(const QString& t) { tag_ = t; }
    void PromptSetzen(const QString& text);

    // Runs the dialog; exec() unless a test replaced it to drive the dialog without blocking.
    static std::function<void(KombiNrDialog&)>& Ausfuehrer();

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void Ok();
    void Abbrechen();

    QString tag_;
    QString startwert_;
    QLabel* prompt_;
    QLineEdit* tKombiNr_;
};

// Shows the dialog with Str(vorgabe) and the prompt; returns the value of the answer
// (0 after Cancel or for text without digits).
int64_t KombiNrAbfragen(int64_t vorgabe, const std::string& prompt, QWidget* eltern = nullptr);

}  // namespace zahlix::ui
