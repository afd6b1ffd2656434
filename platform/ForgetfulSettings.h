#pragma once

#include <QTemporaryDir>

namespace vexilor {

// The program keeps nothing between runs, but Qt's own dialogs remember their last
// folder, history and view in the user's configuration folder (QtProject.conf). While
// an object of this class lives, Qt's user-scope settings go to a private temporary
// folder instead, which goes with the object. Make it before the first dialog.
class ForgetfulSettings {
public:
    ForgetfulSettings();

private:
    QTemporaryDir folder_;
};

}  // namespace vexilor
