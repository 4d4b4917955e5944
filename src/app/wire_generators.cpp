#include "app/wiring.h"

namespace scribbet {

void WireGenerators(MainWindow& /*window*/, const Services& /*services*/) {}

}  // namespace scribbet
