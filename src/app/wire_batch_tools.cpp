#include "app/wiring.h"

namespace scribbet {

void WireBatchTools(MainWindow& /*window*/, const Services& /*services*/) {}

}  // namespace scribbet
