#pragma once
// bdTreffer: the rows-with-hits list, painted as coloured fixed-width text. The window hands
// it the visible lines as text pieces with their colours; a line is 250 twips high.
#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace zahlix::ui {

struct Textstueck {
    QString text;
    QColor farbe;
};
using Textzeile = std::vector<Textstueck>;

class TrefferlisteWidget : public QWidget {
    Q_OBJECT
  public:
    explicit TrefferlisteWidget(QWidget* eltern = nullptr);

    // Lines that fit completely: inner height in twips / 250.
    int SichtbareZeilen() const;
    void ZeilenSetzen(std::vector<Textzeile> zeilen);
    void Leeren();
    const std::vector<Textzeile>& Zeilen() const { return zeilen_; }
    // The plain text of line i, for tests and the clipboard.
    QString ZeilenText(size_t i) const;

  signals:
    void Gerollt(int zeilen);  // wheel: positive = forward
    void KontextmenueGewuenscht(const QPoint& global);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  signals:
    void GroesseGeaendert();

  private:
    std::vector<Textzeile> zeilen_;
    int radRest_ = 0;
};

}  // namespace zahlix::ui
