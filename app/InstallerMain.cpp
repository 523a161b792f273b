#include "InstallerApp.h"

// The one application object; the framework's entry routine runs it.
CInstallerApp theApp;
