#pragma once

class QApplication;

namespace loco {

// Prepares the application for the windows: the classic look (the password
// character "*"), the font stand-ins and the regional settings. Windows are
// only ever hidden by closing them; the main window ends the program itself.
void setUpApplication(QApplication& app);

} // namespace loco
