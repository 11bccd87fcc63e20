#include "shell/ui/dialoghilfe.h"

#include "app/anwendungsdateien.h"
#include "app/ui/fenster.h"

namespace zahlix::ui {

void QuickInfoWaehrendSichtbar::Gezeigt(const char* text) {
    if (!gemerkt_) QuickInfoMerken(text);
    gemerkt_ = true;
}

void QuickInfoWaehrendSichtbar::Verborgen() {
    if (gemerkt_) QuickInfoZurueck();
    gemerkt_ = false;
}

void HilfeZu(const char* thema) {
    Hilfethema() = thema;
    HilfeZeigen();
}

}  // namespace zahlix::ui
