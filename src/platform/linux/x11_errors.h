#pragma once
// X protocol errors caught instead of ending the process (Xlib's default handler exits), and
// a lost connection reported before its display's exit handler runs.
#include <string>

struct _XDisplay;

namespace oryn7px {

// Installs the catching handler once for the process; call before the first request.
void InstallX11ErrorTrap();

// Waits for the server to process every request sent on `display` and answers the errors they
// caused since the last call, as text; empty when there were none.
std::string TakeX11Errors(_XDisplay* display);

}  // namespace oryn7px
