// The one application object of the program.
#include "app/MainApp.h"

CMainApp theApp;
