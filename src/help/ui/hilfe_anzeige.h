#pragma once
// The topic display of both help windows: heading and links set apart, links followed with
// Tab (select the next one), Enter (show the selected one) and the mouse.
#include <QTextEdit>

#include "help/hilfetext.h"

namespace zahlix::ui {

class HilfeAnzeige : public QTextEdit {
    Q_OBJECT
  public:
    explicit HilfeAnzeige(QWidget* parent = nullptr);

    // Shows the topic of key from hilfe, or "Hilfethema nicht gefunden". False when absent.
    bool ThemaZeigen(const Hilfetext& hilfe, const std::string& schluessel);
    // Shows text with its first line as heading and every «link» coloured.
    void Hervorheben(const QString& text);
    // Room for the help file's lines of up to 96 columns without a soft break.
    QSize sizeHint() const override;

  signals:
    // A link was chosen.
    void ThemaGewaehlt(const QString& schluessel);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool focusNextPrevChild(bool next) override;

  private:
    QString LinkBei(int position) const;
    void NaechsterLinkWaehlen();
};

}  // namespace zahlix::ui
