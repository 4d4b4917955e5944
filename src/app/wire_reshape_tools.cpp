#include "app/wiring.h"

namespace scribbet {

void WireReshapeTools(MainWindow& /*window*/, const Services& /*services*/) {}

}  // namespace scribbet
