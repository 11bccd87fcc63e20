#pragma once
// bdReihen, the file dialog's preview: the preview lines of a file in a fixed-width font.
#include <QPlainTextEdit>
#include <filesystem>

namespace zahlix::ui {

class VorschauFeld : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit VorschauFeld(QWidget* parent = nullptr);
    // Shows the preview of the file; an unreadable file leaves the field empty.
    void DateiAnzeigen(const std::filesystem::path& datei);
    void Leeren() { clear(); }
};

}  // namespace zahlix::ui
