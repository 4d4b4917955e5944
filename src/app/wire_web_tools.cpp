#include "app/wiring.h"

namespace scribbet {

void WireWebTools(MainWindow& /*window*/, const Services& /*services*/) {}

}  // namespace scribbet
