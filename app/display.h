// Starting without a usable display. Qt reports a display it cannot open as a fatal
// error, with advice to reinstall the program, and aborts, which can leave a core file.
// While the application object is being made, Qt's messages are held back: if no
// display can be opened, the program says so in one line, in the user's language, with
// how to give it one, and ends with status 1; otherwise the held messages go out as they
// would have.
#pragma once

namespace rula {

// Call right before making the QApplication.
void HoldMessagesWhileOpeningTheDisplay();
// Call right after: lets the held messages out and Qt's own message handling back in.
void DisplayOpened();

} // namespace rula
