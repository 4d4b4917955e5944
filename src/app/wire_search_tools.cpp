#include "app/wiring.h"

namespace scribbet {

void WireSearchTools(MainWindow& /*window*/, const Services& /*services*/) {}

}  // namespace scribbet
