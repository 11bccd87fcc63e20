#pragma once
// Pages of drawing primitives (output/zeichenseite.h) on a QPainter: the screen preview, the
// print preview and the printer, so they show what the PDF of the command line shows.
#include <QRectF>
#include <span>

#include "output/zeichenseite.h"

class QPainter;
class QPrinter;

namespace zahlix::ui {

// Paints the page into ziel (device units), stretched to fill it.
void SeiteMalen(QPainter& p, const zahlix::Zeichenseite& s, const QRectF& ziel);

// One page each on the whole paper of drucker (set to full-page mode). False when the
// printer does not start; nothing is printed then.
bool SeitenDrucken(QPrinter& drucker, std::span<const zahlix::Zeichenseite> seiten);

}  // namespace zahlix::ui
