// The windows this program is built with. Each kind is registered here by name, because the
// linker would drop a registrar sitting alone in the window's own file.
#include "app/ui/fenster.h"

namespace zahlix::ui {

void BekannteFensterAnmelden() {
}

}  // namespace zahlix::ui
