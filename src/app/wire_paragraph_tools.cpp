#include "app/wiring.h"

namespace scribbet {

void WireParagraphTools(MainWindow& /*window*/, const Services& /*services*/) {}

}  // namespace scribbet
