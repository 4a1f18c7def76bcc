// Start-up of the application: fonts, and the main window with the dialogs in their fixed order.
#pragma once

#include <memory>

class UiPlatform;
class QApplication;
class TMainForm;

// Application name and fonts: the names the program uses are served by installed fonts.
void setupApplication(QApplication& app);
// The main window, and the dialogs it reuses for the whole run, each made when first needed.
std::unique_ptr<TMainForm> createMainWindow(UiPlatform& platform);
