#pragma once

// Gives the test program a home of its own: fresh, empty HOME, XDG_CONFIG_HOME,
// XDG_CACHE_HOME, XDG_DATA_HOME, XDG_STATE_HOME and XDG_RUNTIME_DIR (mode 0700) in a
// temporary folder that goes when the program ends. No test then reads or writes the
// user's files, and two test programs running at once never share a settings file.
// Call it first in main, before any library looks at the environment.
void isolateFromUserFiles();
