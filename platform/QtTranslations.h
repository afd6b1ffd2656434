#pragma once

namespace vexilor {

// Qt's own dialogs and their standard buttons (the file and print dialogs, "OK",
// "Cancel") in Russian whatever the locale, as the rest of the program speaks: Qt's
// translation as the system keeps it. Texts the program sets itself are not touched.
// False, and Qt's own English, where the translation is not installed.
bool translateQtIntoRussian();

}  // namespace vexilor
