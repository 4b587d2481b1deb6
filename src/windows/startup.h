// The start-up routine: stretches the introduction window over the screen and shows it.
#pragma once

namespace shell {

void StartUp();

}  // namespace shell
