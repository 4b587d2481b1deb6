// Installs the modal message dialog as the program's message sink.
#pragma once

namespace surface {

void InstallMessageDialog();

}  // namespace surface
