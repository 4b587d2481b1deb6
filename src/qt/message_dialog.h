// Installs the modal message dialog as the program's message sink.
#pragma once

namespace qt {

void InstallMessageDialog();

}  // namespace qt
